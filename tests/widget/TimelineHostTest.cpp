#include <gtest/gtest.h>

#include <QSignalSpy>

#include "tests/widget/FakeMachine.h"
#include "widget/timeline/TimelineHost.h"

namespace tidewell::widget {
namespace {

using std::chrono::minutes;
using testing::FakeMachine;

// Ticks only when the test says so.
class HandTicker final : public MinuteTicker {
 public:
  explicit HandTicker(std::function<void()>* slot) : slot_(slot) {}
  void start(std::function<void()> onTick) override { *slot_ = std::move(onTick); }

 private:
  std::function<void()>* slot_;
};

struct HostFixture : ::testing::Test {
  FakeMachine machine;
  base::TimePoint started = machine.clock;
  std::function<void()> tick;
  std::unique_ptr<TimelineHost> host;
  std::unique_ptr<QSignalSpy> delivered;

  void start() {
    host = std::make_unique<TimelineHost>(
        SpaceProvider(machine.sources()), TimelineContext{WidgetFamily::Medium, false},
        [this] { return machine.clock; }, std::make_unique<HandTicker>(&tick));
    delivered = std::make_unique<QSignalSpy>(host.get(), &TimelineHost::entryChanged);
    host->start();
  }
  void tickAt(minutes sinceStart) {
    machine.clock = started + sinceStart;
    ASSERT_TRUE(tick);
    tick();
  }
};

TEST_F(HostFixture, ShowsTheFirstTimelineAtStart) {
  start();
  EXPECT_EQ(machine.reads(), 1);
  ASSERT_EQ(delivered->size(), 1);
  EXPECT_EQ(host->entry().free, 50'000);
  EXPECT_EQ(host->reloadAfter(), started + std::chrono::hours(1));
  host->start();  // a second start changes nothing
  EXPECT_EQ(machine.reads(), 1);
}

TEST_F(HostFixture, ReloadsOnceAfterTheReloadDateAndNotBefore) {
  start();
  for (int m = 1; m < 60; ++m) tickAt(minutes(m));
  EXPECT_EQ(machine.reads(), 1);

  machine.reading = {30'000, 200'000};
  tickAt(minutes(60));
  EXPECT_EQ(machine.reads(), 2);
  EXPECT_EQ(delivered->size(), 2);
  EXPECT_EQ(host->entry().free, 30'000);
  EXPECT_EQ(host->reloadAfter(), started + minutes(120));
  for (int m = 61; m < 120; ++m) tickAt(minutes(m));
  EXPECT_EQ(machine.reads(), 2);
}

TEST_F(HostFixture, ATickAfterSleepOrAClockJumpReloadsOnce) {
  start();
  tickAt(minutes(5 * 60));  // woke five hours later
  EXPECT_EQ(machine.reads(), 2);
  EXPECT_EQ(host->reloadAfter(), started + minutes(6 * 60));
  tickAt(minutes(5 * 60 + 1));
  EXPECT_EQ(machine.reads(), 2);
}

TEST_F(HostFixture, AReloadDateThatCouldNotBeWorkedOutReloadsOnceAMinuteNotInALoop) {
  machine.calendarFails = true;
  start();
  // The timeline is already due when it arrives; the host still waits for a tick.
  EXPECT_EQ(host->reloadAfter(), started);
  EXPECT_EQ(machine.reads(), 1);
  for (int m = 1; m <= 3; ++m) {
    tickAt(minutes(m));
    EXPECT_EQ(machine.reads(), 1 + m);
  }
  EXPECT_EQ(delivered->size(), 4);
}

}  // namespace
}  // namespace tidewell::widget
