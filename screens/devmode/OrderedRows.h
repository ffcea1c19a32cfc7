#pragma once
// The rows a column shows, in order, at the head of its layout (ahead of
// whatever the column keeps after them: a card, a closing stretch). Rows
// come from KeyedWidgets::sync; those no longer given leave on their own.
// GUI thread only.

#include <QList>
#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>

namespace tidewell::screens {

class OrderedRows {
 public:
  explicit OrderedRows(QVBoxLayout* column) : column_(column) {}

  template <typename W>
  void place(const QList<W*>& rows) {
    for (const QPointer<QWidget>& row : shown_)
      if (row) column_->removeWidget(row);
    shown_.clear();
    for (int at = 0; at < rows.size(); ++at) {
      column_->insertWidget(at, rows[at]);
      rows[at]->show();
      shown_.append(rows[at]);
    }
  }

  QList<QWidget*> rows() const {
    QList<QWidget*> out;
    for (const QPointer<QWidget>& row : shown_)
      if (row) out.append(row);
    return out;
  }

 private:
  QVBoxLayout* column_;
  QList<QPointer<QWidget>> shown_;
};

}  // namespace tidewell::screens
