#include "base/ByteCountText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tidewell::platform {
namespace {

TEST(ByteCountText, Table) {
  struct Case {
    int64_t bytes;
    const char* text;
  } cases[] = {
      {0, "Zero KB"},
      {-5, "Zero KB"},
      {1, "1 byte"},
      {2, "2 bytes"},
      {999, "999 bytes"},
      {1000, "1 KB"},
      {1499, "1 KB"},
      {1500, "2 KB"},
      {999499, "999 KB"},
      {999500, "1 MB"},
      {1000000, "1 MB"},
      {1500000, "1.5 MB"},
      {1250000, "1.3 MB"},
      {999949999, "999.9 MB"},
      {999950000, "1 GB"},
      {1234567890, "1.23 GB"},
      {2000000000, "2 GB"},
      {1005000000, "1.01 GB"},
      {98000000000, "98 GB"},
      {1500000000000, "1.5 TB"},
      // Terabytes and petabytes keep two decimals, like gigabytes.
      {1234567890123, "1.23 TB"},
      {1235000000000, "1.24 TB"},
      {2000000000000, "2 TB"},
      {999995000000000, "1 PB"},
      {1234567890123456, "1.23 PB"},
      {1010000000000000, "1.01 PB"},
      {std::numeric_limits<int64_t>::max(), "9.22 EB"},
  };
  for (const auto& c : cases) EXPECT_EQ(byteCountText(c.bytes), c.text) << c.bytes;
}

TEST(ByteCountText, WholePercentHasNoTruncationError) {
  struct Case {
    double fraction;
    int percent;
  } cases[] = {
      {0.29, 29}, {0.57, 57}, {0.58, 58}, {0.0, 0}, {1.0, 100}, {0.999, 99}, {0.155, 15}, {-0.1, -10},
  };
  for (const auto& c : cases) EXPECT_EQ(wholePercent(c.fraction), c.percent) << c.fraction;
  EXPECT_EQ(wholePercent(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace tidewell::platform
