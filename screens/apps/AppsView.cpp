#include "screens/apps/AppsView.h"

#include "screens/apps/AppsListPage.h"
#include "screens/apps/AppsScanningPage.h"
#include "screens/apps/UninstallSheetPresenter.h"
#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/ScanProgress.h"
#include "screens/common/views/ScanIntro.h"

namespace tidewell::screens {

using namespace design::literals;
using Model = models::AppsViewModel;

AppsPage appsPageOf(Model::Phase phase) {
  switch (phase) {
    case Model::Phase::idle:
      return AppsPage::start;
    case Model::Phase::scanning:
      return AppsPage::scanning;
    case Model::Phase::list:
      break;
  }
  return AppsPage::list;
}

AppsView::AppsView(std::shared_ptr<Model> model, ScreenServices services, models::Clock clock,
                   QWidget* parent)
    : PageHost(parent), model_(std::move(model)), services_(std::move(services)), clock_(std::move(clock)) {
  setObjectName(QStringLiteral("appsView"));
  connect(model_.get(), &Model::phaseChanged, this, &AppsView::showPhase);
  showPhase();
  sheets_ = new UninstallSheetPresenter(this, model_, services_.icons);
}

// The sheet goes before the pages, quietly: leaving the screen is not the
// user's answer to it.
AppsView::~AppsView() { delete sheets_; }

void AppsView::showPhase() {
  const AppsPage page = appsPageOf(model_->phase());
  setPageFor(int(page), [&] { return makePage(page); });
}

QWidget* AppsView::makePage(AppsPage page) {
  switch (page) {
    case AppsPage::start: {
      auto* idle =
          named(new ScanIntro({"square.grid.2x2.fill"_symbol, QStringLiteral("Scan Apps"),
                               QStringLiteral("Find apps you never open. Trash first, undo anytime."),
                               scanIntroCaptionLook().lines(0).centred()}),
                "appsIdle");
      connect(idle, &ScanIntro::scanClicked, this, modelCall(model_, [](Model& m) { m.scan(); }));
      return idle;
    }
    case AppsPage::scanning:
      return followScanProgress(new AppsScanningPage(model_->scanProgress()), model_);
    case AppsPage::list:
      break;
  }
  return makeList();
}

AppsListPage* AppsView::makeList() {
  auto* list = new AppsListPage(services_.icons, destructiveRed_, model_->sortOrder());
  connect(
      list, &AppsListPage::sortOrderChosen, this,
      modelCall<Model::SortOrder>(model_, [](Model& m, Model::SortOrder order) { m.setSortOrder(order); }));
  // Runs to its end on its own; the sheet opens when the plan is in.
  connect(list, &AppsListPage::uninstallRequested, this,
          modelCall<const engine::InstalledApp&>(
              model_, [](Model& m, const engine::InstalledApp& app) { m.prepareUninstall(app); }));
  connect(list, &AppsListPage::resultDismissed, this,
          modelCall(model_, [](Model& m) { m.setLastResult(std::nullopt); }));

  const auto showSummary = [this, list] { list->setSummary(model_->apps().size(), model_->totalBytes()); };
  const auto showApps = [this, list] { list->setApps(model_->sortedApps(), clock_.now()); };
  const auto showResult = [this, list] { list->setLastResult(model_->lastResult()); };
  const auto showBuilding = [this, list] { list->setBuildingPlan(model_->isBuildingPlan()); };
  connect(model_.get(), &Model::appsChanged, list, [showSummary, showApps] {
    showSummary();
    showApps();
  });
  connect(model_.get(), &Model::sortOrderChanged, list, [this, list, showApps] {
    list->setSortOrder(model_->sortOrder());
    showApps();
  });
  connect(model_.get(), &Model::lastResultChanged, list, showResult);
  connect(model_.get(), &Model::isBuildingPlanChanged, list, showBuilding);
  showSummary();
  showApps();
  showResult();
  showBuilding();
  return list;
}

}  // namespace tidewell::screens
