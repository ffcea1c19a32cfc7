#include <gtest/gtest.h>

#include "screens/devmode/DevModeRules.h"

namespace tidewell::screens {
namespace {

TEST(DevModeRules, SizesCountsAndTitles) {
  struct Case {
    QString text;
    QString expected;
  };
  const Case cases[] = {
      {DevModeRules::reviewSummary(3'400'000'000), "Found 3.4 GB to clear."},
      {DevModeRules::reviewSummary(0), "Found Zero KB to clear."},
      {DevModeRules::reviewSummary(-5), "Found Zero KB to clear."},
      {DevModeRules::groupCaption(12, 3'400'000'000), "12 \u00b7 3.4 GB"},
      {DevModeRules::groupCaption(0, -1), "0 \u00b7 Zero KB"},
      {DevModeRules::pickedCaption(0), "0 picked"},
      {DevModeRules::pickedCaption(1), "1 picked"},
      {DevModeRules::pickedCaption(3), "3 picked"},
      {DevModeRules::resultTitle(true, 5'000'000), "Cleaning\u2026"},
      {DevModeRules::resultTitle(false, 1'500'000), "Freed 1.5 MB"},
      {DevModeRules::resultTitle(false, 0), "Freed Zero KB"},
      {DevModeRules::resultTitle(false, -9), "Freed Zero KB"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text.toStdString(), c.expected.toStdString());
}

TEST(DevModeRules, LeftBehindNamesTheCountAndEveryTitleInOrder) {
  EXPECT_EQ(DevModeRules::leftBehind({}), QString());
  EXPECT_EQ(DevModeRules::leftBehind({"npm cache"}).toStdString(),
            "1 item wouldn't budge: npm cache. macOS may need Full Disk Access for these. Grant it in System "
            "Settings \u25b8 Privacy & Security.");
  EXPECT_EQ(DevModeRules::leftBehind({"Yarn cache", "npm cache", "Yarn cache"}).toStdString(),
            "3 items wouldn't budge: Yarn cache, npm cache, Yarn cache. macOS may need Full Disk Access for "
            "these. Grant it in System Settings \u25b8 Privacy & Security.");
}

}  // namespace
}  // namespace tidewell::screens
