#include "engine/walk/StoreProbe.h"

#include <sys/stat.h>

#include "base/Paths.h"

namespace tidewell::engine {

std::string StoreProbe::resolve(std::string_view path, const platform::EngineContext& ctx) {
  if (!path.empty() && path[0] == '~') return base::expandTilde(path, ctx.home);
  return ctx.systemPath(path);
}

std::optional<std::string> StoreProbe::firstExisting(const std::vector<std::string_view>& paths,
                                                     const platform::EngineContext& ctx) {
  for (std::string_view path : paths) {
    std::string resolved = resolve(path, ctx);
    struct stat st {};
    // Followed on purpose: these findings are only shown, so a tool that
    // keeps its data behind a link is measured at the link's own path.
    if (stat(resolved.c_str(), &st) == 0) return resolved;
  }
  return std::nullopt;
}

std::optional<StoreProbe::Found> StoreProbe::find(const std::vector<std::string_view>& detect,
                                                  const std::vector<std::string_view>& measure,
                                                  int64_t minimumBytes, const platform::EngineContext& ctx,
                                                  const SizeMeasure& sizeOf) {
  if (!ctx.homeUsable() || !firstExisting(detect, ctx)) return std::nullopt;
  std::optional<std::string> path = firstExisting(measure, ctx);
  if (!path) return std::nullopt;
  int64_t size = sizeOf(*path);
  if (size < minimumBytes) return std::nullopt;
  return Found{std::move(*path), size};
}

}  // namespace tidewell::engine
