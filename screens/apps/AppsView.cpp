#include "screens/apps/AppsView.h"

#include <QVBoxLayout>

#include "screens/apps/AppsIdlePage.h"
#include "screens/apps/AppsListPage.h"
#include "screens/apps/AppsScanningPage.h"
#include "screens/apps/UninstallSheetPresenter.h"

namespace tidewell::screens {

using Model = models::AppsViewModel;

AppsView::AppsView(std::shared_ptr<Model> model, ScreenServices services, models::Clock clock,
                   QWidget* parent)
    : QWidget(parent), model_(std::move(model)), services_(std::move(services)), clock_(std::move(clock)) {
  setObjectName(QStringLiteral("appsView"));
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->setSpacing(0);
  connect(model_.get(), &Model::phaseChanged, this, &AppsView::showPhase);
  connect(model_.get(), &Model::scanProgressChanged, this, [this] {
    if (auto* scanning = qobject_cast<AppsScanningPage*>(page_.data()))
      scanning->setProgress(model_->scanProgress());
  });
  showPhase();
  sheets_ = new UninstallSheetPresenter(this, model_, services_.icons);
}

// The sheet goes before the pages, quietly: leaving the screen is not the
// user's answer to it.
AppsView::~AppsView() { delete sheets_; }

void AppsView::showPhase() {
  const Model::Phase phase = model_->phase();
  if (shownPhase_ == phase) return;
  shownPhase_ = phase;
  if (page_) {
    // Later: the scan button that started the scan is on the old page.
    page_->hide();
    layout()->removeWidget(page_);
    page_->deleteLater();
  }
  QWidget* page = nullptr;
  switch (phase) {
    case Model::Phase::idle: {
      const std::weak_ptr<Model> weak = model_;
      page = new AppsIdlePage([weak] {
        if (auto model = weak.lock()) model->scan();
      });
      break;
    }
    case Model::Phase::scanning:
      page = new AppsScanningPage(model_->scanProgress());
      break;
    case Model::Phase::list:
      page = new AppsListPage(model_, services_.icons, clock_, destructiveRed_);
      break;
  }
  page_ = page;
  layout()->addWidget(page);
}

}  // namespace tidewell::screens
