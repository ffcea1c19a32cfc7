#pragma once
// The Deep Scan model's engine on a real (or fixture) machine: the
// big-item, installer and container scanners and the big-item Trash move,
// each called with the context given at construction.

#include "engine/walk/SizeMeasure.h"
#include "models/deepscan/DeepScanEngine.h"
#include "platform/core/EngineContext.h"

namespace tidewell::models {

class MachineDeepScanEngine final : public DeepScanEngine {
 public:
  // measure replaces the allocated-size measurement of all three scanners
  // when set (fixtures reach the size thresholds without writing the bytes).
  explicit MachineDeepScanEngine(platform::EngineContext context, engine::SizeMeasure measure = {});

  std::vector<engine::BigItem> bigItems(const Progress& progress) const override;
  std::vector<engine::BigItem> installers() const override;
  std::vector<engine::BigItem> containers() const override;
  std::vector<std::string> managedPaths() const override;
  engine::BigItemScanner::TrashOutcome trash(const engine::BigItem& item) const override;

 private:
  platform::EngineContext context_;
  engine::SizeMeasure measure_;
};

}  // namespace tidewell::models
