#include "models/clean/MachineCleanupEngine.h"

#include <utility>

#include "engine/clean/AIModelScanner.h"
#include "engine/deepscan/BigItemScanner.h"

namespace tidewell::models {

MachineCleanupEngine::MachineCleanupEngine(platform::EngineContext context) : context_(std::move(context)) {}

std::vector<engine::CleanupTarget> MachineCleanupEngine::catalog() const {
  return engine::CleanupTarget::catalog(context_);
}

std::vector<engine::CleanupTarget> MachineCleanupEngine::findBuildArtifacts() const {
  return engine::BigItemScanner::findBuildArtifacts(context_);
}

std::optional<engine::CleanupItem> MachineCleanupEngine::scan(const engine::CleanupTarget& target) const {
  return engine::DiskScanner::scan(target, context_);
}

engine::DiskScanner::CleanResult MachineCleanupEngine::clean(const engine::CleanupItem& item) const {
  return engine::DiskScanner::clean(item, context_);
}

int64_t MachineCleanupEngine::availableBytes() const { return engine::DiskScanner::availableBytes(context_); }

std::vector<engine::AIModelStore> MachineCleanupEngine::aiModels() const {
  return engine::AIModelScanner::scan(context_);
}

}  // namespace tidewell::models
