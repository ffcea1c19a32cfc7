#include "platform/linux/TopDirectory.h"

#include <fcntl.h>

#include "base/Paths.h"
#include "platform/core/MountBoundary.h"

namespace tidewell::platform {

std::string topDirectory(const std::string& path) {
  if (path.empty() || path[0] != '/') return {};
  const auto entry = mountPlace(AT_FDCWD, path.c_str());
  if (!entry) return {};
  // A folder that roots a mount is its own top directory; anything else
  // belongs to the mount of the folder holding it.
  if (entry->isMountRoot) return path;
  std::string current = path;
  while (current != "/") {
    std::string parent(base::parentPath(current));
    const auto above = mountPlace(AT_FDCWD, parent.c_str());
    if (!above) return {};
    if (!above->sameMountAs(*entry)) return current;
    if (above->isMountRoot) return parent;
    current = std::move(parent);
  }
  return current;
}

}  // namespace tidewell::platform
