#include "app/firstrun/IntroPreparation.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QThread>
#include <future>
#include <mutex>
#include <thread>

#include "testkit/support/EventWait.h"
#include "tests/app/IntroFakes.h"

namespace tidewell::app {
namespace {

using testing::ScriptedPlayer;

// What ran, in order, and on which thread: the warm-up may write from its
// worker while the test reads.
struct Log {
  std::mutex mutex;
  QStringList lines;
  void note(const char* what) {
    const bool gui = QThread::currentThread() == QCoreApplication::instance()->thread();
    std::lock_guard lock(mutex);
    lines << QString::fromLatin1(what) +
                 (gui ? QStringLiteral(" on the GUI thread") : QStringLiteral(" on a worker"));
  }
  QStringList read() {
    std::lock_guard lock(mutex);
    return lines;
  }
};

struct Preparation {
  Log log;
  ScriptedPlayer* made = nullptr;
  IntroPreparation preparation{[this] {
    log.note("make");
    auto player = std::make_unique<ScriptedPlayer>(5.0);
    made = player.get();
    return std::unique_ptr<IntroPlayer>(std::move(player));
  }};
  std::function<void()> warmUp() {
    return [this] { log.note("warm-up"); };
  }
};

TEST(IntroPreparation, WarmsUpOnAWorkerThenMakesThePlayerOnTheGuiThreadOnce) {
  Preparation p;
  QSignalSpy ready(&p.preparation, &IntroPreparation::ready);
  p.preparation.start(p.warmUp());
  p.preparation.start(p.warmUp());  // a second showing changes nothing
  ASSERT_TRUE(tidewell::testing::waitUntil([&] { return p.preparation.isReady(); }));
  QCoreApplication::processEvents();
  EXPECT_EQ(p.log.read(), (QStringList{"warm-up on a worker", "make on the GUI thread"}));
  EXPECT_EQ(ready.count(), 1);

  std::unique_ptr<IntroPlayer> player = p.preparation.take();
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player.get(), p.made);
  EXPECT_EQ(p.preparation.take(), nullptr);  // handed over once
  EXPECT_EQ(p.log.read().size(), 2);
}

TEST(IntroPreparation, APlayerAskedForEarlyIsMadeThenAfterTheWarmUp) {
  struct Case {
    const char* what;
    bool started;
  };
  for (const Case c : {Case{"never started (the card was never shown)", false},
                       Case{"asked while the warm-up still runs", true}}) {
    SCOPED_TRACE(c.what);
    Preparation p;
    std::promise<void> release;
    std::thread releaser;
    if (c.started) {
      std::shared_future<void> gate = release.get_future().share();
      p.preparation.start([&p, gate] {
        gate.wait();
        p.log.note("warm-up");
      });
      // Let go only once take() is waiting for the worker.
      releaser = std::thread([&release] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        release.set_value();
      });
    }
    std::unique_ptr<IntroPlayer> player = p.preparation.take();
    if (releaser.joinable()) releaser.join();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player.get(), p.made);
    const QStringList expected = c.started ? QStringList{"warm-up on a worker", "make on the GUI thread"}
                                           : QStringList{"make on the GUI thread"};
    EXPECT_EQ(p.log.read(), expected);
    // The worker's late news makes no second player.
    QCoreApplication::processEvents();
    EXPECT_EQ(p.log.read(), expected);
  }
}

TEST(IntroPreparation, WithoutAWarmUpThePlayerIsMadeFromTheEventLoop) {
  Preparation p;
  p.preparation.start({});
  // Not inside start(): the card paints its first frame first.
  EXPECT_FALSE(p.preparation.isReady());
  ASSERT_TRUE(tidewell::testing::waitUntil([&] { return p.preparation.isReady(); }));
  EXPECT_EQ(p.log.read(), QStringList{"make on the GUI thread"});
}

}  // namespace
}  // namespace tidewell::app
