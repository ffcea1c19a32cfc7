#include <gtest/gtest.h>

#include <cmath>

#include "app/popover/PopoverFigures.h"

namespace tidewell::app {
namespace {

using design::ThemePalette;

TEST(PopoverFigures, UsedFractionAndLevelFollowTheReading) {
  struct Case {
    VolumeFigures figures;
    double used;
    double freeFractionForLevel;
    const char* percent;
  };
  const Case cases[] = {
      // Before the first measurement: 0 free of 1 byte.
      {{0, 1}, 1.0, 0.0, "100%"},
      // A total below 1 gives 0 used and the level of a half-free disk.
      {{0, 0}, 0.0, 0.5, "0%"},
      {{500, 0}, 0.0, 0.5, "0%"},
      {{10, -4}, 0.0, 0.5, "0%"},
      {{1, 1}, 0.0, 1.0, "0%"},
      {{71, 100}, 0.29, 0.71, "29%"},
      {{29, 100}, 0.71, 0.29, "71%"},
      {{1, 3}, 2.0 / 3.0, 1.0 / 3.0, "66%"},
      {{61'234'567'890, 494'384'795'648},
       1.0 - 61'234'567'890.0 / 494'384'795'648.0,
       61'234'567'890.0 / 494'384'795'648.0,
       "87%"},
      // More free than total (a bogus reading) truncates toward zero.
      {{105, 100}, -0.05, 1.05, "-5%"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.figures.freeBytes << " of " << c.figures.totalBytes);
    EXPECT_NEAR(usedFraction(c.figures), c.used, 1e-12);
    EXPECT_EQ(popoverPalette(c.figures), ThemePalette::forFreeFraction(c.freeFractionForLevel));
    EXPECT_EQ(usedPercentText(usedFraction(c.figures)), QString(c.percent));
  }
  EXPECT_EQ(popoverPalette({0, 1}).label, QString("Critical"));
  EXPECT_EQ(popoverPalette({0, 0}).label, QString("Healthy"));
}

TEST(PopoverFigures, SizesAreWrittenInFileStyle) {
  EXPECT_EQ(freeSizeText({0, 1}), QString("Zero KB"));
  EXPECT_EQ(freeSizeText({-5, 1}), QString("Zero KB"));
  EXPECT_EQ(freeSizeText({61'234'567'890, 494'384'795'648}), QString("61.23 GB"));
  EXPECT_EQ(freeOfTotalText({61'234'567'890, 494'384'795'648}), QString("free of 494.38 GB"));
  EXPECT_EQ(freeOfTotalText({0, 1}), QString("free of 1 byte"));
}

TEST(PopoverFigures, TheReclaimedBadgeAppearsFromOneByte) {
  EXPECT_EQ(reclaimedBadgeText(0), std::nullopt);
  EXPECT_EQ(reclaimedBadgeText(-10), std::nullopt);
  EXPECT_EQ(reclaimedBadgeText(1), QString("+1 byte reclaimed"));
  EXPECT_EQ(reclaimedBadgeText(1'500'000'000), QString("+1.5 GB reclaimed"));
}

}  // namespace
}  // namespace tidewell::app
