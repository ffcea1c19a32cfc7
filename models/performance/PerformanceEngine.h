#pragma once
// What the Performance model needs of the engine and the desktop: the
// running applications, the launch agents and daemons, the memory figures,
// and the polite quit request. Called from worker threads, several at
// once: implementations are const and hold nothing but values.

#include <vector>

#include "engine/performance/LoginItem.h"
#include "engine/performance/PerformanceService.h"
#include "engine/performance/RunningApp.h"
#include "platform/core/PoliteQuit.h"

namespace tidewell::models {

class PerformanceEngine {
 public:
  using QuitAnswer = platform::PoliteQuit::Answer;

  virtual ~PerformanceEngine() = default;

  // Most memory first.
  virtual std::vector<engine::RunningApp> runningApps() const = 0;
  // By label.
  virtual std::vector<engine::LoginItem> loginItems() const = 0;
  virtual engine::PerformanceService::MemoryStats memoryStats() const = 0;
  // Asks app to quit the way its user would (never a signal), and only
  // while its pid still names the process that was listed (app.startTime).
  virtual QuitAnswer quit(const engine::RunningApp& app) const = 0;
};

}  // namespace tidewell::models
