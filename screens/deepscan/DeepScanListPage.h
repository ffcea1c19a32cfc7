#pragma once
// The Deep Scan screen after a scan: the header with the item count and
// total and "Rescan" ("rescanButton"), then either the empty state or the
// split view of the bucket column, a hairline and the shown bucket's
// detail. It shows what it is given (setValues()) and reports every action by
// a signal. GUI thread only.

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "engine/deepscan/BigItem.h"
#include "engine/deepscan/BigItemScanner.h"
#include "screens/deepscan/BigItemCard.h"
#include "screens/deepscan/RiskBucket.h"

class QVBoxLayout;

namespace tidewell::design {
class ScreenHeader;
}

namespace tidewell::screens {

class BucketColumn;
class BucketDetailPane;

// What the list shows: the model's items and last outcome, and the bucket
// the user last picked.
struct DeepScanListValues {
  std::vector<engine::BigItem> items;
  std::optional<engine::BigItemScanner::TrashOutcome> lastResult;
  std::optional<RiskBucket> viewing;
};

class DeepScanListPage : public QWidget {
  Q_OBJECT
 public:
  DeepScanListPage(std::shared_ptr<platform::Clipboard> clipboard, DelayedCall copyDelay,
                   QWidget* parent = nullptr);

  void setValues(const DeepScanListValues& values);

 Q_SIGNALS:
  void rescanClicked();
  void bucketPicked(RiskBucket bucket);
  void revealRequested(const engine::BigItem& item);
  void trashRequested(const engine::BigItem& item);
  void resultDismissed();

 private:
  void showSplit(const DeepScanListValues& values);
  void clearBody();

  std::shared_ptr<platform::Clipboard> clipboard_;
  DelayedCall copyDelay_;
  design::ScreenHeader* header_;
  QVBoxLayout* body_;
  QWidget* empty_ = nullptr;
  QWidget* split_ = nullptr;
  BucketColumn* column_ = nullptr;
  BucketDetailPane* detail_ = nullptr;
};

}  // namespace tidewell::screens
