#pragma once
// The one scripted Performance engine, for the Performance model and screen
// tests, the scene and the renderer: it answers from its script, counts how
// often the running applications were read and remembers which it was
// asked to quit, touching no process and no display. A quit is answered by
// the pid's scripted answer, else by quitAnswer. Meant for a
// ManualExecutor: every call runs on the GUI thread.

#include <map>
#include <vector>

#include "models/performance/PerformanceEngine.h"

namespace tidewell::testing {

class ScriptedPerformanceEngine : public models::PerformanceEngine {
 public:
  std::vector<engine::RunningApp> apps;  // most memory first
  std::vector<engine::LoginItem> logins;
  engine::PerformanceService::MemoryStats memory{0, 1};
  QuitAnswer quitAnswer = QuitAnswer::asked;
  std::map<int32_t, QuitAnswer> answers;

  mutable int reads = 0;
  // The applications asked to quit, as they were handed over, in order.
  mutable std::vector<engine::RunningApp> quits;

  // The pids of quits.
  std::vector<int32_t> askedPids() const {
    std::vector<int32_t> pids;
    for (const engine::RunningApp& app : quits) pids.push_back(app.id);
    return pids;
  }

  std::vector<engine::RunningApp> runningApps() const override {
    ++reads;
    return apps;
  }
  std::vector<engine::LoginItem> loginItems() const override { return logins; }
  engine::PerformanceService::MemoryStats memoryStats() const override { return memory; }
  QuitAnswer quit(const engine::RunningApp& app) const override {
    quits.push_back(app);
    auto found = answers.find(app.id);
    return found == answers.end() ? quitAnswer : found->second;
  }
};

}  // namespace tidewell::testing
