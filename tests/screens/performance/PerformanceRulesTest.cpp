#include "screens/performance/PerformanceRules.h"

#include <gtest/gtest.h>

#include <limits>

namespace tidewell::screens {
namespace {

constexpr int64_t kGiB = 1024LL * 1024 * 1024;

TEST(PerformanceRules, MemoryPercentIsTruncatedFromTheIntegers) {
  struct Case {
    int64_t used, total;
    int percent;
  };
  const Case cases[] = {
      {29, 100, 29},               // 0.29 * 100 in floating point truncates to 28
      {57, 100, 57},               // and 0.57 to 56
      {876, 1000, 87},             // truncated, not rounded
      {995, 1000, 99},             //
      {999'999, 1'000'000, 99},    // only a full total reads 100
      {100, 100, 100},             //
      {12 * kGiB, 16 * kGiB, 75},  //
      {0, 100, 0},                 //
      {0, 1, 0},                   // before the first scan
      {5, 0, 0},                   // a total below 1
      {5, -10, 0},                 //
      {-5, 100, 0},                // a negative used figure
      {150, 100, 100},             // used above total
      {std::numeric_limits<int64_t>::max() - 1, std::numeric_limits<int64_t>::max(), 99},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(memoryPercent(c.used, c.total), c.percent) << c.used << " of " << c.total;
    EXPECT_EQ(memoryPercentReading(c.used, c.total).text, QString::number(c.percent) + "% in use");
  }
}

TEST(PerformanceRules, MemoryFiguresReadAsSizesNeverNegative) {
  EXPECT_EQ(memoryUsedOfTotal(8'200'000'000, 16'000'000'000), "8.2 GB of 16 GB");
  EXPECT_EQ(memorySubtitle(8'200'000'000, 16'000'000'000), "8.2 GB of 16 GB memory in use");
  EXPECT_EQ(memorySubtitle(-1, -1), "Zero KB of Zero KB memory in use");
  EXPECT_EQ(memorySubtitle(0, 1), "Zero KB of 1 byte memory in use");
}

engine::RunningApp app(int32_t pid, int64_t bytes) {
  engine::RunningApp a;
  a.id = pid;
  a.name = "App " + std::to_string(pid);
  a.memoryBytes = bytes;
  return a;
}

TEST(PerformanceRules, TheLargestFootprintFillsTheBarsAndNothingIsBelowOne) {
  EXPECT_EQ(memoryBarMaximum({}), 1);
  EXPECT_EQ(memoryBarMaximum({app(1, 0), app(2, 0)}), 1);
  EXPECT_EQ(memoryBarMaximum({app(1, -4)}), 1);
  EXPECT_EQ(memoryBarMaximum({app(1, 300), app(2, 900), app(3, 900)}), 900);

  struct Case {
    int64_t bytes, maxBytes;
    double fraction;
  };
  const Case cases[] = {
      {900, 900, 1.0}, {450, 900, 0.5},  {0, 900, 0.0},
      {-3, 900, 0.0},  {1800, 900, 2.0},  // the bar itself keeps a fill within its track
      {5, 0, 5.0},                        // a maximum below 1 counts as 1
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(memoryBarFraction(c.bytes, c.maxBytes), c.fraction) << c.bytes << "/" << c.maxBytes;
}

TEST(PerformanceRules, RowTexts) {
  const std::pair<int64_t, const char*> footprints[] = {
      {0, "\u2014"}, {-1, "\u2014"}, {1, "1 byte"}, {412'000'000, "412 MB"}, {1'230'000'000, "1.23 GB"}};
  for (const auto& [bytes, text] : footprints)
    EXPECT_EQ(footprintText(bytes), QString::fromUtf8(text)) << bytes;

  EXPECT_FALSE(isQuitting(std::nullopt, 42));
  EXPECT_TRUE(isQuitting(42, 42));
  EXPECT_FALSE(isQuitting(41, 42));

  EXPECT_EQ(appIconPath(std::nullopt), "/");
  EXPECT_EQ(appIconPath(std::string()), "/");
  EXPECT_EQ(appIconPath(std::string("/usr/share/applications/org.gnome.Calculator.desktop")),
            "/usr/share/applications/org.gnome.Calculator.desktop");

  const std::pair<const char*, const char*> scopes[] = {
      {"System", "gearshape.2.fill"},
      {"You", "person.crop.circle"},
      {"system", "person.crop.circle"},  // exact, case-sensitive
      {"", "person.crop.circle"},
  };
  for (const auto& [scope, symbol] : scopes) EXPECT_EQ(loginScopeSymbol(scope).text(), symbol) << scope;
}

TEST(PerformanceRules, PanelsAreMemoryThenStartupByTheirTitlesOnly) {
  EXPECT_EQ(performancePanelTitles(), (QStringList{"Memory", "Startup"}));
  EXPECT_EQ(performancePanelTitled("Memory"), PerformancePanel::memory);
  EXPECT_EQ(performancePanelTitled("Startup"), PerformancePanel::login);
  for (const char* other : {"memory", "Login", "login", "", "Startup "})
    EXPECT_FALSE(performancePanelTitled(other)) << other;
}

TEST(PerformanceRules, TheAutostartFolderLiesInTheGivenHome) {
  EXPECT_EQ(autostartFolder("/home/ada"), "/home/ada/.config/autostart");
  EXPECT_EQ(autostartFolder("/home/ada/"), "/home/ada/.config/autostart");
  EXPECT_EQ(autostartFolder("/"), "/.config/autostart");
}

}  // namespace
}  // namespace tidewell::screens
