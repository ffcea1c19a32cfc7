#include "screens/common/Formatting.h"

#include <gtest/gtest.h>

#include "screens/common/BoolBinding.h"
#include "screens/common/CleanUpLabel.h"

namespace tidewell::screens {
namespace {

TEST(Formatting, BytesAreFileStyleAndNeverNegative) {
  const std::pair<int64_t, const char*> cases[] = {
      {-5, "Zero KB"},        {0, "Zero KB"},        {1, "1 byte"},
      {999, "999 bytes"},     {1'500'000, "1.5 MB"}, {1'230'000'000, "1.23 GB"},
      {INT64_MIN, "Zero KB"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(bytesText(bytes), QString::fromUtf8(text)) << bytes;
}

TEST(Formatting, PercentIsTruncatedWithoutFloatingPointErrorAndKeptInRange) {
  const std::pair<double, const char*> cases[] = {
      {0, "0%"},   {0.999, "99%"}, {0.29, "29%"}, {0.375, "37%"},
      {1, "100%"}, {1.7, "100%"},  {-0.2, "0%"},  {std::nan(""), "0%"},
  };
  for (const auto& [fraction, text] : cases)
    EXPECT_EQ(percentText(fraction), QString::fromUtf8(text)) << fraction;
}

TEST(CleanUpLabel, IsTheTextWithTheSparklesSymbol) {
  const design::PillLabel label = cleanUpLabel();
  EXPECT_EQ(label.title, "Clean Up");
  ASSERT_TRUE(label.symbol);
  EXPECT_EQ(label.symbol->text(), "sparkles");
}

TEST(ToggleBinding, WritesBackTheNegationOfWhatItReads) {
  bool flag = false;
  int writes = 0;
  const BoolBinding binding{[&] { return flag; },
                            [&](bool v) {
                              flag = v;
                              ++writes;
                            }};
  toggleBinding(binding);
  EXPECT_TRUE(flag);
  toggleBinding(binding);
  EXPECT_FALSE(flag);
  EXPECT_EQ(writes, 2);

  // A binding whose model is gone reads false and writes nothing.
  bool written = false;
  toggleBinding(BoolBinding{{}, [&](bool v) { written = v; }});
  EXPECT_TRUE(written);                                 // no reader: false, so true is written
  toggleBinding(BoolBinding{[] { return true; }, {}});  // no writer: nothing happens
}

}  // namespace
}  // namespace tidewell::screens
