#include "platform/core/HostMemory.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "base/Paths.h"
#include "platform/core/SmallFile.h"

namespace tidewell::platform {

namespace {

// meminfo's "Key:   1234 kB" lines, in bytes; lines that do not read are skipped.
std::map<std::string, int64_t, std::less<>> readMeminfo(const std::string& path) {
  std::map<std::string, int64_t, std::less<>> values;
  auto text = readSmallFile(path, 64 * 1024);
  if (!text) return values;
  std::string_view all = *text;
  size_t start = 0;
  while (start < all.size()) {
    size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    std::string_view line = all.substr(start, end - start);
    start = end + 1;
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view rest = line.substr(colon + 1);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    int64_t kb = 0;
    auto [next, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), kb);
    if (ec != std::errc() || next == rest.data() || kb < 0 || kb > INT64_MAX / 1024) continue;
    values.emplace(std::string(line.substr(0, colon)), kb * 1024);
  }
  return values;
}

}  // namespace

HostMemory readHostMemory(const EngineContext& ctx) {
  const auto values = readMeminfo(base::joinPath(ctx.procRoot, "meminfo"));
  auto value = [&](std::string_view key) -> std::optional<int64_t> {
    auto it = values.find(key);
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
  HostMemory memory;
  auto total = value("MemTotal");
  if (!total) return memory;
  memory.total = *total;
  int64_t free = 0;
  if (auto available = value("MemAvailable")) {
    free = *available;
  } else if (auto memFree = value("MemFree")) {
    // Each term is below 2^53 (checked when read), so the sum cannot overflow.
    free = *memFree + value("Buffers").value_or(0) + value("Cached").value_or(0) +
           value("SReclaimable").value_or(0);
  } else {
    return memory;  // nothing to tell used from free: used 0
  }
  memory.used = std::clamp<int64_t>(*total - free, 0, *total);
  return memory;
}

}  // namespace tidewell::platform
