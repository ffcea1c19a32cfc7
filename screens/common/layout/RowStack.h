#pragma once
// A column of rows, spacing apart, each as wide as the column: an adaptive
// grid that never has room for a second column. Hand it the rows in the
// order to show (setRows); rows it is no longer given are taken out but
// left to the caller (KeyedWidgets deletes the ones whose record is gone).
// GUI thread only.

#include "screens/common/layout/AdaptiveGrid.h"

namespace tidewell::screens {

class RowStack : public AdaptiveGrid {
  Q_OBJECT
 public:
  explicit RowStack(int spacing, QWidget* parent = nullptr);

  template <typename Row>
  void setRows(const QList<Row*>& rows) {
    setCells({rows.begin(), rows.end()});
  }
  // The rows that are a Row, in order.
  template <typename Row>
  QList<Row*> rows() const {
    QList<Row*> out;
    for (QWidget* cell : cells())
      if (auto* row = qobject_cast<Row*>(cell)) out.append(row);
    return out;
  }
};

}  // namespace tidewell::screens
