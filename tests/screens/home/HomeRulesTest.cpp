#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "screens/home/HomeRules.h"
#include "testkit/support/TimeFixtures.h"

namespace tidewell::screens {
namespace {

double seconds(base::TimePoint t) { return std::chrono::duration<double>(t.time_since_epoch()).count(); }

TEST(HomeRules, DiskFiguresBeforeAndAfterTheFirstMeasurement) {
  HomeSnapshot first;  // free 0, total 1
  EXPECT_EQ(usedPercentText(first), "100%");
  EXPECT_DOUBLE_EQ(usedFraction(first), 1.0);
  EXPECT_EQ(usedBytesText(first), "1 byte");
  EXPECT_EQ(totalBytesText(first), "1 byte");

  HomeSnapshot measured;
  measured.freeBytes = 142'000'000'000;
  measured.totalBytes = 494'000'000'000;
  measured.freeFraction = double(measured.freeBytes) / double(measured.totalBytes);
  EXPECT_EQ(usedPercentText(measured), "71%");  // 71.25...
  EXPECT_EQ(usedBytesText(measured), "352 GB");
  EXPECT_EQ(totalBytesText(measured), "494 GB");
  measured.freeFraction = 0.71;  // used 0.29 exactly: no floating-point slip to 28
  EXPECT_EQ(usedPercentText(measured), "29%");
}

TEST(HomeRules, WonBackLine) {
  EXPECT_EQ(wonBackLine(0), (WonBackLine{"First scan = first win. Try it.", false}));
  EXPECT_EQ(wonBackLine(-5), (WonBackLine{"First scan = first win. Try it.", false}));
  EXPECT_EQ(wonBackLine(1), (WonBackLine{"1 byte won back with Tidewell Mac", true}));
  EXPECT_EQ(wonBackLine(4'200'000'000), (WonBackLine{"4.2 GB won back with Tidewell Mac", true}));
}

TEST(HomeRules, TileStatusesAndTheReviewColumn) {
  struct Case {
    const char* what;
    HomeSnapshot home;
    QString clean, apps, deepScan, advisor;
    bool readyToReview;
  };
  HomeSnapshot fresh;
  HomeSnapshot review;
  review.cleanStage = CleanStage::review;
  review.cleanTotalBytes = 2'300'000'000;
  review.appCount = 1;
  review.appsTotalBytes = 400'000'000;
  review.bigItemCount = 3;
  review.deepScanTotalBytes = 9'100'000'000;
  review.advisorListed = true;
  review.advisorHasFindings = true;
  HomeSnapshot emptyReview = review;
  emptyReview.cleanTotalBytes = 0;
  emptyReview.advisorHasFindings = false;
  HomeSnapshot done = review;
  done.cleanStage = CleanStage::done;
  done.cleanFreedBytes = 0;
  done.appCount = 42;
  const Case cases[] = {
      {"nothing scanned", fresh, "Scan Now", "See Your Apps", "Find the Big Stuff", "Free Wins", false},
      {"after a Smart Scan", review, "2.3 GB found", "1 apps · 400 MB", "9.1 GB in big items",
       "Wins available", true},
      {"a review with nothing found", emptyReview, "Zero KB found", "1 apps · 400 MB", "9.1 GB in big items",
       "All clear", false},
      {"done with nothing freed", done, "Zero KB freed", "42 apps · 400 MB", "9.1 GB in big items",
       "Wins available", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(tileStatus(c.home, ScanTool::clean), c.clean);
    EXPECT_EQ(tileStatus(c.home, ScanTool::apps), c.apps);
    EXPECT_EQ(tileStatus(c.home, ScanTool::deepScan), c.deepScan);
    EXPECT_EQ(tileStatus(c.home, ScanTool::advisor), c.advisor);
    EXPECT_EQ(showsReadyToReview(c.home), c.readyToReview);
  }
  EXPECT_EQ(readyToReviewText(review), "2.3 GB");
  // Items from an earlier scan, but the Advisor scanning again: "Free Wins".
  HomeSnapshot rescanning = review;
  rescanning.advisorListed = false;
  EXPECT_EQ(advisorStatus(rescanning), "Free Wins");
  // Items held while the Clean model scans or cleans: no column, "Scan Now".
  HomeSnapshot scanning = review;
  scanning.cleanStage = CleanStage::other;
  EXPECT_FALSE(showsReadyToReview(scanning));
  EXPECT_EQ(cleanupStatus(scanning), "Scan Now");
}

TEST(HomeRules, TileSubtitlesAndTheAccessBanner) {
  EXPECT_EQ(homeTileSubtitle(ScanTool::clean), "Junk your Mac\ncan rebuild");
  EXPECT_EQ(homeTileSubtitle(ScanTool::apps), "Delete apps\n+ their leftovers");
  EXPECT_EQ(homeTileSubtitle(ScanTool::deepScan), "Find what's\nactually big");
  EXPECT_EQ(homeTileSubtitle(ScanTool::advisor), "Pro cleanups,\ndone for you");
  HomeSnapshot home;
  EXPECT_FALSE(showsAccessBanner(home));
  home.hasFullDiskAccess = false;
  EXPECT_TRUE(showsAccessBanner(home));
}

TEST(HomeRules, ReminderTextsWithAFixedClock) {
  testing::ScopedTimeZone zone(testing::kNewYork);
  const base::TimePoint now = testing::isoTime("2026-05-20T15:45:00-04:00");
  const double t = seconds(now);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double century = 100 * 365.25 * 86'400;
  struct Case {
    const char* what;
    std::optional<double> stored;
    QString lastCleanup;
    QString reminder;
  };
  const Case cases[] = {
      {"never stored", std::nullopt, "No cleanups yet", "Run your first scan today"},
      {"stored as 0", 0.0, "No cleanups yet", "Run your first scan today"},
      {"negative", -86'400.0, "No cleanups yet", "Run your first scan today"},
      {"10 minutes ago", t - 600, "Last cleanup: Today at 3:35 PM", "Next scan in about 3 days"},
      {"1 day and 1 second ago", t - 86'401, "Last cleanup: Yesterday at 3:44 PM",
       "Next scan in about 2 days"},
      {"2 days and 1 second ago", t - 172'801, "Last cleanup: May 18, 2026 at 3:44 PM",
       "Next scan in about 1 day"},
      {"just under 3 days ago", t - 259'199.5, "Last cleanup: May 17, 2026 at 3:45 PM",
       "Next scan in about 1 day"},
      {"exactly 3 days ago", t - 259'200, "Last cleanup: May 17, 2026 at 3:45 PM", "A fresh scan is due"},
      {"a year ago", t - 365 * 86'400.0, "Last cleanup: May 20, 2025 at 3:45 PM", "A fresh scan is due"},
      {"half a day ahead (clock set back)", t + 43'200, "Last cleanup: May 21, 2026 at 3:45 AM",
       "Next scan in about 3 days"},
      {"a day ahead", t + 86'400, "Last cleanup: May 21, 2026 at 3:45 PM", "Next scan in about 4 days"},
      {"almost a century ahead", t + century - 86'400, "Last cleanup: May 20, 2126 at 3:45 PM",
       "Next scan in about 36527 days"},
      {"more than a century ahead", t + century + 1, "No cleanups yet", "Run your first scan today"},
      {"far beyond any calendar", 1e300, "No cleanups yet", "Run your first scan today"},
      {"NaN", nan, "No cleanups yet", "Run your first scan today"},
      {"infinite", inf, "No cleanups yet", "Run your first scan today"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(lastCleanupText(c.stored, now).toStdString(), c.lastCleanup.toStdString());
    EXPECT_EQ(scanReminderText(c.stored, now).toStdString(), c.reminder.toStdString());
  }
}

TEST(HomeRules, TheReminderDateFollowsTheTimeZone) {
  const base::TimePoint now = testing::isoTime("2026-03-10T23:30:00Z");
  const double oneHourAgo = seconds(now) - 3600;
  {
    testing::ScopedTimeZone zone(testing::kUtc);
    EXPECT_EQ(lastCleanupText(oneHourAgo, now), "Last cleanup: Today at 10:30 PM");
  }
  {
    testing::ScopedTimeZone zone(testing::kCentralEurope);  // already the 11th there
    EXPECT_EQ(lastCleanupText(oneHourAgo, now), "Last cleanup: Yesterday at 11:30 PM");
  }
}

}  // namespace
}  // namespace tidewell::screens
