#include "screens/apps/AppsListPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/ScreenHeader.h"
#include "design/theme/Color.h"
#include "screens/apps/AppGrid.h"
#include "screens/apps/AppsRules.h"
#include "screens/apps/AppsSortMenu.h"
#include "screens/apps/PlanBuildingOverlay.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/views/MessageBanner.h"

namespace tidewell::screens {

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
  look.title = textLook(12.5, design::FontWeight::Semibold);
  look.message = textLook(11, design::FontWeight::Regular, design::Color::secondaryText()).lines(2);
  look.textSpacing = 2;
  return look;
}

}  // namespace

AppsListPage::AppsListPage(std::shared_ptr<AppIconProvider> icons, QColor destructiveRed, SortOrder order,
                           QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("appsList"));
  scroll_ = named(new ScrollColumn(this), "appsScroll");
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(scroll_);

  QWidget* content = scroll_->content();
  header_ = named(new design::ScreenHeader(QStringLiteral("Apps"), QString(), content), "header");
  sortMenu_ = named(new AppsSortMenu(order, content), "sortMenu");
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

  connect(sortMenu_, &AppsSortMenu::chosen, this, &AppsListPage::sortOrderChosen);
  connect(grid_, &AppGrid::uninstallRequested, this, &AppsListPage::uninstallRequested);
  connect(banner_, &MessageBanner::dismissed, this, &AppsListPage::resultDismissed);
}

void AppsListPage::setSummary(std::size_t count, int64_t totalBytes) {
  header_->setSubtitle(appsSummaryLine(count, totalBytes));
}

void AppsListPage::setApps(const std::vector<engine::InstalledApp>& apps, base::TimePoint now) {
  grid_->showApps(apps, now);
}

void AppsListPage::setSortOrder(SortOrder order) { sortMenu_->setCurrent(order); }

ResultBanner* AppsListPage::banner() const { return banner_->banner(); }

void AppsListPage::setLastResult(const std::optional<engine::UninstallResult>& result) {
  if (!result) {
    banner_->setMessage(std::nullopt);
    return;
  }
  const UninstallBannerContent content = uninstallBannerContent(*result);
  banner_->setMessage(bannerLook(content), content.title, content.detail);
}

void AppsListPage::setBuildingPlan(bool building) {
  overlay_->setVisible(building);
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
