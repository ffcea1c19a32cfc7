#pragma once
// The machine's physical memory and how much of it is in use. On Linux both
// come from meminfo under ctx.procRoot: total is MemTotal, used is MemTotal
// minus MemAvailable. A kernel too old to report MemAvailable gets the
// classic estimate, MemTotal minus MemFree, Buffers, Cached and
// SReclaimable. Blocking, read-only; callable from any thread.

#include <cstdint>

#include "platform/core/EngineContext.h"

namespace tidewell::platform {

struct HostMemory {
  int64_t used = 0;   // bytes, 0 when it cannot be worked out
  int64_t total = 0;  // bytes, 0 when meminfo cannot be read
};

HostMemory readHostMemory(const EngineContext& ctx);

}  // namespace tidewell::platform
