#include "screens/apps/AppsListPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/ScreenHeader.h"
#include "design/theme/Color.h"
#include "screens/apps/AppGrid.h"
#include "screens/apps/AppsRules.h"
#include "screens/apps/AppsSortMenu.h"
#include "screens/apps/PlanBuildingOverlay.h"
#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/views/MessageBanner.h"

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
  sortMenu_ = named(new AppsSortMenu(model_->sortOrder(), content), "sortMenu");
  // Between the header row and the grid.
  banner_ = new MessageBanner(BannerLook{}, {}, content);
  grid_ = new AppGrid(destructiveRed, std::move(icons), content);

  auto* headerRow = new QHBoxLayout;
  headerRow->setContentsMargins(0, 0, 0, 0);
  headerRow->setSpacing(12);
  headerRow->addWidget(header_, 1, Qt::AlignTop);
  headerRow->addWidget(sortMenu_, 0, Qt::AlignTop);

  QVBoxLayout* column = scroll_->column();
  column->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
  column->setSpacing(kSpacing);
  column->addLayout(headerRow);
  column->addWidget(banner_);
  column->addWidget(grid_);
  column->addStretch(1);

  overlay_ = new PlanBuildingOverlay(this);

  connect(
      sortMenu_, &AppsSortMenu::chosen, this,
      modelCall<Model::SortOrder>(model_, [](Model& m, Model::SortOrder order) { m.setSortOrder(order); }));
  // Runs to its end on its own; the sheet opens when the plan is in.
  connect(grid_, &AppGrid::uninstallRequested, this,
          modelCall<const engine::InstalledApp&>(
              model_, [](Model& m, const engine::InstalledApp& app) { m.prepareUninstall(app); }));
  connect(banner_, &MessageBanner::dismissed, this,
          modelCall(model_, [](Model& m) { m.setLastResult(std::nullopt); }));
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

ResultBanner* AppsListPage::banner() const { return banner_->banner(); }

void AppsListPage::showBanner() {
  const auto& result = model_->lastResult();
  if (!result) {
    banner_->setMessage(std::nullopt);
    return;
  }
  const UninstallBannerContent content = uninstallBannerContent(*result);
  banner_->setMessage(bannerLook(content), content.title, content.detail);
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
