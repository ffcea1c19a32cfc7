#include "screens/devmode/DevModeView.h"

#include "design/theme/Color.h"
#include "models/devmode/DevModeViewModel.h"
#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/ScanIntro.h"
#include "screens/devmode/DevModeResultsPage.h"
#include "screens/devmode/DevModeReviewPage.h"
#include "screens/devmode/DevModeScanningPage.h"

namespace tidewell::screens {

using namespace design::literals;
using models::DevModeViewModel;
using Model = DevModeViewModel;
using Phase = Model::Phase;

DevModeView::DevModeView(std::shared_ptr<DevModeViewModel> model, ScreenServices services, QWidget* parent)
    : PageHost(parent), model_(std::move(model)), services_(std::move(services)) {
  setObjectName(QStringLiteral("devModeView"));
  connect(model_.get(), &DevModeViewModel::changed, this, &DevModeView::sync);
  sync();
}

std::vector<RailGroup> DevModeView::railGroups() const {
  return DevModeRail::railGroups(model_->items(), model_->models());
}

std::optional<RailGroup> DevModeView::viewedGroup() const {
  auto rail = railGroups();
  const auto at = DevModeRail::viewedGroup(rail, viewing_);
  if (!at) return std::nullopt;
  return std::move(rail[*at]);
}

void DevModeView::view(const std::string& groupId) {
  viewing_ = groupId;
  sync();
}

DevModeView::Branch DevModeView::branchOf(int phase) {
  switch (Phase(phase)) {
    case Phase::idle:
      return Branch::idle;
    case Phase::scanning:
      return Branch::scanning;
    case Phase::review:
      return Branch::review;
    case Phase::cleaning:
    case Phase::done:
      break;
  }
  return Branch::results;
}

void DevModeView::sync() {
  const Branch branch = branchOf(int(model_->phase()));
  setPageFor(int(branch), [&] { return build(branch); });
  switch (branch) {
    case Branch::idle:
      break;
    case Branch::scanning:
      if (auto* scanning = qobject_cast<DevModeScanningPage*>(page()))
        scanning->setProgress(model_->scanProgress());
      break;
    case Branch::review:
      if (auto* review = qobject_cast<DevModeReviewPage*>(page())) review->refresh(viewing_);
      break;
    case Branch::results:
      if (auto* results = qobject_cast<DevModeResultsPage*>(page()))
        results->setOutcome(model_->phase() == Phase::cleaning, model_->freedBytes(), model_->failedTitles());
      break;
  }
}

QWidget* DevModeView::build(Branch branch) {
  switch (branch) {
    case Branch::idle: {
      auto* start =
          named(new ScanIntro(
                    {"hammer.fill"_symbol, QStringLiteral("Scan Dev & AI"),
                     QStringLiteral("Every build, install and prompt leaves artifacts behind. Tidewell Mac "
                                    "clears only what your tools can rebuild on their own."),
                     textStyle(12.5, design::FontWeight::Regular, design::Color::secondaryText())
                         .lines(0)
                         .centred(),
                     QStringLiteral("Dev tools and AI apps quietly hoard tens of gigabytes.")}),
                "idleView");
      connect(start, &ScanIntro::scanClicked, this, modelCall(model_, [](Model& m) { m.scan(); }));
      return start;
    }
    case Branch::scanning:
      return new DevModeScanningPage;
    case Branch::review: {
      auto* review = new DevModeReviewPage(model_, services_);
      connect(review, &DevModeReviewPage::viewRequested, this, &DevModeView::view);
      return review;
    }
    case Branch::results: {
      auto* results = new DevModeResultsPage;
      connect(results, &DevModeResultsPage::doneClicked, this,
              modelCall(model_, [](Model& m) { m.reset(); }));
      return results;
    }
  }
  return nullptr;
}

}  // namespace tidewell::screens
