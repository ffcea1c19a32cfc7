#include "platform/core/MountBoundary.h"

#include <unistd.h>

#include <cerrno>

#include <string_view>

#include "base/Paths.h"
#include "platform/core/FileDescriptor.h"
#include "platform/core/NothingThere.h"
#include "platform/linux/StatxMount.h"

namespace tidewell::platform {

namespace {

// Nothing there is no mount point; any other failure to look is judged as one.
bool failedLook() { return !isNothingThere(errno); }

}  // namespace

std::optional<MountPlace> mountPlace(int dirFd, const char* name) {
  struct statx sx {};
  if (statx(dirFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE | kStatxMountId, &sx) != 0)
    return std::nullopt;
  MountPlace place;
  place.device = deviceOf(sx);
  if (sx.stx_mask & kStatxMountId) place.mountId = sx.stx_mnt_id;
  place.isMountRoot = isMountRoot(sx);
  return place;
}

bool isMountPointAt(int dirFd, const char* name) {
  const auto folder = mountPlace(dirFd, ".");
  if (!folder) return true;
  const auto entry = mountPlace(dirFd, name);
  if (!entry) return failedLook();
  return entry->startsMountBelow(*folder);
}

bool isMountPoint(const std::string& path) {
  const std::string p = base::standardize(path);
  const std::string_view name = base::lastComponent(p);
  if (p.empty() || p.front() != '/' || name.empty()) return true;
  FileDescriptor parent(open(std::string(base::parentPath(p)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!parent.ok()) return failedLook();
  return isMountPointAt(parent.get(), std::string(name).c_str());
}

}  // namespace tidewell::platform
