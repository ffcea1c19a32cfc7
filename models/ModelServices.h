#pragma once
// What every feature model is given besides its engine seam: where engine
// work runs, the settings store and the clock. The application makes one
// set for the process; tests make one over a ManualExecutor, a settings
// file in a temporary folder and a fixed clock.
//
// Each model reaches the engine through a small interface of its own (for
// example CleanupEngine); the production implementation calls the engine
// with the machine's context, tests use scripted fakes. Those interfaces are
// called from worker threads, several calls at once, so they are const and
// hold nothing but values.

#include <memory>

#include "models/Clock.h"
#include "models/Executor.h"
#include "models/SettingsStore.h"

namespace tidewell::models {

struct ModelServices {
  std::shared_ptr<Executor> executor;
  std::shared_ptr<SettingsStore> settings;
  Clock clock = Clock::system();
};

}  // namespace tidewell::models
