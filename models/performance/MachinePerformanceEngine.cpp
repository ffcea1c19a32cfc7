#include "models/performance/MachinePerformanceEngine.h"

namespace tidewell::models {

using engine::PerformanceService;

MachinePerformanceEngine::MachinePerformanceEngine(platform::EngineContext ctx)
    : ctx_(std::move(ctx)), quit_(platform::PoliteQuit::forSession(ctx_)) {}

std::vector<engine::RunningApp> MachinePerformanceEngine::runningApps() const {
  return PerformanceService::runningApps(ctx_);
}

std::vector<engine::LoginItem> MachinePerformanceEngine::loginItems() const {
  return PerformanceService::loginItems(ctx_);
}

PerformanceService::MemoryStats MachinePerformanceEngine::memoryStats() const {
  return PerformanceService::memoryStats(ctx_);
}

PerformanceEngine::QuitAnswer MachinePerformanceEngine::quit(const engine::RunningApp& app) const {
  return quit_.ask(app.id, app.startTime);
}

}  // namespace tidewell::models
