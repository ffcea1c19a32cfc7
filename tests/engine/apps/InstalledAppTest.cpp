#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <limits>

#include "engine/apps/InstalledApp.h"
#include "engine/apps/UninstallPlan.h"
#include "testkit/support/TimeFixtures.h"

namespace tidewell::engine {
namespace {

// Day counts are local-calendar days; pin the zone so the cases do not
// shift across a daylight-saving change.
class InstalledAppTest : public ::testing::Test {
 protected:
  testing::ScopedTimeZone zone_{testing::kUtc};
};

const base::TimePoint kNow = base::TimePoint(std::chrono::seconds(1'780'000'000));

InstalledApp usedDaysAgo(std::optional<double> days) {
  InstalledApp app;
  if (days) app.lastUsed = kNow - std::chrono::seconds(int64_t(*days * 86400));
  return app;
}

TEST_F(InstalledAppTest, MonthsSinceLastUse) {
  struct Case {
    std::optional<double> daysAgo;
    int64_t months;
  };
  const Case cases[] = {
      {std::nullopt, std::numeric_limits<int64_t>::max()},
      {0, 0},
      {29.9, 0},
      {30, 1},
      {59, 1},
      {60, 2},
      {-1, 0},   // tomorrow
      {-45, 0},  // far in the future
      {400, 13},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(usedDaysAgo(c.daysAgo).monthsSinceLastUse(kNow), c.months) << (c.daysAgo ? *c.daysAgo : -999);
  }
}

TEST_F(InstalledAppTest, LastUsedDescription) {
  EXPECT_EQ(usedDaysAgo(std::nullopt).lastUsedDescription(kNow), "No recent use on record");
  EXPECT_EQ(usedDaysAgo(95).lastUsedDescription(kNow), "Used 3 months ago");
  EXPECT_EQ(usedDaysAgo(1).lastUsedDescription(kNow), "Used 1 day ago");
}

TEST_F(InstalledAppTest, PlanTotalsTheBundleAndEveryLeftover) {
  UninstallPlan plan;
  plan.app.id = "com.example.app";
  plan.app.sizeBytes = 1000;
  EXPECT_EQ(plan.totalBytes(), 1000);
  EXPECT_EQ(plan.id(), "com.example.app");
  plan.leftovers = {{"a", "/x", "Cache", 20, std::nullopt}, {"b", "/y", "Logs", 3, std::nullopt}};
  EXPECT_EQ(plan.totalBytes(), 1023);
}

}  // namespace
}  // namespace tidewell::engine
