#include <gtest/gtest.h>

#include <limits>

#include "widget/SpaceFigures.h"

namespace tidewell::widget {
namespace {

TEST(SpaceFigures, EntryTable) {
  struct Case {
    int64_t free, total;
    double fraction;
    int percent;
    const char *freeText, *totalText;
  };
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  const Case cases[] = {
      {98'000'000'000, 245'000'000'000, 0.6, 60, "98 GB", "245 GB"},  // the placeholder
      {0, 1, 1.0, 100, "Zero KB", "1 byte"},                          // a failed reading
      {71, 100, 0.29, 29, "71 bytes", "100 bytes"},                   // 0.29 x 100 in doubles would read 28
      {401, 1000, 0.599, 59, "401 bytes", "1 KB"},                    // cut, not rounded
      {57, 100, 0.43, 43, "57 bytes", "100 bytes"},
      {100, 100, 0.0, 0, "100 bytes", "100 bytes"},
      {5, 0, 0.0, 0, "5 bytes", "Zero KB"},     // no total
      {5, -10, 0.0, 0, "5 bytes", "Zero KB"},   // a negative total
      {1005, 1000, -0.005, 0, "1 KB", "1 KB"},  // more free than total: not clamped, cut toward zero
      {1500, 1000, -0.5, -50, "2 KB", "1 KB"},
      {-50, 100, 1.5, 150, "Zero KB", "100 bytes"},  // a negative free count shows as zero
      {0, kMax, 1.0, 100, "Zero KB", "9.22 EB"},
      {kMax - 1, kMax, 1.0 / double(kMax), 0, "9.22 EB", "9.22 EB"},
  };
  for (const Case& c : cases) {
    const SpaceEntry entry{{}, c.free, c.total};
    SCOPED_TRACE(::testing::Message() << c.free << " of " << c.total);
    EXPECT_NEAR(usedFraction(entry), c.fraction, 1e-12);
    EXPECT_EQ(usedPercent(entry), c.percent);
    EXPECT_EQ(percentText(entry), std::to_string(c.percent) + "%");
    EXPECT_EQ(freeText(entry), c.freeText);
    EXPECT_EQ(totalText(entry), c.totalText);
  }
}

TEST(SpaceFigures, PercentNeverOverflows) {
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  EXPECT_EQ(usedPercent(SpaceEntry{{}, kMin, 1}), std::numeric_limits<int>::max());
  EXPECT_GT(usedFraction(SpaceEntry{{}, kMin, 1}), 9e18);
}

TEST(SpaceFigures, BarFillAndRingEnd) {
  struct Case {
    double fraction, bar, ring;
  };
  const Case cases[] = {
      {0.6, 82.8, 0.6},                                       // the placeholder on a 138-wide track
      {1.0, 138, 1.0},                                        // a failed reading: full
      {0.0, 4, 0.001},                                        // no total: the minimum bar and arc
      {0.01, 4, 0.01},                                        // little used: the bar keeps 4 points
      {0.0005, 4, 0.001}, {-0.5, 4, 0.001}, {1.5, 207, 1.0},  // the arc cannot run past one turn
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(barFillWidth(138, c.fraction), c.bar, 1e-9) << c.fraction;
    EXPECT_NEAR(ringEnd(c.fraction), c.ring, 1e-12) << c.fraction;
  }
}

}  // namespace
}  // namespace tidewell::widget
