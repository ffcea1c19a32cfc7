#pragma once
// The top directory (mount point) of the file system that holds a path,
// where that file system's shared Trash folders live.

#include <string>

namespace tidewell::platform {

// The highest folder at or above path that lies on the same file system as
// the entry at path (not following a link at path): "/dev/shm" for
// "/dev/shm/a/b" when /dev/shm is a mount of its own, "/" for the root file
// system. path must be absolute, standardized and free of links in its
// parent folders (resolve them first). Empty when path or a parent cannot
// be examined.
std::string topDirectory(const std::string& path);

}  // namespace tidewell::platform
