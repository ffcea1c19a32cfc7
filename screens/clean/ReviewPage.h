#pragma once
// The Clean section's page while the Clean model is in review: what the
// scan found, by category (a rail on the left, the viewed category's items
// on the right), with the selection buttons, and a footer with the picked
// size, the free space after cleaning, "Back" and "Clean Up"; or, when the
// scan found nothing, the empty state with "Scan Again". Every selection
// change is the model's; the page follows the model's changes and the
// volume model's free bytes, and keeps only which category the user chose
// to view, starting with none (the first category).
//
// The window owns the Clean model and the volume model; the page shares
// them (a null volume model counts as nothing free). objectName "reviewPage";
// children: see ReviewHeader, CategoryRail, ItemsPane, ReviewFooter,
// ReviewEmptyState. GUI thread only.

#include <QWidget>
#include <memory>
#include <optional>

#include "engine/clean/CleanupCategory.h"
#include "engine/clean/CleanupItem.h"
#include "screens/clean/rules/ReviewRules.h"
#include "screens/common/BoolBinding.h"

class QStackedLayout;

namespace tidewell::models {
class CleanupViewModel;
class VolumeModel;
}  // namespace tidewell::models

namespace tidewell::screens {

class CategoryRail;
class ItemsPane;
class ReviewFooter;
class ReviewEmptyState;
class ReviewHeader;

class ReviewPage : public QWidget {
  Q_OBJECT
 public:
  ReviewPage(std::shared_ptr<models::CleanupViewModel> model, std::shared_ptr<models::VolumeModel> volume,
             QWidget* parent = nullptr);

  // The model's figures and the free bytes, as the rules take them.
  ReviewSnapshot snapshot() const;
  // The category the right pane shows (none when nothing was found).
  std::optional<engine::CleanupCategory> viewedCategory() const;
  // The rail's tick box: fills a category not fully picked, clears a full one.
  void toggle(engine::CleanupCategory category);

 private:
  void refresh();
  void view(engine::CleanupCategory category);
  // The binding of an item chip to the item's pick.
  BoolBinding pickOf(const engine::CleanupItem& item) const;

  std::shared_ptr<models::CleanupViewModel> model_;
  std::shared_ptr<models::VolumeModel> volume_;
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
