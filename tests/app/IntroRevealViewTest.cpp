#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <limits>

#include "app/firstrun/IntroRevealView.h"
#include "app/firstrun/IntroVideoFile.h"
#include "tests/app/IntroFakes.h"

namespace tidewell::app {
namespace {

using testing::ManualIntroClock;
using testing::ScriptedPlayer;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// An intro view over a scripted player, logging the player's calls and the
// view's two announcements with the clock's time since the start.
struct IntroFixture : ::testing::Test {
  std::shared_ptr<ManualIntroClock> clock = std::make_shared<ManualIntroClock>();
  QStringList log;
  ScriptedPlayer* player = nullptr;
  std::unique_ptr<IntroRevealView> view;
  double start = clock->now();

  void startWith(double duration) {
    view = std::make_unique<IntroRevealView>(
        [this, duration] {
          auto made = std::make_unique<ScriptedPlayer>(duration, &log);
          player = made.get();
          return made;
        },
        clock);
    QObject::connect(view.get(), &IntroRevealView::revealed, view.get(), [this] { log << at("revealed"); });
    QObject::connect(view.get(), &IntroRevealView::done, view.get(), [this] { log << at("done"); });
    view->resize(400, 300);
    view->show();
  }
  QString at(const char* what) const {
    return QString("%1 at %2").arg(what).arg(clock->now() - start, 0, 'g', 6);
  }
  // Plays (ticking) and lets the clock run along until seconds after start.
  void playUntil(double seconds) {
    while (clock->now() - start + 0.2 <= seconds + 1e-9) {
      clock->advance(0.2);
      player->playUntil(clock->now() - start);
    }
  }
  int count(const QString& prefix) const {
    return int(std::count_if(log.begin(), log.end(), [&](const QString& e) { return e.startsWith(prefix); }));
  }
};

TEST_F(IntroFixture, ATenSecondVideoRevealsAtEightSecondsOnceAndIsDoneThreeSecondsLater) {
  startWith(10.0);
  EXPECT_EQ(log, QStringList{"play"});
  playUntil(7.8);
  EXPECT_FALSE(view->isRevealed());
  EXPECT_EQ(view->opacity(), 1.0);
  playUntil(8.0);
  EXPECT_EQ(log, (QStringList{"play", "revealed at 8"}));
  // The end of the item and the watchdog come later and change nothing.
  playUntil(10.0);
  player->end();
  clock->advance(0.5);  // 10.5 s: the done step was due at 11
  EXPECT_EQ(count("revealed"), 1);
  EXPECT_EQ(count("done"), 0);
  clock->advance(0.5);
  EXPECT_EQ(log, (QStringList{"play", "revealed at 8", "pause", "done at 11"}));
  clock->advance(5);  // past the 12 s watchdog
  EXPECT_EQ(count("revealed"), 1);
  EXPECT_EQ(count("done"), 1);
}

TEST_F(IntroFixture, AShortVideoRevealsAtTheFirstTick) {
  startWith(1.5);
  playUntil(0.2);
  EXPECT_EQ(log, (QStringList{"play", "revealed at 0.2"}));
}

TEST_F(IntroFixture, AnItemOfUnknownZeroOrEndlessLengthNeverRevealsByTick) {
  for (double duration : {kNaN, 0.0, kInfinity, -3.0}) {
    SCOPED_TRACE(duration);
    log.clear();
    start = clock->now();
    startWith(duration);
    playUntil(11.8);
    EXPECT_EQ(count("revealed"), 0);
    // The watchdog reveals 12 s after the start.
    clock->advance(0.2);
    EXPECT_EQ(count("revealed"), 1);
    EXPECT_TRUE(log.contains("revealed at 12")) << log.join(", ").toStdString();
  }
}

TEST_F(IntroFixture, TheEndOfTheItemRevealsWhenTicksDidNot) {
  startWith(kNaN);
  playUntil(3.0);
  player->end();
  EXPECT_EQ(log, (QStringList{"play", "revealed at 3"}));
  // A known length arriving later does not reveal a second time.
  player->setDuration(3.0);
  player->playUntil(3.4);
  clock->advance(3.0);
  EXPECT_EQ(log, (QStringList{"play", "revealed at 3", "pause", "done at 6"}));
}

TEST_F(IntroFixture, AVideoThatCannotBePlayedRevealsAtOnce) {
  startWith(5.0);
  clock->advance(0.4);
  player->fail();
  EXPECT_EQ(log, (QStringList{"play", "revealed at 0.4"}));
  clock->advance(3.0);
  EXPECT_EQ(count("done"), 1);
}

TEST_F(IntroFixture, TheViewFadesOutOverTwoAndAHalfSecondsFromTheReveal) {
  startWith(10.0);
  playUntil(8.0);
  ASSERT_TRUE(view->isRevealed());
  EXPECT_DOUBLE_EQ(view->opacity(), 1.0);
  clock->advance(1.25);
  EXPECT_NEAR(view->opacity(), 0.5, 1e-9);  // ease-in-out is symmetric
  clock->advance(1.25);
  EXPECT_DOUBLE_EQ(view->opacity(), 0.0);
  EXPECT_FALSE(view->isDone());
  clock->advance(0.5);
  EXPECT_TRUE(view->isDone());
}

TEST_F(IntroFixture, ADestroyedViewLeavesItsTimersSilent) {
  startWith(10.0);
  playUntil(8.0);
  view.reset();
  clock->advance(20);
  EXPECT_EQ(count("done"), 0);
}

TEST(IntroRevealView, WithoutAVideoItRevealsAndIsDoneAtOnce) {
  auto clock = std::make_shared<ManualIntroClock>();
  IntroRevealView view([] { return std::unique_ptr<IntroPlayer>(); }, clock);
  QStringList log;
  QObject::connect(&view, &IntroRevealView::revealed, &view, [&] { log << "revealed"; });
  QObject::connect(&view, &IntroRevealView::done, &view, [&] { log << "done"; });
  view.show();
  // From the event loop, right after being shown, with no timer involved.
  EXPECT_TRUE(log.isEmpty());
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(log, (QStringList{"revealed", "done"}));
  EXPECT_EQ(clock->pending(), 0u);
  EXPECT_EQ(view.player(), nullptr);
  EXPECT_TRUE(view.isDone());
}

TEST(IntroRevealView, PaintsTheFrameOverBlackCoveringTheWholeView) {
  auto clock = std::make_shared<ManualIntroClock>();
  ScriptedPlayer* player = nullptr;
  IntroRevealView view(
      [&] {
        auto made = std::make_unique<ScriptedPlayer>(5.0);
        player = made.get();
        return made;
      },
      clock);
  view.resize(300, 100);
  view.show();
  ASSERT_NE(player, nullptr);
  // A 100 x 100 frame: red left half, blue right half. Filling 300 x 100
  // crops it to its middle third, so both colours show, split at the centre.
  QImage frame(100, 100, QImage::Format_RGB32);
  frame.fill(Qt::red);
  for (int y = 0; y < 100; ++y)
    for (int x = 50; x < 100; ++x) frame.setPixelColor(x, y, Qt::blue);
  player->setFrame(frame);
  QImage shot(view.size(), QImage::Format_ARGB32_Premultiplied);
  shot.fill(Qt::green);
  view.render(&shot);
  EXPECT_EQ(shot.pixelColor(5, 50), QColor(Qt::red));
  EXPECT_EQ(shot.pixelColor(295, 50), QColor(Qt::blue));
}

TEST(IntroVideoFile, TheMp4IsPreferredOverTheMov) {
  QTemporaryDir root;
  auto touch = [&](const char* name) {
    QFile file(QDir(root.path()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  };
  EXPECT_EQ(introVideoFile(root.path()), QString());
  touch("onboarding.mov");
  EXPECT_EQ(introVideoFile(root.path()), QDir(root.path()).filePath("onboarding.mov"));
  touch("onboarding.mp4");
  EXPECT_EQ(introVideoFile(root.path()), QDir(root.path()).filePath("onboarding.mp4"));
  // A folder of the name is no video.
  QTemporaryDir other;
  QDir(other.path()).mkdir("onboarding.mp4");
  EXPECT_EQ(introVideoFile(other.path()), QString());
  EXPECT_EQ(introVideoFile(QString()), QString());
}

}  // namespace
}  // namespace tidewell::app
