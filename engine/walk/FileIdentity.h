#pragma once
// The device and inode of a file or folder when it was measured, so that
// cleaning removes only that very file or folder and not whatever has taken
// its name since.

#include <sys/types.h>

namespace tidewell::engine {

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

}  // namespace tidewell::engine
