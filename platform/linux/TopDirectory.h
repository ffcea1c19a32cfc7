#pragma once
// The top directory (mount point) of the mount that holds a path, where
// that mount's shared Trash folders live.

#include <string>

namespace tidewell::platform {

// The highest folder at or above path that lies on the same mount as the
// entry at path (not following a link at path), the mount told by its
// identity, so a bind mount of the same file system counts as a mount of
// its own: "/dev/shm" for "/dev/shm/a/b" when /dev/shm is a mount of its
// own, "/" for the root file system, and a folder that roots a mount is
// its own top directory. path must be absolute, standardized and free of
// links in its parent folders (resolve them first). Empty when path or a
// parent cannot be examined.
std::string topDirectory(const std::string& path);

}  // namespace tidewell::platform
