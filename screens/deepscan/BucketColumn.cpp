#include "screens/deepscan/BucketColumn.h"

#include <QVBoxLayout>

#include "screens/common/ObjectNames.h"

namespace tidewell::screens {

BucketColumn::BucketColumn(QWidget* parent) : ScrollColumn(parent) {
  named(this, "bucketColumn");
  setFixedWidth(240);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  column()->setContentsMargins(14, 14, 14, 14);
  column()->setSpacing(6);
  column()->addStretch(1);
}

void BucketColumn::setRows(const std::vector<RiskRowValues>& rows) {
  const QList<RiskRow*> ordered = rows_.sync(
      rows, [](const RiskRowValues& values) { return rawValue(values.bucket); },
      [this](const RiskRowValues& values) {
        auto* row = new RiskRow(values, content());
        // The row is kept per bucket: its bucket never changes.
        connect(row, &RiskRow::viewRequested, this,
                [this, bucket = values.bucket] { Q_EMIT picked(bucket); });
        return row;
      },
      [](RiskRow* row, const RiskRowValues& values) { row->setValues(values); });
  // Re-stack in bucket order, above the closing stretch.
  for (RiskRow* row : ordered) column()->removeWidget(row);
  for (int i = 0; i < ordered.size(); ++i) {
    column()->insertWidget(i, ordered[i]);
    ordered[i]->setVisible(true);
  }
}

}  // namespace tidewell::screens
