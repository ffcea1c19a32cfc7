#include "models/performance/PerformanceViewModel.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "models/performance/MachinePerformanceEngine.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedPerformanceEngine.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::models {
namespace {

using engine::RunningApp;
using testing::finished;
using testing::ModelHarness;
using testing::runToEnd;
using testing::ScriptedPerformanceEngine;
using testing::settle;
using Answer = PerformanceEngine::QuitAnswer;

constexpr int64_t GiB = int64_t(1) << 30;

RunningApp app(int32_t pid, std::string name, int64_t bytes, uint64_t startTime = 100) {
  RunningApp a;
  a.id = pid;
  a.name = std::move(name);
  a.memoryBytes = bytes;
  a.startTime = startTime;
  return a;
}

std::vector<int32_t> pids(const std::vector<RunningApp>& apps) {
  std::vector<int32_t> out;
  for (const auto& a : apps) out.push_back(a.id);
  return out;
}

struct Scripted {
  explicit Scripted(std::chrono::milliseconds delay = std::chrono::milliseconds(0)) {
    engine->apps = {app(10, "Editor", 3 * GiB), app(11, "Browser", 2 * GiB)};
    engine->logins = {{"id-1", "com.example.agent", "/usr/bin/agent", "/x/agent.plist", "You"}};
    engine->memory = {8 * GiB, 16 * GiB};
    model = std::make_shared<PerformanceViewModel>(h.services(), engine, delay);
  }

  void scan() {
    auto task = model->scan();
    runToEnd(*h.executor);
    ASSERT_TRUE(finished(task));
  }

  int changes() const { return changes_; }
  void countChanges() {
    QObject::connect(model.get(), &FeatureModel::changed, model.get(), [this] { ++changes_; });
  }

  ModelHarness h;
  std::shared_ptr<ScriptedPerformanceEngine> engine = std::make_shared<ScriptedPerformanceEngine>();
  std::shared_ptr<PerformanceViewModel> model;

