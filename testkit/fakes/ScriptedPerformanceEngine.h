#pragma once
// A scripted Performance engine for the Performance screen's tests and
// renderer: it answers from its script and remembers which applications it
// was asked to quit, touching no process and no display. A quit is answered
// by the pid's scripted answer, else by quitAnswer. Meant for a
// ManualExecutor: every call runs on the GUI thread.

#include <map>
#include <vector>

#include "models/performance/PerformanceEngine.h"

namespace tidewell::screens::probe {

class ScriptedPerformanceEngine : public models::PerformanceEngine {
 public:
  std::vector<engine::RunningApp> apps;  // most memory first
  std::vector<engine::LoginItem> logins;
  engine::PerformanceService::MemoryStats memory{0, 1};
  QuitAnswer quitAnswer = QuitAnswer::asked;
  std::map<int32_t, QuitAnswer> answers;

  mutable std::vector<int32_t> asked;

  std::vector<engine::RunningApp> runningApps() const override { return apps; }
  std::vector<engine::LoginItem> loginItems() const override { return logins; }
  engine::PerformanceService::MemoryStats memoryStats() const override { return memory; }
  QuitAnswer quit(const engine::RunningApp& app) const override {
    asked.push_back(app.id);
    auto found = answers.find(app.id);
    return found == answers.end() ? quitAnswer : found->second;
  }
};

}  // namespace tidewell::screens::probe
