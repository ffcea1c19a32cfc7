#include "screens/devmode/DevModeView.h"

#include "design/theme/Color.h"
#include "models/devmode/DevModeViewModel.h"
#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/ScanProgress.h"
#include "screens/common/views/ScanIntro.h"
#include "screens/devmode/DevModeResultsPage.h"
#include "screens/devmode/DevModeReviewPage.h"
#include "screens/devmode/DevModeScanningPage.h"

namespace tidewell::screens {

using namespace design::literals;
using models::DevModeViewModel;
using Model = DevModeViewModel;
using Phase = Model::Phase;

DevModePage devModePageOf(Phase phase) {
  switch (phase) {
    case Phase::idle:
      return DevModePage::start;
    case Phase::scanning:
      return DevModePage::scanning;
    case Phase::review:
      return DevModePage::review;
    case Phase::cleaning:
    case Phase::done:
      break;
  }
  return DevModePage::results;
}

DevModeView::DevModeView(std::shared_ptr<DevModeViewModel> model, ScreenServices services, QWidget* parent)
    : PageHost(parent), model_(std::move(model)), services_(std::move(services)) {
  setObjectName(QStringLiteral("devModeView"));
  connect(model_.get(), &DevModeViewModel::phaseChanged, this, &DevModeView::showPhase);
  connect(model_.get(), &DevModeViewModel::changed, this, &DevModeView::refreshPage);
  showPhase();
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

std::set<std::string> DevModeView::viewedIDs() const {
  const std::optional<RailGroup> viewed = viewedGroup();
  return viewed ? DevModeRail::itemIDs(*viewed) : std::set<std::string>{};
}

void DevModeView::view(const std::string& groupId) {
  viewing_ = groupId;
  refreshPage();
}

void DevModeView::showPhase() {
  const DevModePage page = devModePageOf(model_->phase());
  setPageFor(int(page), [&] { return makePage(page); });
  refreshPage();
}

void DevModeView::refreshPage() {
  if (auto* review = qobject_cast<DevModeReviewPage*>(page())) {
    review->setValues({model_->items(), model_->models(), model_->totalBytes(), model_->modelBytes(),
                       model_->selectedItems().size(), model_->selectedBytes(), viewing_});
  } else if (auto* results = qobject_cast<DevModeResultsPage*>(page())) {
    results->setOutcome(model_->phase() == Phase::cleaning, model_->freedBytes(), model_->failedTitles());
  }
}

QWidget* DevModeView::makePage(DevModePage page) {
  switch (page) {
    case DevModePage::start: {
      auto* start = named(
          new ScanIntro(
              {"hammer.fill"_symbol, QStringLiteral("Scan Dev & AI"),
               QStringLiteral("Every build, install and prompt leaves artifacts behind. Tidewell Mac "
                              "clears only what your tools can rebuild on their own."),
               textLook(12.5, design::FontWeight::Regular, design::Color::secondaryText()).lines(0).centred(),
               QStringLiteral("Dev tools and AI apps quietly hoard tens of gigabytes.")}),
          "idleView");
      connect(start, &ScanIntro::scanClicked, this, modelCall(model_, [](Model& m) { m.scan(); }));
      return start;
    }
    case DevModePage::scanning:
      return followScanProgress(new DevModeScanningPage(model_->scanProgress()), model_);
    case DevModePage::review:
      return makeReview();
    case DevModePage::results:
      break;
  }
  auto* results = new DevModeResultsPage;
  connect(results, &DevModeResultsPage::doneClicked, this, modelCall(model_, [](Model& m) { m.reset(); }));
  return results;
}

DevModeReviewPage* DevModeView::makeReview() {
  // An item's pick, matched by its row id; a binding that outlives the
  // model reads false and writes nothing.
  auto* review = new DevModeReviewPage([model = model_](const engine::CleanupItem& item) -> BoolBinding {
    const std::string id = item.target.id;
    return {modelRead<bool>(model, false, [id](Model& m) { return m.isSelected(id); }),
            modelCall<bool>(model, [id](Model& m, bool on) { m.setSelected(id, on); })};
  });
  connect(review, &DevModeReviewPage::safeOnlyClicked, this,
          modelCall(model_, [](Model& m) { m.selectSafeOnly(); }));
  connect(review, &DevModeReviewPage::allClicked, this,
          modelCall(model_, [](Model& m) { m.selectAll(true); }));
  connect(review, &DevModeReviewPage::noneClicked, this,
          modelCall(model_, [](Model& m) { m.selectAll(false); }));
  connect(review, &DevModeReviewPage::rescanClicked, this, modelCall(model_, [](Model& m) { m.scan(); }));
  connect(review, &DevModeReviewPage::viewRequested, this, &DevModeView::view);
  connect(review, &DevModeReviewPage::groupBoxClicked, this,
          modelCall<const std::string&>(model_, [](Model& m, const std::string& id) {
            // The group as it stands when its box is tapped.
            for (const auto& now : DevModeRail::railGroups(m.items(), m.models()))
              if (now.id == id) m.setSelected(DevModeRail::boxPicks(now), DevModeRail::itemIDs(now));
          }));
  // "Smart", "All" and "None" pick within the group shown when pressed.
  connect(review, &DevModeReviewPage::groupSafeOnlyClicked, this,
          modelCall(model_, [this](Model& m) { m.selectSafeOnly(viewedIDs()); }));
  connect(review, &DevModeReviewPage::groupAllClicked, this,
          modelCall(model_, [this](Model& m) { m.setSelected(true, viewedIDs()); }));
  connect(review, &DevModeReviewPage::groupNoneClicked, this,
          modelCall(model_, [this](Model& m) { m.setSelected(false, viewedIDs()); }));
  connect(review, &DevModeReviewPage::revealRequested, this, [this](const engine::AIModelStore& store) {
    services_.revealer->reveal(QString::fromStdString(store.revealURL));
  });
  connect(review, &DevModeReviewPage::cleanClicked, this, modelCall(model_, [](Model& m) { m.clean(); }));
  return review;
}

}  // namespace tidewell::screens
