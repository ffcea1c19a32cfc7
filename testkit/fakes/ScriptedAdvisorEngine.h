#pragma once
// A scripted Advisor engine for the Advisor screen's tests and renderer:
// it reports its scripted findings, answers each action with its scripted
// outcome and remembers what it was asked to do, running no tool. Meant
// for a ManualExecutor: every call runs on the GUI thread.

#include <vector>

#include "models/advisor/AdvisorEngine.h"

namespace tidewell::screens::probe {

class ScriptedAdvisorEngine : public models::AdvisorEngine {
 public:
  std::vector<engine::AdvisorService::SimRuntime> installed;  // largest first
  int unavailable = 0;
  int snapshots = 0;
  int64_t dockerBytes = 0;
  bool deleteSucceeds = true;
  bool removeSucceeds = true;
  bool thinSucceeds = true;

  // What was asked: the ids of deleted runtimes, and how often each bulk
  // action ran.
  mutable std::vector<std::string> deletedIds;
  mutable int removals = 0;
  mutable int thinnings = 0;

  std::vector<engine::AdvisorService::SimRuntime> runtimes() const override { return installed; }
  int unavailableSimulatorCount() const override { return unavailable; }
  int localSnapshotCount() const override { return snapshots; }
  int64_t dockerDiskBytes() const override { return dockerBytes; }
  bool deleteRuntime(const engine::AdvisorService::SimRuntime& runtime) const override {
    deletedIds.push_back(runtime.id);
    return deleteSucceeds;
  }
  bool deleteUnavailableSimulators() const override {
    ++removals;
    return removeSucceeds;
  }
  bool thinLocalSnapshots() const override {
    ++thinnings;
    return thinSucceeds;
  }
};

}  // namespace tidewell::screens::probe
