#include "screens/apps/AppsView.h"

#include "screens/apps/AppsListPage.h"
#include "screens/apps/AppsScanningPage.h"
#include "screens/apps/UninstallSheetPresenter.h"
#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/ScanIntro.h"

namespace tidewell::screens {

using namespace design::literals;
using Model = models::AppsViewModel;

AppsView::AppsView(std::shared_ptr<Model> model, ScreenServices services, models::Clock clock,
                   QWidget* parent)
    : PageHost(parent), model_(std::move(model)), services_(std::move(services)), clock_(std::move(clock)) {
  setObjectName(QStringLiteral("appsView"));
  connect(model_.get(), &Model::phaseChanged, this, &AppsView::showPhase);
  connect(model_.get(), &Model::scanProgressChanged, this, [this] {
    if (auto* scanning = qobject_cast<AppsScanningPage*>(page()))
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
  setPageFor(int(phase), [&]() -> QWidget* {
    switch (phase) {
      case Model::Phase::idle: {
        auto* idle =
            named(new ScanIntro({"square.grid.2x2.fill"_symbol, QStringLiteral("Scan Apps"),
                                 QStringLiteral("Find apps you never open. Trash first, undo anytime."),
                                 scanIntroCaptionStyle().lines(0).centred()}),
                  "appsIdle");
        connect(idle, &ScanIntro::scanClicked, this, modelCall(model_, [](Model& m) { m.scan(); }));
        return idle;
      }
      case Model::Phase::scanning:
        return new AppsScanningPage(model_->scanProgress());
      case Model::Phase::list:
        return new AppsListPage(model_, services_.icons, clock_, destructiveRed_);
    }
    return nullptr;
  });
}

}  // namespace tidewell::screens
