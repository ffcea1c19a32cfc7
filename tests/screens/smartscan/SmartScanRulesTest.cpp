#include <gtest/gtest.h>

#include <chrono>

#include "screens/smartscan/SmartScanRules.h"
#include "testkit/support/TimeFixtures.h"

namespace tidewell::screens {
namespace {

using Phase = SmartScanPhase;
using Kind = ToolCardStatus::Kind;
using std::chrono::hours;

// A first run: all four models still idle.
SmartScanSnapshot firstRun(Phase phase) {
  SmartScanSnapshot s;
  s.phase = phase;
  s.now = testing::isoTime("2026-05-20T12:00:00Z");
  return s;
}

// Every tool finished with something found.
SmartScanSnapshot finishedRun() {
  SmartScanSnapshot s = firstRun(Phase::done);
  s.cleanFinished = s.appsFinished = s.deepScanFinished = s.advisorFinished = true;
  s.cleanProgress = s.appsProgress = s.deepScanProgress = 1;
  s.cleanTotalBytes = 2'300'000'000;
  s.largestCleanItem = NamedSize{"Xcode DerivedData", 1'500'000'000};
  s.appsLastUsed = {std::nullopt, s.now - hours(24 * 120), s.now - hours(24 * 10)};
  s.deepScanTotalBytes = 8'000'000'000;
  s.largestBigItem = NamedSize{"Ubuntu.iso", 5'000'000'000};
  s.advisorHasFindings = true;
  return s;
}

std::vector<double> fills(const SmartScanSnapshot& s) {
  std::vector<double> out;
  for (const ScanRingSegment& seg : scanSegments(s)) out.push_back(seg.fill);
  return out;
}

std::vector<bool> warming(const SmartScanSnapshot& s) {
  std::vector<bool> out;
  for (const ScanRingSegment& seg : scanSegments(s)) out.push_back(seg.warming);
  return out;
}

TEST(SmartScanRules, ProgressAndSegmentsThroughARun) {
  struct Case {
    const char* what;
    SmartScanSnapshot scan;
    double overall;
    QString percent;
    std::vector<double> fills;
    std::vector<bool> warming;
  };
  SmartScanSnapshot start = firstRun(Phase::clean);
  SmartScanSnapshot cleaning = firstRun(Phase::clean);
  cleaning.cleanProgress = 0.6;
  SmartScanSnapshot apps = firstRun(Phase::apps);
  apps.cleanFinished = true;
  apps.cleanProgress = 1;
  apps.appsProgress = 0.5;
  SmartScanSnapshot deep = apps;
  deep.phase = Phase::deepScan;
  deep.appsFinished = true;
  deep.deepScanProgress = 0.2;
  SmartScanSnapshot advisor = deep;
  advisor.phase = Phase::advisor;
  advisor.deepScanFinished = true;
  SmartScanSnapshot done = advisor;
  done.phase = Phase::done;
  done.advisorFinished = true;
  // A second run: the old results count as finished until their step starts.
  SmartScanSnapshot again = finishedRun();
  again.phase = Phase::clean;
  again.cleanFinished = false;
  again.cleanProgress = 0.1;
  // Progress of a tool whose step is not under way does not count.
  SmartScanSnapshot stray = firstRun(Phase::apps);
  stray.deepScanProgress = 0.9;
  const Case cases[] = {
      {"right after start", start, 0, "0%", {0, 0, 0, 0}, {false, false, false, false}},
      {"Clean at 0.6", cleaning, 0.15, "15%", {0.6, 0, 0, 0}, {false, false, false, false}},
      {"Apps half way", apps, 0.375, "37%", {1, 0.5, 0, 0}, {false, false, false, false}},
      {"Deep Scan at 0.2", deep, 0.55, "55%", {1, 1, 0.2, 0}, {false, false, false, false}},
      {"Advisor step", advisor, 0.75, "75%", {1, 1, 1, 0}, {false, false, false, true}},
      {"done", done, 1, "100%", {1, 1, 1, 1}, {false, false, false, false}},
      {"second run", again, 0.775, "77%", {0.1, 1, 1, 1}, {false, false, false, false}},
      {"stray progress", stray, 0, "0%", {0, 0, 0, 0}, {false, false, false, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NEAR(overallProgress(c.scan), c.overall, 1e-12);
    EXPECT_EQ(overallProgressText(c.scan), c.percent);
    // The ring reads as the number it shows.
    EXPECT_EQ(QString::number(overallProgressReading(c.scan).percent) + "%", c.percent);
    EXPECT_EQ(fills(c.scan), c.fills);
    EXPECT_EQ(warming(c.scan), c.warming);
  }
  const std::vector<ScanRingSegment> colours = scanSegments(start);
  EXPECT_EQ(colours[0].color, design::SectionPalette::clean().primary);
  EXPECT_EQ(colours[1].color, design::SectionPalette::apps().primary);
  EXPECT_EQ(colours[2].color, design::SectionPalette::deepScan().primary);
  EXPECT_EQ(colours[3].color, design::SectionPalette::advisor().primary);
}

TEST(SmartScanRules, CardStatuses) {
  struct Case {
    const char* what;
    SmartScanSnapshot scan;
    std::vector<ToolCardStatus> statuses;
  };
  SmartScanSnapshot apps = firstRun(Phase::apps);
  apps.cleanFinished = true;
  SmartScanSnapshot stoppedInDeep = finishedRun();
  stoppedInDeep.stopped = true;
  stoppedInDeep.deepScanFinished = stoppedInDeep.advisorFinished = false;
  stoppedInDeep.deepScanTotalBytes = 0;
  stoppedInDeep.advisorHasFindings = false;
  SmartScanSnapshot lateDeep = stoppedInDeep;  // the Deep Scan finished after the stop
  lateDeep.deepScanFinished = true;
  lateDeep.deepScanTotalBytes = 8'000'000'000;
  SmartScanSnapshot second = finishedRun();
  second.phase = Phase::clean;
  second.cleanFinished = false;
  SmartScanSnapshot nothing = firstRun(Phase::done);
  nothing.cleanFinished = nothing.appsFinished = nothing.deepScanFinished = nothing.advisorFinished = true;
  nothing.appsLastUsed.resize(1);
  SmartScanSnapshot runtimes = finishedRun();
  runtimes.advisorRuntimeBytes = 7'500'000'000;
  const Case cases[] = {
      {"first run, Clean scanning",
       firstRun(Phase::clean),
       {ToolCardStatus::active(), ToolCardStatus::waiting(), ToolCardStatus::waiting(),
        ToolCardStatus::waiting()}},
      {"Apps scanning after Clean",
       apps,
       {ToolCardStatus::done("Spotless"), ToolCardStatus::active(), ToolCardStatus::waiting(),
        ToolCardStatus::waiting()}},
      {"stopped in the Deep Scan step",
       stoppedInDeep,
       {ToolCardStatus::done("2.3 GB"), ToolCardStatus::done("3 apps"), ToolCardStatus::skipped(),
        ToolCardStatus::skipped()}},
      {"the stopped Deep Scan came in later",
       lateDeep,
       {ToolCardStatus::done("2.3 GB"), ToolCardStatus::done("3 apps"), ToolCardStatus::done("8 GB"),
        ToolCardStatus::skipped()}},
      {"second run keeps the old results",
       second,
       {ToolCardStatus::active(), ToolCardStatus::done("3 apps"), ToolCardStatus::done("8 GB"),
        ToolCardStatus::done("Wins found")}},
      {"a run that found nothing",
       nothing,
       {ToolCardStatus::done("Spotless"), ToolCardStatus::done("1 apps"), ToolCardStatus::done("Tidy"),
        ToolCardStatus::done("All clear")}},
      {"runtimes give the Advisor a size",
       runtimes,
       {ToolCardStatus::done("2.3 GB"), ToolCardStatus::done("3 apps"), ToolCardStatus::done("8 GB"),
        ToolCardStatus::done("7.5 GB")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (ScanTool tool : allScanTools)
      EXPECT_EQ(toolStatus(c.scan, tool), c.statuses[size_t(tool)]) << scanToolTitle(tool).toStdString();
  }
}

TEST(SmartScanRules, ACardOpensItsToolOnlyAfterTheRun) {
  SmartScanSnapshot running = finishedRun();
  running.phase = Phase::advisor;
  running.advisorFinished = false;
  EXPECT_FALSE(opensTool(running, ScanTool::clean));  // done card, run still under way
  SmartScanSnapshot stopped = finishedRun();
  stopped.stopped = true;
  stopped.advisorFinished = false;
  EXPECT_TRUE(opensTool(stopped, ScanTool::clean));
  EXPECT_FALSE(opensTool(stopped, ScanTool::advisor));  // skipped
  EXPECT_TRUE(opensTool(finishedRun(), ScanTool::advisor));
}

TEST(SmartScanRules, HeadlinesAndFoundTotal) {
  EXPECT_EQ(runningHeadline(Phase::clean), "Looking for junk…");
  EXPECT_EQ(runningHeadline(Phase::apps), "Reading your apps…");
  EXPECT_EQ(runningHeadline(Phase::deepScan), "Sizing up big items…");
  EXPECT_EQ(runningHeadline(Phase::advisor), "Checking expert wins…");
  EXPECT_EQ(runningHeadline(Phase::idle), "");
  EXPECT_EQ(runningHeadline(Phase::done), "");
  EXPECT_EQ(doneHeadline(true), "Scan stopped");
  EXPECT_EQ(doneHeadline(false), "All scanned.");
  EXPECT_EQ(doneSubline(), "Nothing deleted yet. Tap a tool to dig in.");
  // The headline of the phase, running or done.
  SmartScanSnapshot running;
  running.phase = Phase::deepScan;
  EXPECT_EQ(scanHeadline(running), "Sizing up big items…");
  EXPECT_EQ(foundSummary(running), "all clear");

  SmartScanSnapshot s = finishedRun();
  EXPECT_EQ(scanHeadline(s), "All scanned.");
  s.stopped = true;
  EXPECT_EQ(scanHeadline(s), "Scan stopped");
  s.advisorRuntimeBytes = 1;
  EXPECT_EQ(foundTotal(s), 10'300'000'001);  // apps do not count
  EXPECT_EQ(foundSummary(s), "10.3 GB found");
  s.cleanTotalBytes = std::numeric_limits<int64_t>::max();
  EXPECT_EQ(foundTotal(s), std::numeric_limits<int64_t>::max());
}

TEST(SmartScanRules, UntouchedAppsCountWholeLocalDays) {
  testing::ScopedTimeZone zone(testing::kUtc);
  const base::TimePoint now = testing::isoTime("2026-05-20T12:00:00Z");
  const auto daysAgo = [&](int days) { return std::optional(now - hours(24 * days)); };
  EXPECT_EQ(untouchedAppCount({}, now), 0);
  EXPECT_EQ(untouchedAppCount({daysAgo(89), std::nullopt}, now), 0);
  EXPECT_EQ(untouchedAppCount({daysAgo(90)}, now), 1);
  EXPECT_EQ(untouchedAppCount({daysAgo(90), daysAgo(400), daysAgo(3), std::nullopt}, now), 2);
  // 89 days and 23 hours is still 89 days.
  EXPECT_EQ(untouchedAppCount({now - hours(24 * 90 - 1)}, now), 0);
  // Days are counted on the local wall clock: across the spring change of
  // clocks in New York those same hours make 90 days.
  testing::ScopedTimeZone newYork(testing::kNewYork);
  EXPECT_EQ(untouchedAppCount({now - hours(24 * 90 - 1)}, now), 1);
}

TEST(SmartScanRules, Insights) {
  struct Case {
    const char* what;
    SmartScanSnapshot scan;
    std::vector<QString> texts;
    std::vector<QString> symbols;
  };
  SmartScanSnapshot all = finishedRun();
  SmartScanSnapshot oneApp = finishedRun();
  oneApp.appsLastUsed = {oneApp.now - hours(24 * 90)};
  SmartScanSnapshot runtimes = finishedRun();
  runtimes.advisorRuntimeBytes = 7'500'000'000;
  runtimes.appsLastUsed = {runtimes.now - hours(24 * 91), runtimes.now - hours(24 * 200)};
  SmartScanSnapshot nothing = firstRun(Phase::done);
  nothing.appsLastUsed = {nothing.now - hours(24 * 89), std::nullopt};
  SmartScanSnapshot onlyRuntimes = firstRun(Phase::done);
  onlyRuntimes.advisorRuntimeBytes = 1;
  SmartScanSnapshot negative = finishedRun();
  negative.largestCleanItem->bytes = -4;
  negative.appsLastUsed.clear();
  negative.largestBigItem.reset();
  const Case cases[] = {
      {"everything found",
       all,
       {"Biggest win: Xcode DerivedData, 1.5 GB. Ready to clean.",
        "1 app untouched for 3+ months. Worth a look.", "Largest item on disk: Ubuntu.iso (5 GB)."},
       {"sparkles", "square.grid.2x2.fill", "scope"}},
      {"exactly 90 days is untouched, singular",
       oneApp,
       {"Biggest win: Xcode DerivedData, 1.5 GB. Ready to clean.",
        "1 app untouched for 3+ months. Worth a look.", "Largest item on disk: Ubuntu.iso (5 GB)."},
       {"sparkles", "square.grid.2x2.fill", "scope"}},
      {"runtimes replace the largest item, plural apps",
       runtimes,
       {"Biggest win: Xcode DerivedData, 1.5 GB. Ready to clean.",
        "2 apps untouched for 3+ months. Worth a look.", "Advisor can free 7.5 GB for you."},
       {"sparkles", "square.grid.2x2.fill", "wand.and.stars"}},
      {"nothing found", nothing, {}, {}},
      {"one runtime byte", onlyRuntimes, {"Advisor can free 1 byte for you."}, {"wand.and.stars"}},
      {"a negative size reads as zero",
       negative,
       {"Biggest win: Xcode DerivedData, Zero KB. Ready to clean."},
       {"sparkles"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<ScanInsight> insights = scanInsights(c.scan);
    ASSERT_EQ(insights.size(), c.texts.size());
    for (size_t i = 0; i < insights.size(); ++i) {
      EXPECT_EQ(insights[i].text, c.texts[i]);
      EXPECT_EQ(insights[i].symbol.text(), c.symbols[i]);
    }
  }
  EXPECT_EQ(scanInsights(runtimes)[2].palette, design::SectionPalette::advisor());
  EXPECT_EQ(scanInsights(all)[1].palette, design::SectionPalette::apps());
}

TEST(SmartScanRules, ReviewAction) {
  SmartScanSnapshot junk = finishedRun();
  EXPECT_EQ(reviewAction(junk), (ReviewAction{"Review 2.3 GB of junk", ScanTool::clean}));
  SmartScanSnapshot big = finishedRun();
  big.cleanTotalBytes = 0;
  EXPECT_EQ(reviewAction(big), (ReviewAction{"See big items", ScanTool::deepScan}));
  SmartScanSnapshot wins = big;
  wins.deepScanTotalBytes = 0;
  EXPECT_EQ(reviewAction(wins), (ReviewAction{"See Advisor wins", ScanTool::advisor}));
  SmartScanSnapshot none = wins;
  none.advisorHasFindings = false;
  none.advisorRuntimeBytes = 0;
  EXPECT_EQ(reviewAction(none), std::nullopt);
}

}  // namespace
}  // namespace tidewell::screens
