#include "models/apps/MachineAppsEngine.h"

#include <utility>

#include "engine/clean/DiskScanner.h"

namespace tidewell::models {

MachineAppsEngine::MachineAppsEngine(platform::EngineContext context)
    : context_(std::move(context)), scanner_(engine::AppScanner::standardSearchDirs(context_)) {
  scanner_.lastUsedDate = [context = context_](const std::string& path) {
    return engine::DiskScanner::lastUsedDate(path, context);
  };
}

std::vector<engine::InstalledApp> MachineAppsEngine::scanApps(const Progress& progress) const {
  return scanner_.scanApps(progress, context_);
}

std::vector<engine::LeftoverFile> MachineAppsEngine::findLeftovers(const engine::InstalledApp& app) const {
  return scanner_.findLeftovers(app, context_);
}

engine::UninstallResult MachineAppsEngine::uninstall(const engine::UninstallPlan& plan) const {
  return scanner_.uninstall(plan, context_);
}

}  // namespace tidewell::models
