#include "platform/core/MountBoundary.h"

#include <unistd.h>

#include <cerrno>

#include <string_view>

#include "platform/core/FileDescriptor.h"
#include "platform/core/Paths.h"

namespace tidewell::platform {

namespace {

// Nothing there is no mount point; any other failure to look is judged as one.
bool failedLook() { return errno != ENOENT && errno != ENOTDIR; }

}  // namespace

bool isMountPointAt(int dirFd, const char* name) {
  struct stat folder {};
  struct statx entry {};
  if (fstat(dirFd, &folder) != 0) return true;
  if (statx(dirFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE, &entry) != 0) return failedLook();
  return crossesMount(entry, folder.st_dev);
}

bool isMountPoint(const std::string& path) {
  const std::string p = standardize(path);
  const std::string_view name = lastComponent(p);
  if (p.empty() || p.front() != '/' || name.empty()) return true;
  FileDescriptor parent(open(std::string(parentPath(p)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!parent.ok()) return failedLook();
  return isMountPointAt(parent.get(), std::string(name).c_str());
}

}  // namespace tidewell::platform
