#include <gtest/gtest.h>

#include "screens/devmode/DevModeWording.h"

namespace tidewell::screens {
namespace {

TEST(DevModeWording, SizesCountsAndTitles) {
  struct Case {
    QString text;
    QString expected;
  };
  const Case cases[] = {
      {DevModeWording::reviewSummary(3'400'000'000), "Found 3.4 GB to clear."},
      {DevModeWording::reviewSummary(0), "Found Zero KB to clear."},
      {DevModeWording::reviewSummary(-5), "Found Zero KB to clear."},
      {DevModeWording::groupCaption(12, 3'400'000'000), "12 \u00b7 3.4 GB"},
      {DevModeWording::groupCaption(0, -1), "0 \u00b7 Zero KB"},
      {DevModeWording::pickedCaption(0), "0 picked"},
      {DevModeWording::pickedCaption(1), "1 picked"},
      {DevModeWording::pickedCaption(3), "3 picked"},
      {DevModeWording::resultTitle(true, 5'000'000), "Cleaning\u2026"},
      {DevModeWording::resultTitle(false, 1'500'000), "Freed 1.5 MB"},
      {DevModeWording::resultTitle(false, 0), "Freed Zero KB"},
      {DevModeWording::resultTitle(false, -9), "Freed Zero KB"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text.toStdString(), c.expected.toStdString());
}

TEST(DevModeWording, LeftBehindNamesTheCountAndEveryTitleInOrder) {
  EXPECT_EQ(DevModeWording::leftBehind({}), QString());
  EXPECT_EQ(DevModeWording::leftBehind({"npm cache"}).toStdString(),
            "1 item wouldn't budge: npm cache. macOS may need Full Disk Access for these. Grant it in System "
            "Settings \u25b8 Privacy & Security.");
  EXPECT_EQ(DevModeWording::leftBehind({"Yarn cache", "npm cache", "Yarn cache"}).toStdString(),
            "3 items wouldn't budge: Yarn cache, npm cache, Yarn cache. macOS may need Full Disk Access for "
            "these. Grant it in System Settings \u25b8 Privacy & Security.");
}

}  // namespace
}  // namespace tidewell::screens
