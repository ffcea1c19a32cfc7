#include "screens/clean/CleanView.h"

#include "models/SettingsStore.h"
#include "models/VolumeModel.h"
#include "screens/clean/CleanedPage.h"
#include "screens/clean/ReviewPage.h"
#include "screens/clean/ScanPage.h"

namespace tidewell::screens {

using Model = models::CleanupViewModel;

CleanPage cleanPageOf(Model::Phase phase) {
  switch (phase) {
    case Model::Phase::idle:
    case Model::Phase::scanning:
      return CleanPage::start;
    case Model::Phase::review:
      return CleanPage::review;
    case Model::Phase::cleaning:
    case Model::Phase::done:
      break;
  }
  return CleanPage::result;
}

CleanView::CleanView(std::shared_ptr<Model> model, std::shared_ptr<models::SettingsStore> settings,
                     std::shared_ptr<models::VolumeModel> volume, QWidget* parent)
    : PageHost(parent), model_(std::move(model)), settings_(std::move(settings)), volume_(std::move(volume)) {
  setObjectName(QStringLiteral("cleanView"));
  connect(model_.get(), &Model::phaseChanged, this, &CleanView::showPhase);
  showPhase();
}

void CleanView::showPhase() {
  const CleanPage page = cleanPageOf(model_->phase());
  setPageFor(int(page), [&]() -> QWidget* {
    switch (page) {
      case CleanPage::start:
        return new ScanPage(model_, settings_);
      case CleanPage::review:
        return new ReviewPage(model_, volume_);
      case CleanPage::result:
        break;
    }
    return new CleanedPage(model_);
  });
}

}  // namespace tidewell::screens
