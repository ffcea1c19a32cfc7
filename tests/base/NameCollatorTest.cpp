#include "base/NameCollator.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tidewell::base {
namespace {

TEST(NameCollator, CaseInsensitiveInEnglish) {
  NameCollator en("en_US");
  struct Case {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {
      {"apple", "Apple", 0},
      {"apple", "Banana", -1},
      {"Zoom", "arc", 1},
      {"file2", "file10", 1},   // no numeric collation: "2" > "1"
      {"éclair", "eclair", 1},  // accents still count
      {"éclair", "Eclairs", -1},
      {"node_modules", "Node_Modules", 0},
      {"", "a", -1},
  };
  for (const auto& c : cases) {
    int r = en.compare(c.a, c.b);
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
  }
}

TEST(NameCollator, LocaleChangesTheOrder) {
  // Swedish sorts "ä" after "z"; English sorts it with "a".
  EXPECT_LT(NameCollator("en_US").compare("äpple", "zebra"), 0);
  EXPECT_GT(NameCollator("sv_SE").compare("äpple", "zebra"), 0);
}

TEST(NameCollator, PosixLocaleStillIgnoresCase) {
  EXPECT_EQ(NameCollator("C").compare("a", "A"), 0);
  EXPECT_EQ(NameCollator("POSIX").compare("b", "B"), 0);
  EXPECT_LT(NameCollator("C.UTF-8").compare("a", "B"), 0);
}

TEST(NameCollator, StableSortKeepsTiesInFoundOrder) {
  std::vector<std::pair<std::string, int>> items = {{"beta", 0},  {"Alpha", 1}, {"alpha", 2},
                                                    {"ALPHA", 3}, {"Beta", 4},  {"gamma", 5}};
  NameCollator("en_US").stableSort(items, [](const auto& p) -> const std::string& { return p.first; });
  std::vector<int> order;
  for (auto& p : items) order.push_back(p.second);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 0, 4, 5}));
}

TEST(NameCollator, InvalidUtf8DoesNotBreakOrdering) {
  NameCollator en("en_US");
  std::string bad = "a\xff";
  EXPECT_EQ(en.compare(bad, bad), 0);
  EXPECT_NE(en.compare(bad, "a"), 0);
}

}  // namespace
}  // namespace tidewell::base
