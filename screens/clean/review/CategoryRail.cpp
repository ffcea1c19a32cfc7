#include "screens/clean/review/CategoryRail.h"

#include <QVBoxLayout>

#include "screens/clean/review/CategoryRow.h"
#include "screens/common/ObjectNames.h"

namespace tidewell::screens {

CategoryRail::CategoryRail(QWidget* parent) : ScrollColumn(parent) {
  setObjectName(QStringLiteral("categoryRail"));
  setFixedWidth(258);
  column()->setContentsMargins(14, 14, 14, 14);
  column()->setSpacing(6);
  column()->addStretch(1);
}

void CategoryRail::setRows(const std::vector<Row>& rows) {
  rows_ = keyed_.sync(
      rows, [](const Row& row) { return int(row.category); },
      [&](const Row& row) {
        auto* widget = new CategoryRow;
        const engine::CleanupCategory category = row.category;
        connect(widget, &CategoryRow::toggleRequested, this,
                [this, category] { Q_EMIT toggleRequested(category); });
        connect(widget, &CategoryRow::viewRequested, this,
                [this, category] { Q_EMIT viewRequested(category); });
        widget->setContent(row.content);
        return widget;
      },
      [](CategoryRow* widget, const Row& row) { widget->setContent(row.content); });
  // In the rows' order, above the closing stretch.
  for (CategoryRow* row : rows_) column()->removeWidget(row);
  for (int i = 0; i < rows_.size(); ++i) column()->insertWidget(i, rows_[i]);
}

}  // namespace tidewell::screens
