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

void BucketColumn::show(const std::vector<RiskRowValues>& rows) {
  auto viewAction = [this](RiskBucket bucket) { return [this, bucket] { Q_EMIT picked(bucket); }; };
  const QList<RiskRow*> ordered = rows_.sync(
      rows, [](const RiskRowValues& values) { return rawValue(values.bucket); },
      [&](const RiskRowValues& values) { return new RiskRow(values, viewAction(values.bucket), content()); },
      [&](RiskRow* row, const RiskRowValues& values) {
        row->setValues(values);
        row->setView(viewAction(values.bucket));
      });
  // Re-stack in bucket order, above the closing stretch.
  for (RiskRow* row : ordered) column()->removeWidget(row);
  for (int i = 0; i < ordered.size(); ++i) {
    column()->insertWidget(i, ordered[i]);
    ordered[i]->setVisible(true);
  }
}

}  // namespace tidewell::screens
