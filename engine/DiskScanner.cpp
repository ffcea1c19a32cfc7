#include "engine/DiskScanner.h"

#include "engine/TreeWalker.h"
#include "platform/core/VolumeCapacity.h"

namespace tidewell::engine {

int64_t DiskScanner::allocatedSize(const std::string& path) { return TreeWalker::allocatedSize(path); }

int64_t DiskScanner::availableBytes(const platform::EngineContext& ctx) {
  if (!ctx.homeUsable()) return 0;
  auto capacity = platform::readVolumeCapacity(ctx.home);
  return capacity ? capacity->freeBytes : 0;
}

int64_t DiskScanner::availableBytes() { return availableBytes(platform::EngineContext::machine()); }

}  // namespace tidewell::engine
