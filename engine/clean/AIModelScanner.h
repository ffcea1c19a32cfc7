#pragma once
// Finds the model folders of seven local AI tools and reports the large ones
// as AIModelStore records. The folders are only shown and revealed, so the
// user manages the models inside the tool; nothing here removes anything.
// Stateless; call it off the GUI thread (it measures whole trees).

#include <vector>

#include "engine/clean/AIModelStore.h"
#include "engine/walk/SizeMeasure.h"
#include "platform/core/EngineContext.h"

namespace tidewell::engine {

class AIModelScanner {
 public:
  // Model folders smaller than this are not reported.
  static constexpr int64_t minimumBytes = 524'288'000;

  // One record per tool that is present and whose model folder holds at
  // least minimumBytes, largest first (stable: equal sizes keep the tools'
  // order). Empty when nothing is found or the home is unusable; never fails.
  static std::vector<AIModelStore> scan(const platform::EngineContext& ctx);
  // sizeOf replaces DiskScanner::allocatedSize (tests).
  static std::vector<AIModelStore> scan(const platform::EngineContext& ctx, const SizeMeasure& sizeOf);
};

}  // namespace tidewell::engine
