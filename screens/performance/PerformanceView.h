#pragma once
// The screen of the Performance section: how much memory is in use and
// which applications hold the most of it (each with "Quit", a polite
// request), and what starts at login (each with "Reveal", and a way to
// where the desktop keeps its login items). It follows the model (owned by
// the window) and shows the page of its phase: the intro, the scanning
// state, the list. It starts every operation by calling the model and
// letting the task run on its own; it reads no files and runs no
// processes. Its only state, the chosen panel, starts on Memory with each
// new list page. GUI thread only.

#include <memory>
#include <optional>

#include "models/performance/PerformanceViewModel.h"
#include "screens/common/layout/PageHost.h"
#include "screens/common/services/ScreenServices.h"

namespace tidewell::screens {

class PerformanceListPage;

// The pages of the Performance section.
enum class PerformancePage { start, scanning, list };

// The page a phase shows.
PerformancePage performancePageOf(models::PerformanceViewModel::Phase phase);

class PerformanceView : public PageHost {
  Q_OBJECT
 public:
  // loginItemsFolder: what "Open Login Items Settings" reveals, the
  // desktop's autostart folder of the engine's home (autostartFolder).
  PerformanceView(std::shared_ptr<models::PerformanceViewModel> model, ScreenServices services,
                  QString loginItemsFolder, QWidget* parent = nullptr);

  // page(): the page of the current phase, "performanceIntro",
  // "performanceScanning" or "performanceList".

 private:
  void showPhase();
  QWidget* makePage(PerformancePage page);
  PerformanceListPage* makeList();

  std::shared_ptr<models::PerformanceViewModel> model_;
  ScreenServices services_;
  QString loginItemsFolder_;
};

}  // namespace tidewell::screens
