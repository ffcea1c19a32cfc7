#include <gtest/gtest.h>

#include <QDateTime>
#include <QWidget>

#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "tests/design/motion/MotionFixture.h"

namespace tidewell::design {
namespace {

using testing::FrozenMotion;

TEST(AnimationClock, CountsFromTheReferenceDateAndFreezesForTests) {
  AnimationClock& clock = AnimationClock::shared();
  const double wall = QDateTime::currentMSecsSinceEpoch() / 1000.0 - 978307200.0;
  EXPECT_NEAR(clock.now(), wall, 5.0);
  {
    FrozenMotion motion;
    EXPECT_TRUE(clock.isFrozen());
    EXPECT_DOUBLE_EQ(clock.now(), 1000.0);
    clock.advance(0.5);
    EXPECT_DOUBLE_EQ(clock.now(), 1000.5);
  }
  // Resumed: real time again.
  EXPECT_FALSE(clock.isFrozen());
  EXPECT_NEAR(clock.now(), wall, 5.0);
}

TEST(FrameTimer, TicksOnlyWhileWantedShownAndMotionAllowed) {
  FrozenMotion motion;
  QWidget window;
  auto* widget = new QWidget(&window);
  int ticks = 0;
  auto* frames = new FrameTimer(widget, 100, [&] { ++ticks; });
  auto* other = new FrameTimer(widget, 33, [&] { ticks += 100; });
  AnimationClock::shared().advance(0.1);
  EXPECT_EQ(ticks, 0);  // neither wanted nor shown

  frames->setWanted(true);
  EXPECT_FALSE(frames->isActive());  // wanted, not shown
  window.show();
  EXPECT_TRUE(frames->isActive());
  AnimationClock::shared().advance(0.1);
  EXPECT_EQ(ticks, 1);  // the unwanted timer stays quiet

  window.hide();
  AnimationClock::shared().advance(0.1);
  EXPECT_EQ(ticks, 1);
  window.show();
  other->setWanted(true);
  AnimationClock::shared().advance(0.1);
  EXPECT_EQ(ticks, 102);  // one tick each

  // Reduce motion: the tick that finds it on is the last.
  motion.reduce(true);
  AnimationClock::shared().advance(0.1);
  AnimationClock::shared().advance(0.1);
  EXPECT_EQ(ticks, 203);
  EXPECT_FALSE(frames->isActive());
  EXPECT_FALSE(other->isActive());
  motion.reduce(false);
  frames->sync();
  EXPECT_TRUE(frames->isActive());
  AnimationClock::shared().advance(0.1);
  EXPECT_EQ(ticks, 204);

  // A timer going away leaves its beat.
  delete frames;
  AnimationClock::shared().advance(0.1);
  EXPECT_EQ(ticks, 204);
}

}  // namespace
}  // namespace tidewell::design
