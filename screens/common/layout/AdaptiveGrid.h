#pragma once
// A widget holding cards in an AdaptiveGridLayout: hand it the cards in
// the order to show (setCells) and it places them; it owns the cards it
// holds. Cards it is no longer given are taken out of the grid but left to
// the caller (KeyedWidgets deletes the ones whose record is gone). GUI
// thread only.

#include <QList>
#include <QWidget>

#include "screens/common/layout/AdaptiveGridLayout.h"

namespace tidewell::screens {

class AdaptiveGrid : public QWidget {
  Q_OBJECT
 public:
  explicit AdaptiveGrid(AdaptiveGridMetrics metrics, QWidget* parent = nullptr);

  // Shows exactly cells, in this order (each becomes a child of the grid).
  void setCells(const QList<QWidget*>& cells);
  QList<QWidget*> cells() const;
  int columnCount() const { return grid_->columnCount(); }
  AdaptiveGridLayout* gridLayout() const { return grid_; }

 private:
  AdaptiveGridLayout* grid_;
};

}  // namespace tidewell::screens
