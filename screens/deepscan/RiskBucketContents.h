#pragma once
// Which findings sit in which risk bucket, which buckets are listed and
// which one the detail pane shows. Pure functions over the model's item
// list (largest first) and the bucket the user last picked; nothing is
// cached, every call walks the list again. Any thread.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/deepscan/BigItem.h"
#include "screens/deepscan/RiskBucket.h"

namespace tidewell::screens {

// The items that fall in bucket, in the order given.
std::vector<engine::BigItem> itemsIn(const std::vector<engine::BigItem>& items, RiskBucket bucket);

// The buckets holding at least one item, in bucket order; empty for no items.
std::vector<RiskBucket> visibleBuckets(const std::vector<engine::BigItem>& items);

// The bucket whose detail is shown: the picked one while it holds items,
// else the first bucket that does; nothing when there are no items. The
// pick itself is kept by the caller, so it shows again once it fills.
std::optional<RiskBucket> shownBucket(const std::vector<engine::BigItem>& items,
                                      std::optional<RiskBucket> viewing);

// A bucket's item count and the sum of their sizes.
struct BucketSummary {
  int64_t count = 0;
  int64_t bytes = 0;
  bool operator==(const BucketSummary&) const = default;
};
BucketSummary summaryOf(const std::vector<engine::BigItem>& bucketItems);

}  // namespace tidewell::screens
