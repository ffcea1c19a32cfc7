#pragma once
// The Clean section's page while the Clean model is in review: what the
// scan found, by category (a rail on the left, the viewed category's items
// on the right), with the selection buttons, and a footer with the picked
// size, the free space after cleaning, "Back" and "Clean Up"; or, when the
// scan found nothing, the empty state with "Scan Again". It shows the
// figures and items it is given (the Clean screen hands it new ones
// whenever the Clean model or the free bytes change) and reports every
// button by a signal; an item chip reads and writes its pick through the
// binding the screen gives for it. It keeps only which category the user
// chose to view, starting with none (the first category).
//
// objectName "reviewPage"; children: see ReviewHeader, CategoryRail,
// ItemsPane, ReviewFooter, ReviewEmptyState. GUI thread only.

#include <QWidget>
#include <optional>
#include <vector>

#include "engine/clean/CleanupCategory.h"
#include "engine/clean/CleanupItem.h"
#include "screens/clean/review/ItemsPane.h"
#include "screens/clean/rules/ReviewRules.h"

class QStackedLayout;

namespace tidewell::screens {

class CategoryRail;
class ReviewFooter;
class ReviewEmptyState;
class ReviewHeader;

class ReviewPage : public QWidget {
  Q_OBJECT
 public:
  // figures: the model's figures and the free bytes; items: every item
  // found, in the model's order; pickOf: the binding of an item chip to
  // the item's pick.
  ReviewPage(const ReviewSnapshot& figures, const std::vector<engine::CleanupItem>& items,
             ItemsPane::BindingFor pickOf, QWidget* parent = nullptr);

  void setValues(const ReviewSnapshot& figures, const std::vector<engine::CleanupItem>& items);
  // The category the right pane shows (none when nothing was found).
  std::optional<engine::CleanupCategory> viewedCategory() const;

 Q_SIGNALS:
  void scanAgainRequested();
  // The header's "Safe only", "All" and "None", over every category.
  void safeOnlyRequested();
  void allRequested();
  void noneRequested();
  // Within one category: the pane's "Smart", and its "All" and "None" or
  // the rail's tick box.
  void categorySafeOnlyRequested(engine::CleanupCategory category);
  void categorySelectionRequested(engine::CleanupCategory category, bool selected);
  void backRequested();
  void cleanRequested();

 private:
  void refresh();
  void view(engine::CleanupCategory category);
  // The rail's tick box: fills a category not fully picked, clears a full one.
  void toggle(engine::CleanupCategory category);

  ReviewSnapshot figures_;
  std::vector<engine::CleanupItem> items_;
  std::optional<engine::CleanupCategory> viewing_;
  QStackedLayout* pages_;
  ReviewEmptyState* empty_;
  QWidget* review_;
  ReviewHeader* header_;
  CategoryRail* rail_;
  ItemsPane* pane_;
  ReviewFooter* footer_;
};

}  // namespace tidewell::screens
