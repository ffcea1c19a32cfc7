#include "screens/common/layout/RowStack.h"

#include <QVBoxLayout>

namespace tidewell::screens {

RowStack::RowStack(int spacing, QWidget* parent) : QWidget(parent), column_(new QVBoxLayout(this)) {
  column_->setContentsMargins(0, 0, 0, 0);
  column_->setSpacing(spacing);
}

void RowStack::setRows(const QList<QWidget*>& rows) {
  while (QLayoutItem* item = column_->takeAt(0)) {
    QWidget* old = item->widget();
    delete item;
    if (old && !rows.contains(old)) old->hide();
  }
  for (QWidget* row : rows) {
    column_->addWidget(row);
    row->show();
  }
  updateGeometry();
}

QList<QWidget*> RowStack::rows() const {
  QList<QWidget*> out;
  for (int i = 0; i < column_->count(); ++i)
    if (QWidget* w = column_->itemAt(i)->widget()) out.append(w);
  return out;
}

}  // namespace tidewell::screens
