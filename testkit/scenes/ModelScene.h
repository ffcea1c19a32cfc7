#pragma once
// What every screen scene shares (a section's real model over a scripted
// engine, for its tests and renderer): engine jobs that run when the
// caller says (a ManualExecutor), settings in a temporary folder, a fixed
// clock and fake desktop seams. GUI thread only.

#include <QTemporaryDir>
#include <memory>

#include "base/LocalTime.h"
#include "models/Clock.h"
#include "models/ManualExecutor.h"
#include "models/ModelServices.h"
#include "testkit/probe/FakeServices.h"

namespace tidewell::probe {

struct ModelScene {
  explicit ModelScene(base::TimePoint now);

  QTemporaryDir dir;
  base::TimePoint now;
  std::shared_ptr<models::ManualExecutor> executor = std::make_shared<models::ManualExecutor>();
  FakeServices fakes;

  models::Clock clock() const { return models::Clock::fixed(now); }
  // Services for the scene's model: the executor, the settings file, the clock.
  models::ModelServices modelServices() const;
  // Runs every queued job, and those they lead to, delivering results.
  void runToEnd();
  // Runs the oldest queued job alone, then delivers its result.
  void runNext();
};

}  // namespace tidewell::probe
