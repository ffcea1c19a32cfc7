#pragma once
// The one scripted Deep Scan engine, for the Deep Scan model and screen
// tests, the Home and Smart Scan scenes and the renderer: the big items,
// installers, containers and managed paths it finds, with progress reported
// at each of reports; it remembers what it was asked to trash and counts
// its scans. Trashing frees an item's whole size unless its id is refused
// (then with refusedReason), and touches no file.
//
// With a ManualExecutor every call runs on the GUI thread. A scan can also
// be held at a fraction (holdScanAt): it reports it and waits for release()
// on its worker thread, so it then needs to run on a thread of its own
// (ScanRig::holdDeepScanAt).

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "models/deepscan/DeepScanEngine.h"
#include "testkit/fakes/ScanGate.h"

namespace tidewell::testing {

// A big item as the scripted engine lists it: path is relative to the
// fixture home it names, "/fixture/home".
engine::BigItem scriptedBigItem(const std::string& path, int64_t size, engine::BigItem::Kind kind);

class ScriptedDeepScanEngine final : public models::DeepScanEngine {
 public:
  std::vector<engine::BigItem> big, installerItems, containerItems;
  std::vector<std::string> managed;
  std::vector<double> reports;    // made by each big-item scan, in order
  std::set<std::string> refused;  // ids whose trashing fails
  // What a refused trashing reports; none, as an engine that says no reason.
  std::optional<platform::FailureReason> refusedReason{platform::FailureReason::Kind::notScanned};

  mutable std::atomic<int> scans{0};
  mutable std::vector<std::string> trashed;      // ids, in order
  mutable std::vector<std::string> trashedUrls;  // the same items' urls
  // The last scan's progress, kept to report late like a straggling worker
  // (read it once the scan is over).
  mutable Progress lastProgress;

  void holdScanAt(double fraction);
  void waitUntilHeld() const { gate_->waitForArrival(); }
  void release() const { gate_->release(); }

  std::vector<engine::BigItem> bigItems(const Progress& progress) const override;
  std::vector<engine::BigItem> installers() const override { return installerItems; }
  std::vector<engine::BigItem> containers() const override { return containerItems; }
  std::vector<std::string> managedPaths() const override { return managed; }
  engine::BigItemScanner::TrashOutcome trash(const engine::BigItem& item) const override;

 private:
  std::optional<double> holdAt_;
  std::shared_ptr<ScanGate> gate_ = std::make_shared<ScanGate>();
};

}  // namespace tidewell::testing
