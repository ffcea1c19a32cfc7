#include "platform/core/VolumeCapacity.h"

#include <limits>

namespace tidewell::platform {

namespace {
int64_t product(uint64_t a, uint64_t b) {
  constexpr auto max = uint64_t(std::numeric_limits<int64_t>::max());
  if (a != 0 && b > max / a) return std::numeric_limits<int64_t>::max();
  return int64_t(a * b);
}
}  // namespace

std::optional<VolumeCapacity> readVolumeCapacity(const std::string& path) {
  return readVolumeCapacity(path, [](const char* p, struct statvfs* out) { return statvfs(p, out); });
}

std::optional<VolumeCapacity> readVolumeCapacity(const std::string& path, const VolumeReader& read) {
  struct statvfs info {};
  if (path.empty() || !read || read(path.c_str(), &info) != 0) return std::nullopt;
  return VolumeCapacity{product(info.f_bavail, info.f_frsize), product(info.f_blocks, info.f_frsize)};
}

}  // namespace tidewell::platform
