#include "testkit/fakes/ScriptedBigItemsEngine.h"

namespace tidewell::screens::probe {

void ScriptedBigItemsEngine::holdScanAt(double fraction) {
  holdAt_ = fraction;
  gate_ = std::make_shared<ScanGate>();
}

std::vector<engine::BigItem> ScriptedBigItemsEngine::bigItems(const Progress& progress) const {
  for (double step : progressSteps) progress(step);
  if (holdAt_) {
    progress(*holdAt_);
    gate_->pass();
  }
  return items;
}

}  // namespace tidewell::screens::probe
