#pragma once
// Finds the one big disk file or data folder of five container and
// virtual-machine tools (Docker, OrbStack, Podman, Colima, Lima) and reports
// each as a BigItem of kind container, with a note on the danger and, where
// the tool has one, the command that reclaims the space from inside it.
// Container data is only shown and revealed, never trashed.
// Stateless; call it off the GUI thread (it measures whole trees).

#include <string>
#include <vector>

#include "engine/deepscan/BigItem.h"
#include "engine/walk/SizeMeasure.h"
#include "platform/core/EngineContext.h"

namespace tidewell::engine {

class ContainerScanner {
 public:
  // Data smaller than this is not reported.
  static constexpr int64_t minimumBytes = 104'857'600;

  // One item per tool that is present and holds at least minimumBytes,
  // largest first (stable: equal sizes keep the tools' order). Empty when
  // nothing is found or the home is unusable; never fails.
  static std::vector<BigItem> scan(const platform::EngineContext& ctx);
  // sizeOf replaces DiskScanner::allocatedSize (tests).
  static std::vector<BigItem> scan(const platform::EngineContext& ctx, const SizeMeasure& sizeOf);

  // The tools' own app-data folders, home expanded, so that generic big-item
  // findings inside them can be dropped. Empty when the home is unusable.
  static std::vector<std::string> managedPaths(const platform::EngineContext& ctx);
};

}  // namespace tidewell::engine
