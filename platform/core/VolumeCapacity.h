#pragma once
// Free and total capacity of the volume holding a folder: one reading shared
// by the engine, the theme, the popover and the widget.

#include <cstdint>
#include <optional>
#include <string>

namespace tidewell::platform {

struct VolumeCapacity {
  int64_t freeBytes = 0;   // available to an unprivileged user
  int64_t totalBytes = 0;
};

// statvfs(path): free = f_bavail * f_frsize, total = f_blocks * f_frsize.
// Absent when the volume cannot be read, so a failure is never mistaken for
// a full disk.
std::optional<VolumeCapacity> readVolumeCapacity(const std::string& path);

}  // namespace tidewell::platform
