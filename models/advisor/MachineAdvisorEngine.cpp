#include "models/advisor/MachineAdvisorEngine.h"

namespace tidewell::models {

using engine::AdvisorService;

std::vector<AdvisorService::SimRuntime> MachineAdvisorEngine::runtimes() const {
  return AdvisorService::runtimes(ctx_);
}

int MachineAdvisorEngine::unavailableSimulatorCount() const {
  return AdvisorService::unavailableSimulatorCount(ctx_);
}

int MachineAdvisorEngine::localSnapshotCount() const { return AdvisorService::localSnapshotCount(ctx_); }

int64_t MachineAdvisorEngine::dockerDiskBytes() const { return AdvisorService::dockerDiskBytes(ctx_); }

platform::Attempt MachineAdvisorEngine::deleteRuntime(const AdvisorService::SimRuntime& runtime) const {
  return AdvisorService::deleteRuntime(runtime, ctx_);
}

platform::Attempt MachineAdvisorEngine::deleteUnavailableSimulators() const {
  return AdvisorService::perform(AdvisorService::deleteUnavailableCommand(ctx_));
}

platform::Attempt MachineAdvisorEngine::thinLocalSnapshots() const {
  return AdvisorService::perform(AdvisorService::thinSnapshotsCommand(ctx_));
}

}  // namespace tidewell::models
