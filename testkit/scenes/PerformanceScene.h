#pragma once
// One window's Performance model for the Performance screen's tests and
// renderer: the real model over a scripted engine (see ModelScene), with
// no wait before the refresh that follows a quit, so the refresh is one
// more queued job. GUI thread only.

#include "models/performance/PerformanceViewModel.h"
#include "testkit/fakes/ScriptedPerformanceEngine.h"
#include "testkit/scenes/ModelScene.h"

namespace tidewell::screens {
class PerformanceView;
}

namespace tidewell::probe {

struct PerformanceScene : ModelScene {
  explicit PerformanceScene(base::TimePoint now);

  std::shared_ptr<tidewell::testing::ScriptedPerformanceEngine> engine =
      std::make_shared<tidewell::testing::ScriptedPerformanceEngine>();
  std::shared_ptr<models::PerformanceViewModel> model;
  // The home whose autostart folder "Open Login Items Settings" reveals.
  QString home = QStringLiteral("/home/tester");

  // A new Performance screen over the model (the caller owns it).
  screens::PerformanceView* makeView() const;
  // Scans to the list.
  void scanToEnd();
};

}  // namespace tidewell::probe
