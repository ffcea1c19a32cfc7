#include "screens/home/HomeView.h"

#include "screens/common/views/Entrance.h"
#include "screens/home/HomePage.h"
#include "screens/smartscan/SmartScanPage.h"

namespace tidewell::screens {

using Phase = models::SmartScanController::Phase;

HomeView::HomeView(HomeModels models, ShowTool showTool, models::Clock clock, QWidget* parent)
    : PageHost(parent), models_(std::move(models)), showTool_(std::move(showTool)), clock_(std::move(clock)) {
  setObjectName(QStringLiteral("homeView"));
  connect(models_.smartScan.get(), &models::SmartScanController::phaseChanged, this, &HomeView::showPage);
  showPage();
}

void HomeView::showPage() {
  const bool scan = models_.smartScan->phase() != Phase::idle;
  const QWidget* before = page();
  setPageFor(scan ? 1 : 0, [&]() -> QWidget* {
    if (scan) return new SmartScanPage(models_.smartScan, showTool_, clock_);
    return new HomePage(models_, showTool_, clock_);
  });
  if (before && page() != before) Entrance::play(page(), scan ? kSmartScanChangeSeconds : kHomeReturnSeconds);
}

}  // namespace tidewell::screens
