#include "screens/devmode/DevModeView.h"

#include <QVBoxLayout>

#include "models/devmode/DevModeViewModel.h"
#include "screens/devmode/DevModeResultsView.h"
#include "screens/devmode/DevModeReview.h"
#include "screens/devmode/DevModeScanningView.h"
#include "screens/devmode/DevModeStartView.h"

namespace tidewell::screens {

using models::DevModeViewModel;
using Phase = DevModeViewModel::Phase;

DevModeView::DevModeView(std::shared_ptr<DevModeViewModel> model, ScreenServices services, QWidget* parent)
    : QWidget(parent), model_(std::move(model)), services_(std::move(services)) {
  setObjectName(QStringLiteral("devModeView"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
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
  if (branch != branch_) build(branch);
  switch (branch) {
    case Branch::idle:
      break;
    case Branch::scanning:
      scanning_->setProgress(model_->scanProgress());
      break;
    case Branch::review:
      review_->refresh(viewing_);
      break;
    case Branch::results:
      results_->show(model_->phase() == Phase::cleaning, model_->freedBytes(), model_->failedTitles());
      break;
  }
}

void DevModeView::build(Branch branch) {
  // The old state may be handling the click that changed the phase
  // ("Rescan", "Clean Up", "Done"), so it leaves once that is over.
  if (content_) {
    content_->hide();
    content_->deleteLater();
  }
  scanning_ = nullptr;
  review_ = nullptr;
  results_ = nullptr;
  branch_ = branch;
  QWidget* content = nullptr;
  switch (branch) {
    case Branch::idle:
      content = new DevModeStartView([model = model_] { model->scan(); });
      break;
    case Branch::scanning:
      content = scanning_ = new DevModeScanningView;
      break;
    case Branch::review:
      content = review_ = new DevModeReview(model_, services_, [this](const std::string& id) { view(id); });
      break;
    case Branch::results:
      content = results_ = new DevModeResultsView([model = model_] { model->reset(); });
      break;
  }
  content_ = content;
  layout()->addWidget(content);
}

}  // namespace tidewell::screens
