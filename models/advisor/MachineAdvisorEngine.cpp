#include "models/advisor/MachineAdvisorEngine.h"

namespace tidewell::models {

namespace {

using engine::AdvisorService;

bool succeeds(const AdvisorService::Command& command) {
  return AdvisorService::run(command.executable, command.arguments).has_value();
}

}  // namespace

std::vector<AdvisorService::SimRuntime> MachineAdvisorEngine::runtimes() const {
  return AdvisorService::runtimes(ctx_);
}

int MachineAdvisorEngine::unavailableSimulatorCount() const {
  return AdvisorService::unavailableSimulatorCount(ctx_);
}

int MachineAdvisorEngine::localSnapshotCount() const { return AdvisorService::localSnapshotCount(ctx_); }

int64_t MachineAdvisorEngine::dockerDiskBytes() const { return AdvisorService::dockerDiskBytes(ctx_); }

bool MachineAdvisorEngine::deleteRuntime(const AdvisorService::SimRuntime& runtime) const {
  return AdvisorService::deleteRuntime(runtime, ctx_);
}

bool MachineAdvisorEngine::deleteUnavailableSimulators() const {
  return succeeds(AdvisorService::deleteUnavailableCommand(ctx_));
}

bool MachineAdvisorEngine::thinLocalSnapshots() const {
  return succeeds(AdvisorService::thinSnapshotsCommand(ctx_));
}

}  // namespace tidewell::models
