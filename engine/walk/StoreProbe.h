#pragma once
// The rule shared by the container and AI model scanners: a tool is present
// when any of its detect paths exists; then only the first existing of its
// measure paths is measured, and it counts when it holds at least the
// minimum. Later measure paths are never tried, even when the first one is
// too small. Stateless; callable from any thread.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/walk/SizeMeasure.h"
#include "platform/core/EngineContext.h"

namespace tidewell::engine {

class StoreProbe {
 public:
  struct Found {
    std::string path;  // the measured path, resolved
    int64_t sizeBytes = 0;
  };

  // "~" and "~/x" are taken in ctx's home; another absolute path is a system
  // folder, taken below ctx.systemPath.
  static std::string resolve(std::string_view path, const platform::EngineContext& ctx);

  // The first of paths, resolved, at which something exists (a link counts
  // when its target exists); absent when none does.
  static std::optional<std::string> firstExisting(const std::vector<std::string_view>& paths,
                                                  const platform::EngineContext& ctx);

  // The detect, measure and threshold rule above; absent when the tool is
  // missing, has no data, its data is too small, or ctx's home is unusable.
  static std::optional<Found> find(const std::vector<std::string_view>& detect,
                                   const std::vector<std::string_view>& measure, int64_t minimumBytes,
                                   const platform::EngineContext& ctx, const SizeMeasure& sizeOf);
};

}  // namespace tidewell::engine
