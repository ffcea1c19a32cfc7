#include "platform/core/PhysicalPath.h"

#include <cstdlib>
#include <memory>

#include "base/Paths.h"

namespace tidewell::platform {

std::optional<std::string> physicalPath(const std::string& path) {
  if (path.empty()) return std::nullopt;
  std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
  if (!real) return std::nullopt;
  return base::standardize(real.get());
}

std::optional<std::string> physicalLocation(const std::string& path) {
  const std::string p = base::standardize(path);
  if (p.empty() || p.front() != '/' || p == "/") return std::nullopt;
  auto parent = physicalPath(std::string(base::parentPath(p)));
  if (!parent) return std::nullopt;
  return base::joinPath(*parent, base::lastComponent(p));
}

}  // namespace tidewell::platform
