#include "screens/clean/ReviewPage.h"

#include <QHBoxLayout>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "screens/clean/review/CategoryRail.h"
#include "screens/clean/review/ReviewEmptyState.h"
#include "screens/clean/review/ReviewFooter.h"
#include "screens/clean/review/ReviewHeader.h"
#include "screens/common/layout/HairlineRule.h"

namespace tidewell::screens {

using engine::CleanupCategory;

ReviewPage::ReviewPage(const ReviewSnapshot& figures, const std::vector<engine::CleanupItem>& items,
                       ItemsPane::BindingFor pickOf, QWidget* parent)
    : QWidget(parent), figures_(figures), items_(items), pages_(new QStackedLayout(this)) {
  setObjectName(QStringLiteral("reviewPage"));
  empty_ = new ReviewEmptyState;
  connect(empty_, &ReviewEmptyState::scanAgainRequested, this, &ReviewPage::scanAgainRequested);

  review_ = new QWidget;
  auto* column = new QVBoxLayout(review_);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  header_ = new ReviewHeader;
  connect(header_, &ReviewHeader::safeOnlyRequested, this, &ReviewPage::safeOnlyRequested);
  connect(header_, &ReviewHeader::allRequested, this, &ReviewPage::allRequested);
  connect(header_, &ReviewHeader::noneRequested, this, &ReviewPage::noneRequested);
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
  pane_ = new ItemsPane(std::move(pickOf));
  connect(pane_, &ItemsPane::smartRequested, this, [this] {
    if (auto category = viewedCategory()) Q_EMIT categorySafeOnlyRequested(*category);
  });
  connect(pane_, &ItemsPane::allRequested, this, [this] {
    if (auto category = viewedCategory()) Q_EMIT categorySelectionRequested(*category, true);
  });
  connect(pane_, &ItemsPane::noneRequested, this, [this] {
    if (auto category = viewedCategory()) Q_EMIT categorySelectionRequested(*category, false);
  });
  body->addWidget(pane_, 1);
  column->addLayout(body, 1);

  footer_ = new ReviewFooter;
  connect(footer_, &ReviewFooter::backRequested, this, &ReviewPage::backRequested);
  connect(footer_, &ReviewFooter::cleanRequested, this, &ReviewPage::cleanRequested);
  column->addWidget(footer_);

  pages_->addWidget(empty_);
  pages_->addWidget(review_);
  refresh();
}

void ReviewPage::setValues(const ReviewSnapshot& figures, const std::vector<engine::CleanupItem>& items) {
  figures_ = figures;
  items_ = items;
  refresh();
}

std::optional<CleanupCategory> ReviewPage::viewedCategory() const {
  return screens::viewedCategory(figures_.categories, viewing_);
}

void ReviewPage::toggle(CleanupCategory category) {
  for (const CategoryFigures& figures : figures_.categories)
    if (figures.category == category) Q_EMIT categorySelectionRequested(category, railToggleSelects(figures));
}

void ReviewPage::view(CleanupCategory category) {
  viewing_ = category;
  refresh();
}

void ReviewPage::refresh() {
  const bool found = figures_.itemCount > 0;
  pages_->setCurrentWidget(found ? review_ : empty_);
  if (!found) return;
  const std::optional<CleanupCategory> viewed = viewedCategory();
  header_->setTitle(foundTitle(figures_.totalBytes));
  std::vector<CategoryRail::Row> rows;
  for (const CategoryFigures& category : figures_.categories)
    rows.push_back({category.category, railRowContent(category, viewed)});
  rail_->setRows(rows);
  if (viewed) {
    int64_t bytes = 0;
    for (const CategoryFigures& category : figures_.categories)
      if (category.category == *viewed) bytes = category.bytes;
    std::vector<engine::CleanupItem> inViewed;
    for (const engine::CleanupItem& item : items_)
      if (item.target.category == *viewed) inViewed.push_back(item);
    pane_->showCategory(viewed, bytes, inViewed);
  } else {
    pane_->showCategory(std::nullopt, 0, {});
  }
  footer_->setContent(footerContent(figures_));
}

}  // namespace tidewell::screens
