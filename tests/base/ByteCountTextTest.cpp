#include "base/ByteCountText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tidewell::base {
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

// What decides a text's width where digits are equally wide: its unit
// words and how many digits stand before and after the point.
struct Form {
  std::string words;
  int whole = 0, fraction = 0;
};

Form formOf(const std::string& text) {
  Form form;
  size_t i = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) ++form.whole;
  if (i < text.size() && text[i] == '.')
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) ++form.fraction;
  form.words = text.substr(i);
  return form;
}

bool atLeastAsWide(const Form& a, const Form& b) {
  return a.words == b.words && a.whole >= b.whole && a.fraction >= b.fraction;
}

// Counts of low...high where a text may change its form: both ends and
// their neighbourhoods, and every count near m x 10^j and (m + 1/2) x 10^j.
std::vector<int64_t> probes(int64_t low, int64_t high) {
  std::vector<int64_t> counts;
  const auto add = [&](int64_t c) {
    if (c >= low && c <= high) counts.push_back(c);
  };
  for (int64_t d = 0; d <= 2000; ++d) {
    if (low <= high - d) add(low + d);
    if (high >= low + d) add(high - d);
  }
  int64_t power = 1;
  for (int j = 0; j <= 18; ++j, power = power <= std::numeric_limits<int64_t>::max() / 10 ? power * 10 : 0) {
    if (power == 0) break;
    for (int64_t m = 1; m <= 1000 && m <= std::numeric_limits<int64_t>::max() / power; ++m) {
      const int64_t at = m * power;
      if (at - power > high) break;
      for (int64_t delta : {int64_t(-1), int64_t(0), int64_t(1), power / 2 - 1, power / 2, power / 2 + 1})
        if (at <= std::numeric_limits<int64_t>::max() - delta) add(at + delta);
    }
  }
  return counts;
}

TEST(ByteCountText, TheFormsOfARangeCoverEveryTextInIt) {
  constexpr int64_t big = std::numeric_limits<int64_t>::max();
  struct Case {
    int64_t low, high;
  };
  const Case cases[] = {
      {0, 8'000'000},              // a count up to "8 MB" passes "999 KB" and "7.9 MB"
      {0, 22'680'000'000},         // and up to "22.68 GB", "999.9 MB"
      {0, 1'234'000'000},          // "999.9 MB" is wider than the end, "1.23 GB"
      {875'000, 3'000'000},        // from a count on screen
      {3'000'000, 1'000'000},      // down
      {999'400, 999'600},          // across the step from KB to MB
      {999'949'000, 999'951'000},  // and from MB to GB
      {10'000'000'000, 10'000'000'000},
      {10'000'000'000, 10'000'009'999},  // "10 GB" then "10.01 GB"
      {0, 0},
      {-40, 1'500},
      {0, 999},
      {5, 5},
      {0, big},
      {big - 5'000'000'000'000'000, big},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.low) + " to " + std::to_string(c.high));
    const std::vector<int64_t> forms = byteCountTextForms(c.low, c.high);
    const int64_t low = std::max<int64_t>(std::min(c.low, c.high), 0);
    const int64_t high = std::max<int64_t>(std::max(c.low, c.high), 0);
    ASSERT_FALSE(forms.empty());
    EXPECT_TRUE(std::is_sorted(forms.begin(), forms.end()));
    for (int64_t f : forms) {
      EXPECT_GE(f, low);
      EXPECT_LE(f, high);
    }
    std::vector<Form> given;
    for (int64_t f : forms) given.push_back(formOf(byteCountText(f)));
    for (int64_t count : probes(low, high)) {
      const Form shown = formOf(byteCountText(count));
      const bool covered = std::any_of(given.begin(), given.end(),
                                       [&](const Form& form) { return atLeastAsWide(form, shown); });
      if (!covered) {
        ADD_FAILURE() << byteCountText(count) << " (" << count << ") is wider than every form given";
        break;
      }
    }
  }
}

}  // namespace
}  // namespace tidewell::base
