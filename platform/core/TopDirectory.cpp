#include "platform/core/TopDirectory.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/core/MountBoundary.h"
#include "platform/core/Paths.h"

namespace tidewell::platform {

namespace {

bool isMountRootFolder(const std::string& folder) {
  struct statx info {};
  return statx(AT_FDCWD, folder.c_str(), AT_SYMLINK_NOFOLLOW, 0, &info) == 0 && isMountRoot(info);
}

}  // namespace

std::string topDirectory(const std::string& path) {
  if (path.empty() || path[0] != '/') return {};
  struct stat entry {};
  if (lstat(path.c_str(), &entry) != 0) return {};
  std::string current = path;
  if (S_ISDIR(entry.st_mode) && isMountRootFolder(current)) return current;
  while (current != "/") {
    std::string parent(parentPath(current));
    struct stat above {};
    if (stat(parent.c_str(), &above) != 0) return {};
    if (above.st_dev != entry.st_dev) return current;
    if (isMountRootFolder(parent)) return parent;
    current = std::move(parent);
  }
  return current;
}

}  // namespace tidewell::platform
