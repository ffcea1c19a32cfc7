#pragma once
// The detail of the shown Deep Scan bucket: its heading (tint dot, title,
// "count · size"), its sentence, the banner of the last trash while there
// is one, and a scrolling grid of one BigItemCard per item, in the
// bucket's order. Cards are kept per item across updates. A card's buttons
// report revealRequested(item) and trashRequested(item), the banner's
// close button resultDismissed(). Named "detailPane"; its parts are
// "detailTitle", "detailCount", "detailDescription", "resultBanner" and
// "bucketGrid". GUI thread only.

#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "engine/deepscan/BigItem.h"
#include "engine/deepscan/BigItemScanner.h"
#include "screens/common/layout/KeyedWidgets.h"
#include "screens/deepscan/BigItemCard.h"
#include "screens/deepscan/RiskBucket.h"

namespace tidewell::screens {

class AdaptiveGrid;
class MessageBanner;
class TextLabel;
class TintedTile;

class BucketDetailPane : public QWidget {
  Q_OBJECT
 public:
  BucketDetailPane(std::shared_ptr<platform::Clipboard> clipboard, DelayedCall copyDelay,
                   QWidget* parent = nullptr);

  // Shows bucket with its items and the banner of the last trash.
  void setBucket(RiskBucket bucket, const std::vector<engine::BigItem>& items,
                 const std::optional<engine::BigItemScanner::TrashOutcome>& lastResult);

 Q_SIGNALS:
  void revealRequested(const engine::BigItem& item);
  void trashRequested(const engine::BigItem& item);
  void resultDismissed();

 private:
  void showBanner(const std::optional<engine::BigItemScanner::TrashOutcome>& lastResult);
  // Emits signal with the item card shows now, if it still shows one.
  void report(const BigItemCard* card, void (BucketDetailPane::*signal)(const engine::BigItem&));

  std::shared_ptr<platform::Clipboard> clipboard_;
  DelayedCall copyDelay_;
  std::optional<RiskBucket> bucket_;
  TintedTile* dot_ = nullptr;
  TextLabel* title_;
  TextLabel* count_;
  TextLabel* description_;
  MessageBanner* banner_;
  AdaptiveGrid* grid_;
  KeyedWidgets<BigItemCard, std::string> cards_;
  // The latest item of each card kept, for what its buttons report.
  std::map<const BigItemCard*, engine::BigItem> shownItems_;
};

}  // namespace tidewell::screens
