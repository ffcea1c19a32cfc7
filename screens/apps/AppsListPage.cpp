#include "screens/apps/AppsListPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/Color.h"
#include "design/ScreenHeader.h"
#include "screens/apps/AppGrid.h"
#include "screens/apps/AppsSortMenu.h"
#include "screens/apps/AppsTexts.h"
#include "screens/apps/PlanBuildingOverlay.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/views/ResultBanner.h"

namespace tidewell::screens {

using Model = models::AppsViewModel;

namespace {

constexpr int kPadding = 28;
constexpr int kSpacing = 16;
// The overlay's capsule sits this far above the scroll view's bottom edge.
constexpr int kOverlayBottom = 18;

BannerLook bannerLook(const UninstallBannerContent& content) {
  BannerLook look;
  look.card = {18, 14, content.tint, false, false};
  look.spacing = 12;
  look.symbol = content.symbol;
  look.symbolColour = content.tint;
  look.symbolSize = 18;
  look.symbolWeight = design::FontWeight::Regular;
  look.title = textStyle(12.5, design::FontWeight::Semibold);
  look.message = textStyle(11, design::FontWeight::Regular, design::Color::secondaryText()).lines(2);
  look.textSpacing = 2;
  return look;
}

}  // namespace

AppsListPage::AppsListPage(std::shared_ptr<Model> model, std::shared_ptr<AppIconProvider> icons,
                           models::Clock clock, QColor destructiveRed, QWidget* parent)
    : QWidget(parent), model_(std::move(model)), clock_(std::move(clock)) {
  setObjectName(QStringLiteral("appsList"));
  scroll_ = named(new ScrollColumn(this), "appsScroll");
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(scroll_);

  QWidget* content = scroll_->content();
  header_ = named(new design::ScreenHeader(QStringLiteral("Apps"), QString(), content), "header");
  const std::weak_ptr<Model> weak = model_;
  sortMenu_ = named(new AppsSortMenu(
                        model_->sortOrder(),
                        [weak](Model::SortOrder order) {
                          if (auto model = weak.lock()) model->setSortOrder(order);
                        },
                        content),
                    "sortMenu");
  grid_ = new AppGrid(
      destructiveRed, std::move(icons),
      [weak](const engine::InstalledApp& app) {
        // Runs to its end on its own; the sheet opens when the plan is in.
        if (auto model = weak.lock()) model->prepareUninstall(app);
      },
      content);

  auto* headerRow = new QHBoxLayout;
  headerRow->setContentsMargins(0, 0, 0, 0);
  headerRow->setSpacing(12);
  headerRow->addWidget(header_, 1, Qt::AlignTop);
  headerRow->addWidget(sortMenu_, 0, Qt::AlignTop);

  QVBoxLayout* column = scroll_->column();
  column->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
  column->setSpacing(kSpacing);
  column->addLayout(headerRow);
  column->addWidget(grid_);
  column->addStretch(1);

  overlay_ = new PlanBuildingOverlay(this);

  connect(model_.get(), &Model::appsChanged, this, [this] {
    showSummary();
    showGrid();
  });
  connect(model_.get(), &Model::sortOrderChanged, this, [this] {
    sortMenu_->setCurrent(model_->sortOrder());
    showGrid();
  });
  connect(model_.get(), &Model::lastResultChanged, this, &AppsListPage::showBanner);
  connect(model_.get(), &Model::isBuildingPlanChanged, this, &AppsListPage::showOverlay);
  showSummary();
  showGrid();
  showBanner();
  showOverlay();
}

void AppsListPage::showSummary() {
  header_->setSubtitle(appsSummaryLine(model_->apps().size(), model_->totalBytes()));
}

void AppsListPage::showGrid() { grid_->showApps(model_->sortedApps(), clock_.now()); }

void AppsListPage::showBanner() {
  const auto& result = model_->lastResult();
  if (!result) {
    if (banner_) {
      // Later: the banner's own close button may be what cleared the result.
      banner_->hide();
      banner_->deleteLater();
      banner_ = nullptr;
    }
    return;
  }
  const UninstallBannerContent content = uninstallBannerContent(*result);
  if (!banner_) {
    banner_ = named(new ResultBanner(bannerLook(content), scroll_->content()), "resultBanner");
    const std::weak_ptr<Model> weak = model_;
    connect(banner_, &ResultBanner::dismissed, this, [weak] {
      if (auto model = weak.lock()) model->setLastResult(std::nullopt);
    });
    // Between the header row and the grid.
    scroll_->column()->insertWidget(1, banner_);
  } else {
    banner_->setLook(bannerLook(content));
  }
  banner_->setText(content.title, content.detail);
}

void AppsListPage::showOverlay() {
  overlay_->setVisible(model_->isBuildingPlan());
  if (overlay_->isVisible()) {
    overlay_->raise();
    placeOverlay();
  }
}

void AppsListPage::placeOverlay() { overlay_->placeAt(QPoint(width() / 2, height() - kOverlayBottom)); }

void AppsListPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeOverlay();
}

}  // namespace tidewell::screens
