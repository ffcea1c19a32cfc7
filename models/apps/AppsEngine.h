#pragma once
// What the Apps model asks of the engine: the application scan with its
// progress, the leftovers of one application, and the uninstall of a plan.
// Production uses MachineAppsEngine; tests use scripted fakes.
//
// Called from worker threads, several calls at once: implementations are
// const and hold nothing but values. Nothing throws; failures surface as
// fewer applications or as failed entries of the result, each with its
// reason.

#include <functional>
#include <vector>

#include "engine/apps/InstalledApp.h"
#include "engine/apps/LeftoverFile.h"
#include "engine/apps/UninstallPlan.h"
#include "engine/apps/UninstallResult.h"

namespace tidewell::models {

class AppsEngine {
 public:
  // Called on the scanning thread with a fraction in 0...1.
  using Progress = std::function<void(double fraction)>;

  virtual ~AppsEngine() = default;

  // The installed applications, in scan order.
  virtual std::vector<engine::InstalledApp> scanApps(const Progress& progress) const = 0;
  // What the application left in the user's Library, largest first.
  virtual std::vector<engine::LeftoverFile> findLeftovers(const engine::InstalledApp& app) const = 0;
  // Moves the plan's bundle and leftovers to the Trash.
  virtual engine::UninstallResult uninstall(const engine::UninstallPlan& plan) const = 0;
};

}  // namespace tidewell::models
