#include "platform/core/TopDirectory.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/core/Paths.h"

namespace tidewell::platform {

namespace {

#ifndef STATX_ATTR_MOUNT_ROOT
constexpr unsigned long long STATX_ATTR_MOUNT_ROOT = 0x00002000;
#endif

// A bind mount of a folder from the same file system keeps the device
// number, so the device alone misses it; the kernel flags mount roots.
bool isMountRoot(const std::string& folder) {
  struct statx info {};
  if (statx(AT_FDCWD, folder.c_str(), AT_SYMLINK_NOFOLLOW, 0, &info) != 0) return false;
  return (info.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (info.stx_attributes & STATX_ATTR_MOUNT_ROOT);
}

}  // namespace

std::string topDirectory(const std::string& path) {
  if (path.empty() || path[0] != '/') return {};
  struct stat entry {};
  if (lstat(path.c_str(), &entry) != 0) return {};
  std::string current = path;
  if (S_ISDIR(entry.st_mode) && isMountRoot(current)) return current;
  while (current != "/") {
    std::string parent(parentPath(current));
    struct stat above {};
    if (stat(parent.c_str(), &above) != 0) return {};
    if (above.st_dev != entry.st_dev) return current;
    if (isMountRoot(parent)) return parent;
    current = std::move(parent);
  }
  return current;
}

}  // namespace tidewell::platform
