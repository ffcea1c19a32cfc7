#pragma once
// One window's Apps model for the Apps screen's tests and renderer: the
// real model over a scripted engine, its engine jobs run when the caller
// says (a ManualExecutor), settings in a temporary folder, a fixed clock
// and fake desktop seams. GUI thread only.

#include <QTemporaryDir>
#include <memory>

#include "models/Clock.h"
#include "models/ManualExecutor.h"
#include "models/apps/AppsViewModel.h"
#include "screens/probe/FakeServices.h"
#include "screens/probe/ScriptedAppsEngine.h"

namespace tidewell::screens {
class AppsView;
}

namespace tidewell::screens::probe {

struct AppsScene {
  explicit AppsScene(platform::TimePoint now);

  QTemporaryDir dir;
  platform::TimePoint now;
  std::shared_ptr<models::ManualExecutor> executor = std::make_shared<models::ManualExecutor>();
  std::shared_ptr<ScriptedAppsEngine> engine = std::make_shared<ScriptedAppsEngine>();
  std::shared_ptr<models::AppsViewModel> model;
  FakeServices fakes;

  models::Clock clock() const { return models::Clock::fixed(now); }
  // A new Apps screen over the model (the caller owns it).
  AppsView* makeView() const;
  // Runs every queued job, and those they lead to, delivering results.
  void runToEnd();
  // Scans to the list.
  void scanToEnd();
};

}  // namespace tidewell::screens::probe
