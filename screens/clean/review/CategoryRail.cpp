#include "screens/clean/review/CategoryRail.h"

#include <QVBoxLayout>

#include "screens/clean/review/CategoryRow.h"
#include "screens/common/ObjectNames.h"

namespace tidewell::screens {

CategoryRail::CategoryRail(CategoryAction toggle, CategoryAction view, QWidget* parent)
    : ScrollColumn(parent), toggle_(std::move(toggle)), view_(std::move(view)) {
  setObjectName(QStringLiteral("categoryRail"));
  setFixedWidth(258);
  column()->setContentsMargins(14, 14, 14, 14);
  column()->setSpacing(6);
  column()->addStretch(1);
}

void CategoryRail::setRows(const std::vector<Row>& rows) {
  auto actionsOf = [this](engine::CleanupCategory category) {
    return std::pair<std::function<void()>, std::function<void()>>{[this, category] { toggle_(category); },
                                                                   [this, category] { view_(category); }};
  };
  rows_ = keyed_.sync(
      rows, [](const Row& row) { return int(row.category); },
      [&](const Row& row) {
        auto [toggle, view] = actionsOf(row.category);
        auto* widget = new CategoryRow(toggle, view);
        widget->setTexts(row.texts);
        return widget;
      },
      [](CategoryRow* widget, const Row& row) { widget->setTexts(row.texts); });
  // In the rows' order, above the closing stretch.
  for (CategoryRow* row : rows_) column()->removeWidget(row);
  for (int i = 0; i < rows_.size(); ++i) column()->insertWidget(i, rows_[i]);
}

}  // namespace tidewell::screens
