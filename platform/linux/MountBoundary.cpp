#include "platform/linux/MountBoundary.h"

#include <unistd.h>

#include <cerrno>

#include <string_view>

#include "base/Paths.h"
#include "platform/core/FileDescriptor.h"
#include "platform/core/NothingThere.h"

namespace tidewell::platform {

namespace {

// Nothing there is no mount point; any other failure to look is judged as one.
bool failedLook() { return !isNothingThere(errno); }

}  // namespace

bool isMountPointAt(int dirFd, const char* name) {
  const auto folder = mountPlace(dirFd, ".");
  if (!folder) return true;
  const auto entry = mountPlace(dirFd, name);
  if (!entry) return failedLook();
  return entry->startsMountBelow(*folder);
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
