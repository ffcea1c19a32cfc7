#pragma once
// What the Advisor model needs of the engine: the four findings and the
// three actions, each one blocking call to a system tool. Called from
// worker threads, several at once: implementations are const and hold
// nothing but values. Failures read as empty, 0 or false, as the engine's.

#include <cstdint>
#include <vector>

#include "engine/advisor/AdvisorService.h"

namespace tidewell::models {

class AdvisorEngine {
 public:
  virtual ~AdvisorEngine() = default;

  // Installed Simulator runtimes, largest first.
  virtual std::vector<engine::AdvisorService::SimRuntime> runtimes() const = 0;
  virtual int unavailableSimulatorCount() const = 0;
  virtual int localSnapshotCount() const = 0;
  virtual int64_t dockerDiskBytes() const = 0;

  // Deletes the runtime with runtime.id; true when the tool succeeded.
  virtual bool deleteRuntime(const engine::AdvisorService::SimRuntime& runtime) const = 0;
  // Removes every unavailable simulator; true when the tool succeeded.
  virtual bool deleteUnavailableSimulators() const = 0;
  // Thins the start-up volume's local snapshots; true when the tool succeeded.
  virtual bool thinLocalSnapshots() const = 0;
};

}  // namespace tidewell::models
