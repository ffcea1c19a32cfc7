#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "testkit/support/TestEnvironment.h"
#include "tests/widget/FakeMachine.h"
#include "widget/timeline/SpaceProvider.h"

namespace tidewell::widget {
namespace {

using testing::FakeMachine;
using testing::moment;
using Log = std::vector<std::string>;

const TimelineContext kSmall{WidgetFamily::Small, false};

TEST(SpaceProvider, PlaceholderIsTheSampleFiguresDatedNowAndMeasuresNothing) {
  FakeMachine machine;
  machine.reading = {1, 2};
  const SpaceProvider provider(machine.sources());
  for (const TimelineContext& context : {kSmall, TimelineContext{WidgetFamily::Medium, true}}) {
    const SpaceEntry entry = provider.placeholder(context);
    EXPECT_EQ(entry.free, 98'000'000'000);
    EXPECT_EQ(entry.total, 245'000'000'000);
    EXPECT_EQ(entry.date, machine.clock);
  }
  EXPECT_EQ(machine.log, (Log{"now", "now"}));
}

TEST(SpaceProvider, SnapshotCompletesOnceBeforeReturningWithOneReadingOfTheHomeVolume) {
  FakeMachine machine;
  machine.stepPerLook = std::chrono::seconds(5);
  const SpaceProvider provider(machine.sources());
  std::vector<SpaceEntry> delivered;
  provider.getSnapshot(kSmall, [&](const SpaceEntry& entry) { delivered.push_back(entry); });
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_EQ(delivered[0].free, 50'000);
  EXPECT_EQ(delivered[0].total, 200'000);
  // The date is taken after the reading.
  EXPECT_EQ(machine.log, (Log{"home", "read /fixture/home", "now"}));
  EXPECT_EQ(delivered[0].date, moment(1'700'000'000));
}

TEST(SpaceProvider, EachMissingValueTakesItsOwnDefault) {
  struct Case {
    VolumeReading reading;
    int64_t free, total;
  };
  const Case cases[] = {
      {{7, 9}, 7, 9},
      {{std::nullopt, std::nullopt}, 0, 1},  // a failed reading
      {{7, std::nullopt}, 7, 1},
      {{std::nullopt, 9}, 0, 9},
      {{0, 0}, 0, 0},  // a value that was read stays, even zero
  };
  for (const Case& c : cases) {
    FakeMachine machine;
    machine.reading = c.reading;
    const SpaceEntry entry = SpaceProvider(machine.sources()).readEntry();
    EXPECT_EQ(entry.free, c.free) << c.free << " of " << c.total;
    EXPECT_EQ(entry.total, c.total) << c.free << " of " << c.total;
  }
}

TEST(SpaceProvider, TimelineHoldsOneFreshEntryAndReloadsAnHourAfterItWasBuilt) {
  FakeMachine machine;
  machine.stepPerLook = std::chrono::seconds(3);
  const SpaceProvider provider(machine.sources());
  std::vector<SpaceTimeline> delivered;
  provider.getTimeline(kSmall, [&](const SpaceTimeline& timeline) { delivered.push_back(timeline); });
  ASSERT_EQ(delivered.size(), 1u);
  ASSERT_EQ(delivered[0].entries.size(), 1u);
  // The reload date is worked out first, from the moment the call began.
  EXPECT_EQ(machine.log, (Log{"now", "calendar", "home", "read /fixture/home", "now"}));
  EXPECT_EQ(delivered[0].reloadAfter, moment(1'700'000'000 + 3600));
  EXPECT_EQ(delivered[0].entries[0].date, moment(1'700'000'003));
  EXPECT_EQ(delivered[0].entries[0].free, 50'000);
}

TEST(SpaceProvider, ACalendarThatCannotAddTheHourReloadsAtTheBuildTime) {
  FakeMachine machine;
  machine.calendarFails = true;
  machine.stepPerLook = std::chrono::seconds(3);
  std::optional<SpaceTimeline> delivered;
  SpaceProvider(machine.sources()).getTimeline(kSmall, [&](const SpaceTimeline& t) { delivered = t; });
  ASSERT_TRUE(delivered);
  EXPECT_EQ(delivered->reloadAfter, moment(1'700'000'000));
  EXPECT_EQ(delivered->entries.size(), 1u);
}

TEST(SpaceProvider, EveryCallMeasuresAgain) {
  FakeMachine machine;
  const SpaceProvider provider(machine.sources());
  SpaceEntry first, second;
  provider.getSnapshot(kSmall, [&](const SpaceEntry& e) { first = e; });
  machine.reading = {40'000, 200'000};
  machine.home = "/elsewhere";
  provider.getTimeline(kSmall, [&](const SpaceTimeline& t) { second = t.entries.front(); });
  EXPECT_EQ(first.free, 50'000);
  EXPECT_EQ(second.free, 40'000);
  EXPECT_EQ(machine.reads(), 2);
  EXPECT_EQ(machine.log.back(), "now");
  EXPECT_NE(std::find(machine.log.begin(), machine.log.end(), "read /elsewhere"), machine.log.end());
}

TEST(SpaceSources, TheSystemReadsAVolumeWholeOrNotAtAll) {
  const SpaceSources system = SpaceSources::system();
  const std::string folder = tidewell::testing::fixtureParent();
  const VolumeReading reading = system.readVolume(folder);
  ASSERT_TRUE(reading.available && reading.total) << folder;
  EXPECT_GT(*reading.total, 0);
  EXPECT_LE(*reading.available, *reading.total);

  const VolumeReading missing = system.readVolume(folder + "/no such folder");
  EXPECT_FALSE(missing.available);
  EXPECT_FALSE(missing.total);
  EXPECT_FALSE(system.readVolume("").total);
}

TEST(SpaceSources, TheSystemCalendarAddsAnHourUnlessTimeRunsOut) {
  const SpaceSources system = SpaceSources::system();
  EXPECT_EQ(system.oneHourLater(moment(1000)), moment(1000 + 3600));
  EXPECT_FALSE(system.oneHourLater(base::TimePoint::max()));
  const auto before = std::chrono::system_clock::now();
  const auto now = system.now();
  EXPECT_GE(now, before);
}

}  // namespace
}  // namespace tidewell::widget
