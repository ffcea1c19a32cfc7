#pragma once
// The one scripted Advisor engine, for the Advisor model and screen tests,
// the scenes and the renderer: it reports its scripted findings, answers
// each action with its scripted outcome and remembers what it was asked to
// do, running no tool. The counters may be read while jobs run on other
// threads; the list of deleted ids only once they are done.

#include <atomic>
#include <string>
#include <vector>

#include "models/advisor/AdvisorEngine.h"

namespace tidewell::testing {

class ScriptedAdvisorEngine : public models::AdvisorEngine {
 public:
  std::vector<engine::AdvisorService::SimRuntime> installed;  // largest first
  int unavailable = 0;
  int snapshots = 0;
  int64_t dockerBytes = 0;
  bool deleteSucceeds = true;
  bool removeSucceeds = true;
  bool thinSucceeds = true;
  // What an action that does not succeed reports.
  platform::FailureReason failureReason{platform::FailureReason::Kind::toolExited, 1};

  // Every action's outcome at once.
  void setActionsSucceed(bool succeed) { deleteSucceeds = removeSucceeds = thinSucceeds = succeed; }

  // What was asked: how often the runtimes were read (one per scan), the
  // ids of deleted runtimes, and how often each action ran.
  mutable std::atomic<int> scans{0};
  mutable std::vector<std::string> deletedIds;
  mutable std::atomic<int> deletes{0};
  mutable std::atomic<int> removals{0};
  mutable std::atomic<int> thinnings{0};

  std::vector<engine::AdvisorService::SimRuntime> runtimes() const override {
    ++scans;
    return installed;
  }
  int unavailableSimulatorCount() const override { return unavailable; }
  int localSnapshotCount() const override { return snapshots; }
  int64_t dockerDiskBytes() const override { return dockerBytes; }
  platform::Attempt deleteRuntime(const engine::AdvisorService::SimRuntime& runtime) const override {
    deletedIds.push_back(runtime.id);
    ++deletes;
    return outcome(deleteSucceeds);
  }
  platform::Attempt deleteUnavailableSimulators() const override {
    ++removals;
    return outcome(removeSucceeds);
  }
  platform::Attempt thinLocalSnapshots() const override {
    ++thinnings;
    return outcome(thinSucceeds);
  }

 private:
  platform::Attempt outcome(bool succeeds) const {
    return succeeds ? platform::Attempt::done() : platform::Attempt::failed(failureReason);
  }
};

}  // namespace tidewell::testing
