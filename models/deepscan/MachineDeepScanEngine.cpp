#include "models/deepscan/MachineDeepScanEngine.h"

#include <chrono>
#include <utility>

#include "engine/deepscan/ContainerScanner.h"
#include "engine/deepscan/InstallerScanner.h"

namespace tidewell::models {

MachineDeepScanEngine::MachineDeepScanEngine(platform::EngineContext context, engine::SizeMeasure measure)
    : context_(std::move(context)), measure_(std::move(measure)) {}

std::vector<engine::BigItem> MachineDeepScanEngine::bigItems(const Progress& progress) const {
  return engine::BigItemScanner::scan(progress, context_, measure_);
}

std::vector<engine::BigItem> MachineDeepScanEngine::installers() const {
  if (!measure_) return engine::InstallerScanner::scan(context_);
  return engine::InstallerScanner::scan(context_, measure_, std::chrono::system_clock::now());
}

std::vector<engine::BigItem> MachineDeepScanEngine::containers() const {
  if (!measure_) return engine::ContainerScanner::scan(context_);
  return engine::ContainerScanner::scan(context_, measure_);
}

std::vector<std::string> MachineDeepScanEngine::managedPaths() const {
  return engine::ContainerScanner::managedPaths(context_);
}

engine::BigItemScanner::TrashOutcome MachineDeepScanEngine::trash(const engine::BigItem& item) const {
  return engine::BigItemScanner::trash(item, context_);
}

}  // namespace tidewell::models
