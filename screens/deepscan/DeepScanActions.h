#pragma once
// What the parts of the Deep Scan list hand back to their screen: every
// user action, as a call. The screen decides what each one does (ask
// first, call the model, reveal through the desktop). GUI thread only.

#include <functional>

#include "engine/deepscan/BigItem.h"
#include "screens/deepscan/RiskBucket.h"

namespace tidewell::screens {

struct DeepScanActions {
  std::function<void()> rescan;
  std::function<void(RiskBucket)> pickBucket;
  std::function<void(const engine::BigItem&)> reveal;
  std::function<void(const engine::BigItem&)> trash;
  std::function<void()> dismissResult;
};

}  // namespace tidewell::screens
