#pragma once
// Measuring primitives shared by every scanner and model: the allocated size
// of a file or folder tree, and the free space of the home volume.
// Stateless; callable from any thread, several at once.

#include <cstdint>
#include <string>

#include "platform/core/EngineContext.h"

namespace tidewell::engine {

class DiskScanner {
 public:
  // Allocated bytes (st_blocks * 512) of the regular files at or below path:
  // hidden files included, every folder entered, symlinks inside the tree,
  // FIFOs, sockets and devices add nothing, unreadable entries are skipped,
  // each hard-linked file counts once, and mount points below path are not
  // crossed. A symlink at path itself is followed. 0 when nothing is there.
  static int64_t allocatedSize(const std::string& path);

  // Free bytes of the volume holding the home folder; 0 when it cannot be read.
  static int64_t availableBytes(const platform::EngineContext& ctx);
  static int64_t availableBytes();
};

}  // namespace tidewell::engine
