#pragma once
// The review screen's left rail: a scroll column 258 wide holding one
// CategoryRow per category, 6 apart and padded 14. The screen hands it
// the rows' texts; it says which category's tick box was clicked
// (toggleRequested) and which row (viewRequested).
// objectName "categoryRail". GUI thread only.

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
  explicit CategoryRail(QWidget* parent = nullptr);

  struct Row {
    engine::CleanupCategory category;
    RailRowContent content;
  };
  void setRows(const std::vector<Row>& rows);
  QList<CategoryRow*> rows() const { return rows_; }

 Q_SIGNALS:
  void toggleRequested(engine::CleanupCategory category);
  void viewRequested(engine::CleanupCategory category);

 private:
  KeyedWidgets<CategoryRow, int> keyed_;
  QList<CategoryRow*> rows_;
};

}  // namespace tidewell::screens
