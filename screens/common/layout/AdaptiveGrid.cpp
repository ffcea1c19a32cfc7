#include "screens/common/layout/AdaptiveGrid.h"

namespace tidewell::screens {

AdaptiveGrid::AdaptiveGrid(AdaptiveGridMetrics metrics, QWidget* parent)
    : QWidget(parent), grid_(new AdaptiveGridLayout(metrics, this)) {
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

void AdaptiveGrid::setCells(const QList<QWidget*>& cells) {
  while (QLayoutItem* item = grid_->takeAt(0)) {
    QWidget* old = item->widget();
    delete item;
    if (old && !cells.contains(old)) old->hide();
  }
  for (QWidget* cell : cells) {
    grid_->insertWidget(-1, cell);
    cell->show();
  }
  grid_->invalidate();
  updateGeometry();
}

QList<QWidget*> AdaptiveGrid::cells() const {
  QList<QWidget*> out;
  for (int i = 0; i < grid_->count(); ++i)
    if (QWidget* w = grid_->itemAt(i)->widget()) out.append(w);
  return out;
}

}  // namespace tidewell::screens
