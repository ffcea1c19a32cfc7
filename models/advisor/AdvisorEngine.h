#pragma once
// What the Advisor model needs of the engine: the four findings and the
// three actions, each one blocking call to a system tool. Called from
// worker threads, several at once: implementations are const and hold
// nothing but values. Failures read as empty, 0 or an action's reason, as
// the engine's.

#include <cstdint>
#include <vector>

#include "engine/advisor/AdvisorService.h"
#include "platform/core/Attempt.h"

namespace tidewell::models {

class AdvisorEngine {
 public:
  virtual ~AdvisorEngine() = default;

  // Installed Simulator runtimes, largest first.
  virtual std::vector<engine::AdvisorService::SimRuntime> runtimes() const = 0;
  virtual int unavailableSimulatorCount() const = 0;
  virtual int localSnapshotCount() const = 0;
  virtual int64_t dockerDiskBytes() const = 0;

  // Deletes the runtime with runtime.id; done when the tool succeeded, else
  // the tool's reason.
  virtual platform::Attempt deleteRuntime(const engine::AdvisorService::SimRuntime& runtime) const = 0;
  // Removes every unavailable simulator; done when the tool succeeded.
  virtual platform::Attempt deleteUnavailableSimulators() const = 0;
  // Thins the start-up volume's local snapshots; done when the tool succeeded.
  virtual platform::Attempt thinLocalSnapshots() const = 0;
};

}  // namespace tidewell::models
