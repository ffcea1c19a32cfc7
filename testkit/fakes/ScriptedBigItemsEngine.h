#pragma once
// A scripted Deep Scan engine for the Home and Smart Scan screens' tests
// and renderer: the big items found (installers and containers: none),
// with progress reported at each of progressSteps. A scan can be held at
// a fraction (holdScanAt): it reports it and waits for release() on its
// worker thread, so it then needs to run on a thread of its own
// (ScanRig::holdDeepScanAt). Trashing refuses and touches no file.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "models/deepscan/DeepScanEngine.h"
#include "testkit/fakes/ScanGate.h"

namespace tidewell::screens::probe {

class ScriptedBigItemsEngine final : public models::DeepScanEngine {
 public:
  std::vector<engine::BigItem> items;
  std::vector<double> progressSteps;

  void holdScanAt(double fraction);
  void waitUntilHeld() const { gate_->waitForArrival(); }
  void release() const { gate_->release(); }

  std::vector<engine::BigItem> bigItems(const Progress& progress) const override;
  std::vector<engine::BigItem> installers() const override { return {}; }
  std::vector<engine::BigItem> containers() const override { return {}; }
  std::vector<std::string> managedPaths() const override { return {}; }
  engine::BigItemScanner::TrashOutcome trash(const engine::BigItem& item) const override {
    return {item.name, 0, false};
  }

 private:
  std::optional<double> holdAt_;
  std::shared_ptr<ScanGate> gate_ = std::make_shared<ScanGate>();
};

}  // namespace tidewell::screens::probe
