#pragma once
// The Apps model's engine on a real (or fixture) machine: an app scanner
// over the standard search folders of the context given at construction
// ("/Applications", "/Applications/Utilities", then the home's
// "Applications"), with the context's last-used dates.

#include "engine/apps/AppScanner.h"
#include "models/apps/AppsEngine.h"
#include "platform/core/EngineContext.h"

namespace tidewell::models {

class MachineAppsEngine final : public AppsEngine {
 public:
  explicit MachineAppsEngine(platform::EngineContext context);

  std::vector<engine::InstalledApp> scanApps(const Progress& progress) const override;
  std::vector<engine::LeftoverFile> findLeftovers(const engine::InstalledApp& app) const override;
  engine::UninstallResult uninstall(const engine::UninstallPlan& plan) const override;

 private:
  platform::EngineContext context_;
  engine::AppScanner scanner_;
};

}  // namespace tidewell::models
