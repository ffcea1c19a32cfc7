#pragma once
// The device and inode of a file or folder when it was measured or found,
// so that cleaning or trashing acts only on that very file or folder and
// not on whatever has taken its name since.

#include <sys/types.h>

namespace tidewell::platform {

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

}  // namespace tidewell::platform
