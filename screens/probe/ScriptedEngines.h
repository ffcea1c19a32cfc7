#pragma once
// Scripted stand-ins for the engines behind the Clean, Apps, Deep Scan and
// Advisor models and for the Full Disk Access probe, for screen tests and
// renderers: each answers with what the test or renderer put in its public
// fields, reaches nothing of the machine, and deletes nothing. Under a
// ManualExecutor every call runs on the GUI thread when the caller runs the
// job; the fields must not change while a job runs.

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/AdvisorService.h"
#include "engine/BigItem.h"
#include "engine/InstalledApp.h"
#include "models/advisor/AdvisorEngine.h"
#include "models/apps/AppsEngine.h"
#include "models/clean/CleanupEngine.h"
#include "models/deepscan/DeepScanEngine.h"
#include "models/permissions/FullDiskAccess.h"

namespace tidewell::screens::probe {

// Holds a scan part way: the engine reports its progress, then waits in
// pass() until released, on the thread ScanRig::runJobHeld runs it on.
class ScanGate {
 public:
  // The engine's side: says it has arrived and waits for the release.
  void pass();
  // The caller's side.
  void waitForArrival();
  void release();

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool arrived_ = false;
  bool released_ = false;
};

// Catalog rows with their measured sizes; cleaning frees the whole size.
class ScriptedCleanupEngine final : public models::CleanupEngine {
 public:
  struct Row {
    engine::CleanupTarget target;
    int64_t sizeBytes = 0;
  };
  std::vector<Row> rows;
  int64_t freeBytes = 0;

  // A safe developer-cache row titled title, measuring sizeBytes.
  void addRow(const std::string& id, const std::string& title, int64_t sizeBytes);

  std::vector<engine::CleanupTarget> catalog() const override;
  std::vector<engine::CleanupTarget> findBuildArtifacts() const override { return {}; }
  std::optional<engine::CleanupItem> scan(const engine::CleanupTarget& target) const override;
  engine::DiskScanner::CleanResult clean(const engine::CleanupItem& item) const override;
  int64_t availableBytes() const override { return freeBytes; }
  std::vector<engine::AIModelStore> aiModels() const override { return {}; }
};

// The applications found; progress is reported at each of progressSteps
// (then the scan waits at gate, when one is set) before the list is
// returned.
class ScriptedAppsEngine final : public models::AppsEngine {
 public:
  std::vector<engine::InstalledApp> apps;
  std::vector<double> progressSteps;
  std::shared_ptr<ScanGate> gate;

  std::vector<engine::InstalledApp> scanApps(const Progress& progress) const override;
  std::vector<engine::LeftoverFile> findLeftovers(const engine::InstalledApp&) const override { return {}; }
  engine::UninstallResult uninstall(const engine::UninstallPlan&) const override { return {}; }
};

// The big items found (installers and containers: none), reported and
// held like the applications; trashing refuses.
class ScriptedDeepScanEngine final : public models::DeepScanEngine {
 public:
  std::vector<engine::BigItem> items;
  std::vector<double> progressSteps;
  std::shared_ptr<ScanGate> gate;

  std::vector<engine::BigItem> bigItems(const Progress& progress) const override;
  std::vector<engine::BigItem> installers() const override { return {}; }
  std::vector<engine::BigItem> containers() const override { return {}; }
  std::vector<std::string> managedPaths() const override { return {}; }
  engine::BigItemScanner::TrashOutcome trash(const engine::BigItem& item) const override;
};

// The four findings; every action reports failure.
class ScriptedAdvisorEngine final : public models::AdvisorEngine {
 public:
  std::vector<engine::AdvisorService::SimRuntime> runtimeList;
  int unavailable = 0;
  int snapshots = 0;
  int64_t docker = 0;

  std::vector<engine::AdvisorService::SimRuntime> runtimes() const override { return runtimeList; }
  int unavailableSimulatorCount() const override { return unavailable; }
  int localSnapshotCount() const override { return snapshots; }
  int64_t dockerDiskBytes() const override { return docker; }
  bool deleteRuntime(const engine::AdvisorService::SimRuntime&) const override { return false; }
  bool deleteUnavailableSimulators() const override { return false; }
  bool thinLocalSnapshots() const override { return false; }
};

// Granted or not as set; counts the requests to open the settings.
class ScriptedFullDiskAccess final : public models::FullDiskAccess {
 public:
  bool granted = true;
  mutable int settingsOpened = 0;

  bool isGranted() const override { return granted; }
  void openSettings() const override { ++settingsOpened; }
};

}  // namespace tidewell::screens::probe
