#pragma once
// The screen of the Clean section. It follows the Clean model (owned by the
// window) and shows the page of its phase: the start page while idle or
// scanning (ScanPage), the review (ReviewPage), the result while cleaning
// or done (CleanedPage). A page is built anew only when the page changes,
// so the scan's ring and the cleaning's result keep theirs across the
// phases they span. It shares the settings (the running total the start
// page shows) and the volume model (the free space the review shows).
// objectName "cleanView". GUI thread only.

#include <memory>

#include "models/clean/CleanupViewModel.h"
#include "screens/common/layout/PageHost.h"

namespace tidewell::models {
class SettingsStore;
class VolumeModel;
}  // namespace tidewell::models

namespace tidewell::screens {

// The pages of the Clean section.
enum class CleanPage { start, review, result };

// The page a phase shows.
CleanPage cleanPageOf(models::CleanupViewModel::Phase phase);

class CleanView : public PageHost {
  Q_OBJECT
 public:
  CleanView(std::shared_ptr<models::CleanupViewModel> model, std::shared_ptr<models::SettingsStore> settings,
            std::shared_ptr<models::VolumeModel> volume, QWidget* parent = nullptr);

  // page(): the page of the current phase, "scanPage", "reviewPage" or
  // "cleanedPage".

 private:
  void showPhase();

  std::shared_ptr<models::CleanupViewModel> model_;
  std::shared_ptr<models::SettingsStore> settings_;
  std::shared_ptr<models::VolumeModel> volume_;
};

}  // namespace tidewell::screens
