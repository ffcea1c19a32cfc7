#pragma once
// The review screen's left rail: a scroll column 258 wide holding one
// CategoryRow per category, 6 apart and padded 14. The screen hands it
// the rows' texts and what a row's tick box and a click on a row do.
// objectName "categoryRail". GUI thread only.

#include <functional>
#include <vector>

#include "engine/clean/CleanupCategory.h"
#include "screens/clean/rules/ReviewRules.h"
#include "screens/common/layout/KeyedWidgets.h"
#include "screens/common/layout/ScrollColumn.h"

namespace tidewell::screens {

class CategoryRow;

class CategoryRail : public ScrollColumn {
  Q_OBJECT
 public:
  using CategoryAction = std::function<void(engine::CleanupCategory)>;

  CategoryRail(CategoryAction toggle, CategoryAction view, QWidget* parent = nullptr);

  struct Row {
    engine::CleanupCategory category;
    RailRowTexts texts;
  };
  void setRows(const std::vector<Row>& rows);
  QList<CategoryRow*> rows() const { return rows_; }

 private:
  CategoryAction toggle_;
  CategoryAction view_;
  KeyedWidgets<CategoryRow, int> keyed_;
  QList<CategoryRow*> rows_;
};

}  // namespace tidewell::screens
