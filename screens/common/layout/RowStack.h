#pragma once
// A column of rows, spacing apart, each as wide as the column: hand it the
// rows in the order to show (setRows) and it places them; it owns the rows
// it holds. Rows it is no longer given are taken out of the column but
// left to the caller (KeyedWidgets deletes the ones whose record is gone),
// as AdaptiveGrid does with its cells. GUI thread only.

#include <QList>
#include <QWidget>

class QVBoxLayout;

namespace tidewell::screens {

class RowStack : public QWidget {
  Q_OBJECT
 public:
  explicit RowStack(int spacing, QWidget* parent = nullptr);

  // Shows exactly rows, in this order (each becomes a child of the stack).
  void setRows(const QList<QWidget*>& rows);
  QList<QWidget*> rows() const;

 private:
  QVBoxLayout* column_;
};

}  // namespace tidewell::screens
