#pragma once
// The Performance tool's three questions: which regular applications run
// and how much memory each holds, how much of the machine's memory is in
// use, and which launch agents and daemons start with the system or at
// login. Stateless and read-only; every call blocks briefly and may run on
// any thread. Nothing fails loudly: unreadable processes weigh 0 bytes,
// unreadable memory figures are 0, unreadable folders and files are skipped.

#include <cstdint>
#include <vector>

#include "engine/performance/LoginItem.h"
#include "engine/performance/RunningApp.h"
#include "platform/core/EngineContext.h"

namespace tidewell::engine {

class PerformanceService {
 public:
  struct MemoryStats {
    int64_t used = 0;   // bytes
    int64_t total = 0;  // bytes
  };

  // The user's running applications except this program (ctx.pid), most
  // memory first; equal figures keep process order.
  static std::vector<RunningApp> runningApps(const platform::EngineContext& ctx);

  static MemoryStats memoryStats(const platform::EngineContext& ctx);

  // The property lists of ~/Library/LaunchAgents ("You"),
  // /Library/LaunchAgents and /Library/LaunchDaemons ("System"), as one
  // list by label; equal labels keep folder order, then file-name order.
  static std::vector<LoginItem> loginItems(const platform::EngineContext& ctx);
};

}  // namespace tidewell::engine