 private:
  int changes_ = 0;
};

TEST(PerformanceViewModel, MemoryFractionIsUsedOverTotalWithinZeroAndOne) {
  struct Case {
    const char* what;
    int64_t used;
    int64_t total;
    double expected;
  };
  const Case cases[] = {
      {"12 GiB of 16 GiB", 12 * GiB, 16 * GiB, 0.75},
      {"more used than there is", 20 * GiB, 16 * GiB, 1.0},
      {"unreadable use", 0, 16 * GiB, 0.0},
      {"unreadable total", 5 * GiB, 0, 0.0},
      {"negative use", -1, 16 * GiB, 0.0},
      {"all of it", 16 * GiB, 16 * GiB, 1.0},
  };
  {
    Scripted s;
    EXPECT_EQ(s.model->memoryUsed(), 0);
    EXPECT_EQ(s.model->memoryTotal(), 1);
    EXPECT_EQ(s.model->memoryFraction(), 0.0) << "before the first scan";
  }
  for (const Case& c : cases) {
    Scripted s;
    s.engine->memory = {c.used, c.total};
    s.scan();
    EXPECT_DOUBLE_EQ(s.model->memoryFraction(), c.expected) << c.what;
  }
}

TEST(PerformanceViewModel, ScanPublishesEverythingAndTwoScansInOneTurnRunOne) {
  Scripted s;
  s.model->setLastMessage(QStringLiteral("Old news."));
  auto first = s.model->scan();
  auto second = s.model->scan();
  EXPECT_TRUE(finished(second));
  EXPECT_EQ(s.model->phase(), PerformanceViewModel::Phase::scanning);
  EXPECT_EQ(s.model->lastMessage(), std::nullopt);
  EXPECT_EQ(s.h.executor->pending(), 1u);
  runToEnd(*s.h.executor);
  EXPECT_TRUE(finished(first));
  EXPECT_EQ(s.model->phase(), PerformanceViewModel::Phase::list);
  EXPECT_EQ(pids(s.model->apps()), (std::vector<int32_t>{10, 11}));
  ASSERT_EQ(s.model->loginItems().size(), 1u);
  EXPECT_EQ(s.model->loginItems()[0].label, "com.example.agent");
  EXPECT_EQ(s.model->memoryUsed(), 8 * GiB);
  EXPECT_EQ(s.model->memoryTotal(), 16 * GiB);
  EXPECT_EQ(s.engine->reads, 1);
}

TEST(PerformanceViewModel, QuitSaysWhetherTheApplicationWasAskedAndRefreshesAfterTheDelay) {
  struct Case {
    Answer answer;
    QString message;
  };
  const Case cases[] = {
      {Answer::asked, "Asked Editor to quit. Its memory frees as it closes."},
      {Answer::refused, "Editor wouldn't quit. It may have unsaved work open."},
  };
  for (const Case& c : cases) {
    Scripted s;
    s.scan();
    s.engine->quitAnswer = c.answer;
    const RunningApp editor = s.model->apps()[0];

    auto task = s.model->quit(editor);
    EXPECT_EQ(s.model->busyPID(), std::nullopt) << "nothing is shown before the request is answered";
    ASSERT_EQ(s.h.executor->pending(), 1u);
    s.h.executor->runJob(0);
    settle(2);
    ASSERT_TRUE(finished(task));
    ASSERT_EQ(s.engine->quits.size(), 1u);
    EXPECT_EQ(s.engine->quits[0], editor) << "asked with the start time it was listed with";
    EXPECT_EQ(s.model->busyPID(), 10);
    EXPECT_EQ(s.model->lastMessage(), c.message);

    // The application closes meanwhile; the refresh re-reads the list and
    // the memory, and leaves the login items, the phase and the message.
    s.engine->apps = {app(11, "Browser", 2 * GiB)};
    s.engine->memory = {5 * GiB, 16 * GiB};
    s.engine->logins.clear();
    runToEnd(*s.h.executor);
    EXPECT_EQ(s.model->busyPID(), std::nullopt);
    EXPECT_EQ(pids(s.model->apps()), std::vector<int32_t>{11});
    EXPECT_EQ(s.model->memoryUsed(), 5 * GiB);
    EXPECT_EQ(s.model->loginItems().size(), 1u);
    EXPECT_EQ(s.model->phase(), PerformanceViewModel::Phase::list);
    EXPECT_EQ(s.model->lastMessage(), c.message);
    EXPECT_EQ(s.model->findChildren<QTimer*>().size(), 0) << "the delay's timer is gone once it fired";
  }
}

TEST(PerformanceViewModel, AQuitMessageShowsTheNameAsTheRowsDoNeverRaw) {
  // A process names itself: "evil" U+202E "vom" would read "evilmov"
  // reversed, and bytes that are not UTF-8 would read as U+FFFD.
  Scripted s;
  s.engine->apps = {app(10, "evil\u202Evom\xff", 3 * GiB)};
  s.scan();
  auto task = s.model->quit(s.model->apps()[0]);
  runToEnd(*s.h.executor);
  EXPECT_EQ(s.model->lastMessage(),
            QStringLiteral("Asked evil\\u202Evom\\xFF to quit. Its memory frees as it closes."));
}

TEST(PerformanceViewModel, TheRefreshWaitsForItsTimerWhichTheModelOwns) {
  Scripted s(PerformanceViewModel::defaultRefreshDelay);
  s.scan();
  auto task = s.model->quit(s.model->apps()[0]);
  runToEnd(*s.h.executor);
  ASSERT_TRUE(finished(task));

  const auto timers = s.model->findChildren<QTimer*>();
  ASSERT_EQ(timers.size(), 1);
  EXPECT_EQ(timers[0]->interval(), 900);
  // A coarse timer may fire up to 5% early.
  EXPECT_EQ(timers[0]->timerType(), Qt::PreciseTimer);
  EXPECT_TRUE(timers[0]->isActive());
  EXPECT_EQ(s.h.executor->pending(), 0u) << "nothing is read before the delay has passed";
  EXPECT_EQ(s.model->busyPID(), 10);

  timers[0]->start(0);  // the delay passes
  settle();
  ASSERT_EQ(s.h.executor->pending(), 1u);
  EXPECT_EQ(s.model->busyPID(), 10) << "held until the refresh has been read";
  runToEnd(*s.h.executor);
  EXPECT_EQ(s.model->busyPID(), std::nullopt);
}

TEST(PerformanceViewModel, TheRefreshIsNotReadBeforeTheWholeDelayHasPassed) {
  // On the event loop's own clock: the clock starts before the quit's
  // timer does, so its reading can only overstate the wait. A loaded
  // machine makes the wait longer, never shorter.
  Scripted s(PerformanceViewModel::defaultRefreshDelay);
  s.scan();
  QElapsedTimer since;
  since.start();
  auto task = s.model->quit(s.model->apps()[0]);
  runToEnd(*s.h.executor);
  ASSERT_TRUE(finished(task));
  ASSERT_EQ(s.h.executor->pending(), 0u);
  // Bounded only so that a refresh that never comes fails instead of hanging.
  while (s.h.executor->pending() == 0 && since.elapsed() < 60'000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  const qint64 waited = since.elapsed();
  ASSERT_EQ(s.h.executor->pending(), 1u);
  EXPECT_GE(waited, 900);
  runToEnd(*s.h.executor);
  EXPECT_EQ(s.model->busyPID(), std::nullopt);
}

TEST(PerformanceViewModel, QuittingAnApplicationThatIsGoneChangesNothing) {
  Scripted s;
  s.scan();
  s.engine->quitAnswer = Answer::notRunning;
  s.countChanges();
  const int readsBefore = s.engine->reads;
  auto task = s.model->quit(s.model->apps()[0]);
  runToEnd(*s.h.executor);
  EXPECT_TRUE(finished(task));
  EXPECT_EQ(s.changes(), 0);
  EXPECT_EQ(s.model->busyPID(), std::nullopt);
  EXPECT_EQ(s.model->lastMessage(), std::nullopt);
  EXPECT_EQ(s.engine->reads, readsBefore) << "no refresh";
  EXPECT_TRUE(s.model->findChildren<QTimer*>().isEmpty());
}

TEST(PerformanceViewModel, OverlappingQuitsAndAScanShareBusyPid) {
  Scripted s(std::chrono::milliseconds(60000));
  s.scan();
  auto first = s.model->quit(s.model->apps()[0]);
  auto again = s.model->quit(s.model->apps()[0]);
  EXPECT_TRUE(finished(again)) << "the same application's request is already on its way";
  auto second = s.model->quit(s.model->apps()[1]);
  runToEnd(*s.h.executor);
  EXPECT_EQ(s.engine->quits.size(), 2u);
  EXPECT_EQ(s.model->busyPID(), 11) << "the newer request";
  auto timers = s.model->findChildren<QTimer*>();
  ASSERT_EQ(timers.size(), 2) << "each quit has its own delayed refresh";

  // A scan clears busyPID at once; a pending refresh clears it again later.
  auto scan = s.model->scan();
  EXPECT_EQ(s.model->busyPID(), std::nullopt);
  runToEnd(*s.h.executor);
  s.countChanges();
  timers[0]->start(0);
  runToEnd(*s.h.executor);
  EXPECT_EQ(s.model->busyPID(), std::nullopt);
  EXPECT_GT(s.changes(), 0);

  // The other delay passes too: its refresh holds the model until it ends,
  // so left waiting it would outlive the test.
  timers[1]->start(0);
  runToEnd(*s.h.executor);
  EXPECT_EQ(s.model->busyPID(), std::nullopt);
}

TEST(PerformanceViewModel, APendingRefreshKeepsTheModelUntilItEnds) {
  ModelHarness h;
  auto engine = std::make_shared<ScriptedPerformanceEngine>();
  engine->apps = {app(10, "Editor", 1)};
  auto model = std::make_shared<PerformanceViewModel>(h.services(), engine, std::chrono::milliseconds(60000));
  std::weak_ptr<PerformanceViewModel> weak = model;
  auto task = model->quit(engine->apps[0]);
  model.reset();  // the window closed
  runToEnd(*h.executor);
  EXPECT_TRUE(finished(task));
  ASSERT_FALSE(weak.expired()) << "the delayed refresh still holds it";
  weak.lock()->findChildren<QTimer*>().at(0)->start(0);  // the delay passes
  runToEnd(*h.executor);
  EXPECT_TRUE(weak.expired());
}

// The production engine over a fake /proc and a fake window list: the
// identity check decides before any window is asked.
class OneWindow final : public platform::DesktopWindows {
 public:
  mutable int asked = 0;
  int askToClose(pid_t, const std::function<bool()>& confirm) const override {
    if (!confirm()) return 0;
    return ++asked;
  }
};

TEST(PerformanceViewModel, TheMachineQuitRechecksTheProcessBeforeAsking) {
  testing::FixtureHome fx;
  const std::string stat = "42 (editor) S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 777 1000 10\n";
  testing::writeFile(fx.outside("proc/42/stat"), stat);
  auto windows = std::make_shared<OneWindow>();
  auto engine = std::make_shared<MachinePerformanceEngine>(fx.context(),
                                                           platform::PoliteQuit(fx.outside("proc"), windows));
  ModelHarness h;
  auto model = std::make_shared<PerformanceViewModel>(h.services(), engine, std::chrono::milliseconds(0));

  struct Case {
    const char* what;
    RunningApp listed;
    std::optional<QString> message;
  };
  const Case cases[] = {
      {"pid reused since the list was read", app(42, "Editor", 1, 776), std::nullopt},
      {"ended since the list was read", app(43, "Editor", 1, 777), std::nullopt},
      {"still the listed process", app(42, "Editor", 1, 777),
       QString("Asked Editor to quit. Its memory frees as it closes.")},
  };
  for (const Case& c : cases) {
    auto task = model->quit(c.listed);
    runToEnd(*h.executor);
    EXPECT_TRUE(finished(task)) << c.what;
    EXPECT_EQ(model->lastMessage(), c.message) << c.what;
  }
  EXPECT_EQ(windows->asked, 1);
}

}  // namespace
}  // namespace tidewell::models
