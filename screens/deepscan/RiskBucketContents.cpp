#include "screens/deepscan/RiskBucketContents.h"

#include <algorithm>

namespace tidewell::screens {

using engine::BigItem;

namespace {
bool holds(const std::vector<BigItem>& items, RiskBucket bucket) {
  return std::any_of(items.begin(), items.end(),
                     [bucket](const BigItem& item) { return riskBucketOf(item.kind) == bucket; });
}
}  // namespace

std::vector<BigItem> itemsIn(const std::vector<BigItem>& items, RiskBucket bucket) {
  std::vector<BigItem> kept;
  for (const BigItem& item : items) {
    if (riskBucketOf(item.kind) == bucket) kept.push_back(item);
  }
  return kept;
}

std::vector<RiskBucket> visibleBuckets(const std::vector<BigItem>& items) {
  std::vector<RiskBucket> visible;
  for (RiskBucket bucket : allRiskBuckets) {
    if (holds(items, bucket)) visible.push_back(bucket);
  }
  return visible;
}

std::optional<RiskBucket> shownBucket(const std::vector<BigItem>& items, std::optional<RiskBucket> viewing) {
  if (viewing && holds(items, *viewing)) return viewing;
  for (RiskBucket bucket : allRiskBuckets) {
    if (holds(items, bucket)) return bucket;
  }
  return std::nullopt;
}

BucketSummary summaryOf(const std::vector<BigItem>& bucketItems) {
  BucketSummary summary;
  for (const BigItem& item : bucketItems) {
    ++summary.count;
    summary.bytes += item.sizeBytes;
  }
  return summary;
}

}  // namespace tidewell::screens
