#include "screens/home/HomeView.h"

#include <QVBoxLayout>

#include "screens/common/views/Entrance.h"
#include "screens/home/HomePage.h"
#include "screens/smartscan/SmartScanView.h"

namespace tidewell::screens {

using Phase = models::SmartScanController::Phase;

HomeView::HomeView(HomeModels models, ShowTool showTool, models::Clock clock, QWidget* parent)
    : QWidget(parent), models_(std::move(models)), showTool_(std::move(showTool)), clock_(std::move(clock)) {
  setObjectName(QStringLiteral("homeView"));
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->setSpacing(0);
  connect(models_.smartScan.get(), &models::SmartScanController::phaseChanged, this, &HomeView::showBody);
  showBody();
}

void HomeView::showBody() {
  const bool scan = models_.smartScan->phase() != Phase::idle;
  if (body_ && scan == showingScan_) return;
  const bool replacing = body_ != nullptr;
  if (body_) {
    // Later: the button that made the change sits on the old body.
    body_->hide();
    layout()->removeWidget(body_);
    body_->deleteLater();
  }
  showingScan_ = scan;
  if (scan)
    body_ = new SmartScanView(models_.smartScan, showTool_, clock_);
  else
    body_ = new HomePage(models_, showTool_, clock_);
  layout()->addWidget(body_);
  if (replacing) Entrance::play(body_, scan ? kSmartScanChangeSeconds : kHomeReturnSeconds);
}

}  // namespace tidewell::screens
