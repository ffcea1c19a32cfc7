#pragma once
// One window's Advisor model for the Advisor screen's tests and renderer:
// the real model over a scripted engine (see ModelScene). GUI thread only.

#include "models/advisor/AdvisorViewModel.h"
#include "testkit/fakes/ScriptedAdvisorEngine.h"
#include "testkit/scenes/ModelScene.h"

namespace tidewell::screens {
class AdvisorView;
}

namespace tidewell::probe {

struct AdvisorScene : ModelScene {
  explicit AdvisorScene(base::TimePoint now);

  std::shared_ptr<tidewell::testing::ScriptedAdvisorEngine> engine =
      std::make_shared<tidewell::testing::ScriptedAdvisorEngine>();
  std::shared_ptr<models::AdvisorViewModel> model;

  // A new Advisor screen over the model (the caller owns it).
  screens::AdvisorView* makeView() const;
  // Scans to the list.
  void scanToEnd();
};

}  // namespace tidewell::probe
