#pragma once
// Free and total capacity of the volume holding a folder: one reading shared
// by the engine, the theme, the popover and the widget.

#include <sys/statvfs.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tidewell::platform {

struct VolumeCapacity {
  int64_t freeBytes = 0;  // available to an unprivileged user
  int64_t totalBytes = 0;
};

// How the volume is read: statvfs(2) itself on the real machine; tests hand
// in a result of their own. Returns 0 on success, as statvfs does.
using VolumeReader = std::function<int(const char* path, struct statvfs* out)>;

// statvfs(path): free = f_bavail * f_frsize (what an ordinary user may
// still write; f_bfree counts the blocks kept for root too), total =
// f_blocks * f_frsize. Absent when the volume cannot be read, so a failure
// is never mistaken for a full disk.
std::optional<VolumeCapacity> readVolumeCapacity(const std::string& path);
std::optional<VolumeCapacity> readVolumeCapacity(const std::string& path, const VolumeReader& read);

}  // namespace tidewell::platform
