#pragma once
// The production PerformanceEngine: PerformanceService over one copied
// context, and the session's polite quit (its windows asked to close over
// X11). Stateless beyond those values; callable from any thread.

#include "models/performance/PerformanceEngine.h"
#include "platform/core/EngineContext.h"
#include "platform/core/PoliteQuit.h"

namespace tidewell::models {

class MachinePerformanceEngine final : public PerformanceEngine {
 public:
  // The session's polite quit: ctx.procRoot and the display of $DISPLAY.
  explicit MachinePerformanceEngine(platform::EngineContext ctx);
  MachinePerformanceEngine(platform::EngineContext ctx, platform::PoliteQuit quit)
      : ctx_(std::move(ctx)), quit_(std::move(quit)) {}

  std::vector<engine::RunningApp> runningApps() const override;
  std::vector<engine::LoginItem> loginItems() const override;
  engine::PerformanceService::MemoryStats memoryStats() const override;
  QuitAnswer quit(const engine::RunningApp& app) const override;

 private:
  platform::EngineContext ctx_;
  platform::PoliteQuit quit_;
};

}  // namespace tidewell::models
