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

class CleanedPage;
class ReviewPage;
class ScanPage;

// The pages of the Clean section.
enum class CleanPage { start, review, result };

// The page a phase shows.
CleanPage cleanPageOf(models::CleanupViewModel::Phase phase);

// Each page as the screen shows it: made from the models' values, given
// new ones as they change, its signals run the model's operations. The
// settings and the volume model may be null (nothing freed, nothing free).
ScanPage* makeScanPage(const std::shared_ptr<models::CleanupViewModel>& model,
                       const std::shared_ptr<models::SettingsStore>& settings);
ReviewPage* makeReviewPage(const std::shared_ptr<models::CleanupViewModel>& model,
                           const std::shared_ptr<models::VolumeModel>& volume);
CleanedPage* makeCleanedPage(const std::shared_ptr<models::CleanupViewModel>& model);

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
