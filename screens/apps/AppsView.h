#pragma once
// The screen of the Apps section: the scan button before the first scan,
// the scan's progress, then the grid of installed applications with their
// sizes and last use, from which an application is uninstalled together
// with its leftovers through the confirmation sheet, and the banner that
// reports the last uninstall.
//
// It follows the model (owned by the window) and shows the page of the
// current phase, built anew when the phase changes; the sheet is shown
// while the model has a pending plan. It starts every operation by calling
// the model and letting the task run on its own. It reads no files and
// keeps no state of its own. GUI thread only.

#include <QColor>
#include <memory>

#include "design/theme/Color.h"
#include "models/Clock.h"
#include "models/apps/AppsViewModel.h"
#include "screens/common/layout/PageHost.h"
#include "screens/common/services/ScreenServices.h"

namespace tidewell::screens {

class AppsListPage;
class UninstallSheetPresenter;

// The pages of the Apps section.
enum class AppsPage { start, scanning, list };

// The page a phase shows.
AppsPage appsPageOf(models::AppsViewModel::Phase phase);

class AppsView : public PageHost {
  Q_OBJECT
 public:
  // clock: "now" for the cards' ages, the model's own in tests.
  AppsView(std::shared_ptr<models::AppsViewModel> model, ScreenServices services,
           models::Clock clock = models::Clock::system(), QWidget* parent = nullptr);
  ~AppsView() override;

  // page(): the page of the current phase, "appsIdle", "appsScanning" or
  // "appsList".
  UninstallSheetPresenter* sheets() const { return sheets_; }

 private:
  void showPhase();
  QWidget* makePage(AppsPage page);
  AppsListPage* makeList();

  std::shared_ptr<models::AppsViewModel> model_;
  ScreenServices services_;
  models::Clock clock_;
  QColor destructiveRed_ = design::Color::destructiveRed();
  UninstallSheetPresenter* sheets_;
};

}  // namespace tidewell::screens
