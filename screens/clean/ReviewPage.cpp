#include "screens/clean/ReviewPage.h"

#include <QHBoxLayout>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "models/VolumeModel.h"
#include "models/clean/CleanupViewModel.h"
#include "screens/clean/review/CategoryRail.h"
#include "screens/clean/review/ItemsPane.h"
#include "screens/clean/review/ReviewEmptyState.h"
#include "screens/clean/review/ReviewFooter.h"
#include "screens/clean/review/ReviewHeader.h"
#include "screens/common/ModelCall.h"
#include "screens/common/layout/HairlineRule.h"

namespace tidewell::screens {

using engine::CleanupCategory;
using models::CleanupViewModel;

ReviewPage::ReviewPage(std::shared_ptr<CleanupViewModel> model, std::shared_ptr<models::VolumeModel> volume,
                       QWidget* parent)
    : QWidget(parent),
      model_(std::move(model)),
      volume_(std::move(volume)),
      pages_(new QStackedLayout(this)) {
  setObjectName(QStringLiteral("reviewPage"));
  using Model = CleanupViewModel;
  empty_ = new ReviewEmptyState;
  connect(empty_, &ReviewEmptyState::scanAgainRequested, this, modelCall(model_, [](Model& m) { m.scan(); }));

  review_ = new QWidget;
  auto* column = new QVBoxLayout(review_);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  header_ = new ReviewHeader;
  connect(header_, &ReviewHeader::safeOnlyRequested, this,
          modelCall(model_, [](Model& m) { m.selectSafeOnly(); }));
  connect(header_, &ReviewHeader::allRequested, this, modelCall(model_, [](Model& m) { m.selectAll(true); }));
  connect(header_, &ReviewHeader::noneRequested, this,
          modelCall(model_, [](Model& m) { m.selectAll(false); }));
  column->addWidget(header_);

  auto* body = new QHBoxLayout;
  body->setSpacing(0);
  rail_ = new CategoryRail;
  connect(rail_, &CategoryRail::toggleRequested, this, &ReviewPage::toggle);
  connect(rail_, &CategoryRail::viewRequested, this, &ReviewPage::view);
  body->addWidget(rail_);
  body->addWidget(new HairlineRule(Qt::Vertical));
  // The pane's buttons act on the category it shows; the pane lives inside
  // this page, so the page is there to say which.
  auto inViewed = [this](auto action) {
    return modelCall(model_, [this, action](Model& m) {
      if (auto category = viewedCategory()) action(m, *category);
    });
  };
  pane_ = new ItemsPane([this](const engine::CleanupItem& item) { return pickOf(item); });
  connect(pane_, &ItemsPane::smartRequested, this,
          inViewed([](Model& m, CleanupCategory c) { m.selectSafeOnly(c); }));
  connect(pane_, &ItemsPane::allRequested, this,
          inViewed([](Model& m, CleanupCategory c) { m.setSelected(true, c); }));
  connect(pane_, &ItemsPane::noneRequested, this,
          inViewed([](Model& m, CleanupCategory c) { m.setSelected(false, c); }));
  body->addWidget(pane_, 1);
  column->addLayout(body, 1);

  footer_ = new ReviewFooter;
  connect(footer_, &ReviewFooter::backRequested, this, modelCall(model_, [](Model& m) { m.reset(); }));
  connect(footer_, &ReviewFooter::cleanRequested, this, modelCall(model_, [](Model& m) { m.clean(); }));
  column->addWidget(footer_);

  pages_->addWidget(empty_);
  pages_->addWidget(review_);

  connect(model_.get(), &CleanupViewModel::changed, this, &ReviewPage::refresh);
  if (volume_) connect(volume_.get(), &models::VolumeModel::freeBytesChanged, this, &ReviewPage::refresh);
  refresh();
}

ReviewSnapshot ReviewPage::snapshot() const {
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

std::optional<CleanupCategory> ReviewPage::viewedCategory() const {
  return screens::viewedCategory(snapshot().categories, viewing_);
}

void ReviewPage::toggle(CleanupCategory category) {
  for (const CategoryFigures& figures : snapshot().categories)
    if (figures.category == category) model_->setSelected(railToggleSelects(figures), category);
}

void ReviewPage::view(CleanupCategory category) {
  viewing_ = category;
  refresh();
}

BoolBinding ReviewPage::pickOf(const engine::CleanupItem& item) const {
  // A chip lives inside this page, which holds the model: it reads the
  // pick through the page, and writes it as every button does.
  const std::string id = item.id();
  return {[this, id] { return model_->isSelected(id); },
          [pick = modelCall(model_, [id](CleanupViewModel& m) { m.setSelected(id, true); }),
           unpick = modelCall(model_, [id](CleanupViewModel& m) { m.setSelected(id, false); })](bool on) {
            on ? pick() : unpick();
          }};
}

void ReviewPage::refresh() {
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
