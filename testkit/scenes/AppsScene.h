#pragma once
// One window's Apps model for the Apps screen's tests and renderer: the
// real model over a scripted engine (see ModelScene). GUI thread only.

#include "models/apps/AppsViewModel.h"
#include "testkit/fakes/ScriptedAppsEngine.h"
#include "testkit/scenes/ModelScene.h"

namespace tidewell::screens {
class AppsView;
}

namespace tidewell::probe {

struct AppsScene : ModelScene {
  explicit AppsScene(base::TimePoint now);

  std::shared_ptr<tidewell::testing::ScriptedAppsEngine> engine =
      std::make_shared<tidewell::testing::ScriptedAppsEngine>();
  std::shared_ptr<models::AppsViewModel> model;

  // A new Apps screen over the model (the caller owns it).
  screens::AppsView* makeView() const;
  // Scans to the list.
  void scanToEnd();
};

}  // namespace tidewell::probe
