#include "screens/clean/ReviewView.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "models/VolumeModel.h"
#include "models/clean/CleanupViewModel.h"
#include "screens/clean/review/CategoryRail.h"
#include "screens/clean/review/ItemsPane.h"
#include "screens/clean/review/ReviewEmptyState.h"
#include "screens/clean/review/ReviewFooter.h"
#include "screens/clean/review/ReviewHeader.h"
#include "screens/common/layout/HairlineRule.h"

namespace tidewell::screens {

using engine::CleanupCategory;
using models::CleanupViewModel;

ReviewView::ReviewView(std::shared_ptr<CleanupViewModel> model, std::shared_ptr<models::VolumeModel> volume,
                       QWidget* parent)
    : QWidget(parent),
      model_(std::move(model)),
      volume_(std::move(volume)),
      pages_(new QStackedLayout(this)) {
  setObjectName(QStringLiteral("reviewView"));
  // The buttons reach the model through a guard, so a button pressed while
  // the window tears down does nothing.
  QPointer<CleanupViewModel> guarded(model_.get());
  auto onModel = [guarded](auto action) {
    return [guarded, action] {
      if (guarded) action(*guarded);
    };
  };

  empty_ = new ReviewEmptyState(onModel([](CleanupViewModel& m) { m.scan(); }));

  review_ = new QWidget;
  auto* column = new QVBoxLayout(review_);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  header_ = new ReviewHeader({onModel([](CleanupViewModel& m) { m.selectSafeOnly(); }),
                              onModel([](CleanupViewModel& m) { m.selectAll(true); }),
                              onModel([](CleanupViewModel& m) { m.selectAll(false); })});
  column->addWidget(header_);

  auto* body = new QHBoxLayout;
  body->setSpacing(0);
  rail_ = new CategoryRail([this](CleanupCategory c) { toggle(c); }, [this](CleanupCategory c) { view(c); });
  body->addWidget(rail_);
  body->addWidget(new HairlineRule(Qt::Vertical));
  auto inViewed = [this, guarded](auto action) {
    return [this, guarded, action] {
      if (!guarded) return;
      if (auto category = viewedCategory()) action(*guarded, *category);
    };
  };
  pane_ =
      new ItemsPane({inViewed([](CleanupViewModel& m, CleanupCategory c) { m.selectSafeOnly(c); }),
                     inViewed([](CleanupViewModel& m, CleanupCategory c) { m.setSelected(true, c); }),
                     inViewed([](CleanupViewModel& m, CleanupCategory c) { m.setSelected(false, c); }),
                     [guarded](const engine::CleanupItem& item) {
                       const std::string id = item.id();
                       return BoolBinding{[guarded, id] { return guarded ? guarded->isSelected(id) : false; },
                                          [guarded, id](bool on) {
                                            if (guarded) guarded->setSelected(id, on);
                                          }};
                     }});
  body->addWidget(pane_, 1);
  column->addLayout(body, 1);

  footer_ = new ReviewFooter({[this] { reset(); }, onModel([](CleanupViewModel& m) { m.clean(); })});
  column->addWidget(footer_);

  pages_->addWidget(empty_);
  pages_->addWidget(review_);

  connect(model_.get(), &CleanupViewModel::changed, this, &ReviewView::refresh);
  if (volume_) connect(volume_.get(), &models::VolumeModel::freeBytesChanged, this, &ReviewView::refresh);
  refresh();
}

ReviewSnapshot ReviewView::snapshot() const {
  ReviewSnapshot snapshot;
  for (CleanupCategory category : model_->categories())
    snapshot.categories.push_back({category, qsizetype(model_->items(category).size()),
                                   qsizetype(model_->selectedCount(category)), model_->bytes(category)});
  snapshot.itemCount = qsizetype(model_->items().size());
  snapshot.selectedCount = qsizetype(model_->selectedItems().size());
  snapshot.totalBytes = model_->totalBytes();
  snapshot.selectedBytes = model_->selectedBytes();
  snapshot.freeBytes = volume_ ? volume_->freeBytes() : 0;
  return snapshot;
}

std::optional<CleanupCategory> ReviewView::viewedCategory() const {
  return screens::viewedCategory(snapshot().categories, viewing_);
}

void ReviewView::toggle(CleanupCategory category) {
  for (const CategoryFigures& figures : snapshot().categories)
    if (figures.category == category) model_->setSelected(railToggleSelects(figures), category);
}

void ReviewView::view(CleanupCategory category) {
  viewing_ = category;
  refresh();
}

void ReviewView::reset() { model_->reset(); }

void ReviewView::refresh() {
  const ReviewSnapshot figures = snapshot();
  const bool found = figures.itemCount > 0;
  pages_->setCurrentWidget(found ? review_ : empty_);
  if (!found) return;
  const std::optional<CleanupCategory> viewed = screens::viewedCategory(figures.categories, viewing_);
  header_->setTitle(foundTitle(figures.totalBytes));
  std::vector<CategoryRail::Row> rows;
  for (const CategoryFigures& category : figures.categories)
    rows.push_back({category.category, railRowTexts(category, viewed)});
  rail_->setRows(rows);
  if (viewed)
    pane_->showCategory(viewed, model_->bytes(*viewed), model_->items(*viewed));
  else
    pane_->showCategory(std::nullopt, 0, {});
  footer_->setTexts(footerTexts(figures));
}

}  // namespace tidewell::screens
