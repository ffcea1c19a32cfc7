// Sorting a finding list into buckets: which items, which buckets are
// listed, which one is shown, and the count and total.
#include <gtest/gtest.h>

#include "screens/deepscan/RiskBucketContents.h"

namespace tidewell::screens {
namespace {

using engine::BigItem;
using Kind = BigItem::Kind;

BigItem item(std::string name, Kind kind, int64_t size) {
  BigItem i;
  i.id = "/home/u/" + name;
  i.url = i.id;
  i.name = std::move(name);
  i.kind = kind;
  i.sizeBytes = size;
  return i;
}

std::vector<std::string> names(const std::vector<BigItem>& items) {
  std::vector<std::string> out;
  for (const auto& i : items) out.push_back(i.name);
  return out;
}

// Largest first, as the model keeps them.
std::vector<BigItem> mixed() {
  return {item("vm.img", Kind::container, 900),
          item("Photos", Kind::personal, 800),
          item("node_modules", Kind::rebuildable, 700),
          item("Slack", Kind::appData, 600),
          item("odd.bin", Kind::other, 500),
          item("Caches", Kind::cache, 400),
          item("Xcode.xip", Kind::installer, 300),
          item("Movies", Kind::personal, 200)};
}

TEST(RiskBucketContents, EachBucketKeepsItsItemsInListOrder) {
  const auto items = mixed();
  struct Case {
    RiskBucket bucket;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {RiskBucket::safe, {"node_modules", "Caches"}},
      {RiskBucket::installer, {"Xcode.xip"}},
      {RiskBucket::container, {"vm.img"}},
      {RiskBucket::review, {"Slack"}},
      {RiskBucket::personal, {"Photos", "Movies"}},
      {RiskBucket::other, {"odd.bin"}},
  };
  size_t total = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(rawValue(c.bucket).toStdString());
    EXPECT_EQ(names(itemsIn(items, c.bucket)), c.names);
    total += c.names.size();
  }
  EXPECT_EQ(total, items.size());  // every item in exactly one bucket
}

TEST(RiskBucketContents, VisibleBucketsFollowBucketOrderNotSize) {
  EXPECT_EQ(visibleBuckets(mixed()), std::vector<RiskBucket>(allRiskBuckets.begin(), allRiskBuckets.end()));
  const std::vector<BigItem> some = {item("a", Kind::other, 900), item("b", Kind::personal, 500),
                                     item("c", Kind::installer, 10)};
  EXPECT_EQ(visibleBuckets(some),
            (std::vector<RiskBucket>{RiskBucket::installer, RiskBucket::personal, RiskBucket::other}));
}

TEST(RiskBucketContents, NoItemsMeansNoBucketsAndNothingShown) {
  EXPECT_TRUE(visibleBuckets({}).empty());
  EXPECT_EQ(shownBucket({}, std::nullopt), std::nullopt);
  EXPECT_EQ(shownBucket({}, RiskBucket::personal), std::nullopt);
  EXPECT_EQ(summaryOf({}), (BucketSummary{0, 0}));
}

TEST(RiskBucketContents, ShownBucketIsThePickWhileItHoldsItemsElseTheFirstFilledOne) {
  const std::vector<BigItem> installersOnly = {item("a.dmg", Kind::installer, 5),
                                               item("b.pkg", Kind::installer, 4)};
  EXPECT_EQ(visibleBuckets(installersOnly), std::vector<RiskBucket>{RiskBucket::installer});
  EXPECT_EQ(shownBucket(installersOnly, std::nullopt), RiskBucket::installer);

  const std::vector<BigItem> two = {item("p", Kind::personal, 9), item("o", Kind::other, 3)};
  EXPECT_EQ(shownBucket(two, std::nullopt), RiskBucket::personal);
  EXPECT_EQ(shownBucket(two, RiskBucket::other), RiskBucket::other);
  // The picked bucket emptied: the first remaining bucket in order shows.
  EXPECT_EQ(shownBucket(two, RiskBucket::safe), RiskBucket::personal);
  const std::vector<BigItem> afterTrash = {item("o", Kind::other, 3)};
  EXPECT_EQ(shownBucket(afterTrash, RiskBucket::personal), RiskBucket::other);
}

TEST(RiskBucketContents, SummaryCountsAndSumsIncludingNegativeSizes) {
  const auto safe = itemsIn(mixed(), RiskBucket::safe);
  EXPECT_EQ(summaryOf(safe), (BucketSummary{2, 1100}));
  EXPECT_EQ(summaryOf({item("x", Kind::other, -5)}), (BucketSummary{1, -5}));
}

}  // namespace
}  // namespace tidewell::screens
