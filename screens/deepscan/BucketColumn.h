#pragma once
// The Deep Scan bucket column: a scroll view 240 wide with one RiskRow per
// bucket that holds items, in bucket order, 6 apart, padded 14. Rows are
// kept per bucket across updates, so a row keeps its hover state while its
// counts change. A row's tap reports picked(bucket). Named "bucketColumn".
// GUI thread only.

#include <vector>

#include "screens/common/layout/KeyedWidgets.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/deepscan/RiskBucket.h"
#include "screens/deepscan/RiskRow.h"

namespace tidewell::screens {

class BucketColumn : public ScrollColumn {
  Q_OBJECT
 public:
  explicit BucketColumn(QWidget* parent = nullptr);

  // Shows exactly rows, in this order.
  void setRows(const std::vector<RiskRowValues>& rows);

 Q_SIGNALS:
  void picked(RiskBucket bucket);

 private:
  KeyedWidgets<RiskRow, QString> rows_;
};

}  // namespace tidewell::screens
