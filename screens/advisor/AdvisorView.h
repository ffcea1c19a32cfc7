#pragma once
// The screen of the Advisor section: space that the system's own tools
// give back (Simulator runtimes, unavailable simulators, Time Machine
// local snapshots, the Docker disk). It follows the model (owned by the
// window) and shows the page of its phase: the intro, the scanning state,
// the findings. Deleting a runtime asks first; the question keeps a copy
// of the runtime it names, and "Delete Runtime" deletes exactly that one,
// whatever a scan meanwhile made of the list. While an action runs the
// other action controls wait (disabled); "Rescan" never does. It starts
// every operation by calling the model and letting the task run on its
// own. GUI thread only.

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

#include "models/Clock.h"
#include "models/advisor/AdvisorViewModel.h"
#include "screens/common/controls/ConfirmAlert.h"
#include "screens/common/layout/PageHost.h"
#include "screens/common/services/ScreenServices.h"

namespace tidewell::screens {

class AdvisorListPage;

// The pages of the Advisor section.
enum class AdvisorPage { start, scanning, list };

// The page a phase shows.
AdvisorPage advisorPageOf(models::AdvisorViewModel::Phase phase);

class AdvisorView : public PageHost {
  Q_OBJECT
 public:
  // clock: "now" for the runtimes' last use.
  AdvisorView(std::shared_ptr<models::AdvisorViewModel> model, ScreenServices services,
              models::Clock clock = models::Clock::system(), QWidget* parent = nullptr);

  // page(): the page of the current phase, "advisorIntro",
  // "advisorScanning" or "advisorList".
  // The runtime whose deletion awaits the answer to the question; none
  // while no question is open.
  const std::optional<engine::AdvisorService::SimRuntime>& pendingRuntimeDelete() const { return pending_; }
  // The open question; nullptr when none is.
  ConfirmAlert* deleteQuestion() const { return question_; }

  // What a runtime's "Delete…" does: asks whether to delete runtime.
  void askToDelete(const engine::AdvisorService::SimRuntime& runtime);

 private:
  void showPhase();
  QWidget* makePage(AdvisorPage page);
  AdvisorListPage* makeList();

  std::shared_ptr<models::AdvisorViewModel> model_;
  ScreenServices services_;
  models::Clock clock_;
  std::optional<engine::AdvisorService::SimRuntime> pending_;
  QPointer<ConfirmAlert> question_;
};

}  // namespace tidewell::screens
