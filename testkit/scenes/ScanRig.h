#pragma once
// The window's shared models, real, over scripted engines and one
// ManualExecutor, for the Home and Smart Scan screens' tests and
// renderers: the Clean, Apps, Deep Scan and Advisor models, the Smart Scan
// controller over them, the Full Disk Access model, the volume model over
// a scripted reading with the theme following it and a settings file in a temporary folder, with a
// fixed clock. Nothing runs until the caller runs jobs, so any moment of a
// scan can be held still. GUI thread only.

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "design/theme/ThemeEngine.h"
#include "models/Clock.h"
#include "models/ManualExecutor.h"
#include "models/SettingsStore.h"
#include "models/VolumeModel.h"
#include "models/advisor/AdvisorViewModel.h"
#include "models/apps/AppsViewModel.h"
#include "models/clean/CleanupViewModel.h"
#include "models/deepscan/DeepScanViewModel.h"
#include "models/permissions/ActivationSource.h"
#include "models/permissions/PermissionsModel.h"
#include "models/smartscan/SmartScanController.h"
#include "platform/core/VolumeCapacity.h"
#include "testkit/fakes/ScriptedAdvisorEngine.h"
#include "testkit/fakes/ScriptedAppsEngine.h"
#include "testkit/fakes/ScriptedCleanupEngine.h"
#include "testkit/fakes/ScriptedDeepScanEngine.h"
#include "testkit/fakes/ScriptedFullDiskAccess.h"

namespace tidewell::probe {

class ScanRig {
 public:
  // 2026-05-20 16:00:00 UTC.
  static models::Clock::TimePoint fixedNow();

  // A machine where every scan finds nothing and access is granted;
  // script the engines before running scans.
  ScanRig();
  ~ScanRig();

  QTemporaryDir dir;
  std::shared_ptr<models::ManualExecutor> executor = std::make_shared<models::ManualExecutor>();
  std::shared_ptr<models::SettingsStore> settings;
  models::Clock clock = models::Clock::fixed(fixedNow());

  std::shared_ptr<tidewell::testing::ScriptedCleanupEngine> cleanupEngine =
      std::make_shared<tidewell::testing::ScriptedCleanupEngine>();
  std::shared_ptr<tidewell::testing::ScriptedAppsEngine> appsEngine =
      std::make_shared<tidewell::testing::ScriptedAppsEngine>();
  std::shared_ptr<tidewell::testing::ScriptedDeepScanEngine> deepScanEngine =
      std::make_shared<tidewell::testing::ScriptedDeepScanEngine>();
  std::shared_ptr<tidewell::testing::ScriptedAdvisorEngine> advisorEngine =
      std::make_shared<tidewell::testing::ScriptedAdvisorEngine>();
  std::shared_ptr<tidewell::testing::ScriptedFullDiskAccess> access =
      std::make_shared<tidewell::testing::ScriptedFullDiskAccess>();
  // What the volume model reads; none reads as unreadable.
  std::optional<platform::VolumeCapacity> volumeReading;

  std::shared_ptr<models::CleanupViewModel> cleanup;
  std::shared_ptr<models::AppsViewModel> apps;
  std::shared_ptr<models::DeepScanViewModel> deepScan;
  std::shared_ptr<models::AdvisorViewModel> advisor;
  std::shared_ptr<models::SmartScanController> controller;
  models::ActivationSource activation;
  std::shared_ptr<models::PermissionsModel> permissions;
  std::shared_ptr<models::VolumeModel> volume;
  std::shared_ptr<design::ThemeEngine> theme;
  // Paths the Full Disk Access model asked to reveal.
  QStringList revealed;

  // Lets the event loop deliver what finished jobs posted.
  void settle();
  // Runs jobs one at a time, delivering each, until done() holds; false
  // when the queue ran dry first.
  bool runUntil(const std::function<bool()>& done);
  bool runUntil(models::SmartScanController::Phase phase);
  // Runs every job there is and every job those lead to.
  void runToEnd();
  // Runs the queued Apps (or Deep Scan) scan on a thread of its own until
  // it reports fraction and waits, and delivers what it reported: the scan
  // stands still part way until releaseHeld(), however often the event
  // loop runs. The scan must be the oldest job; no other job may run
  // meanwhile.
  void holdAppsScanAt(double fraction);
  void holdDeepScanAt(double fraction);
  // Lets the held scan finish and delivers its result.
  void releaseHeld();

 private:
  void runHeld(const std::function<void()>& waitUntilHeld, std::function<void()> release);

  std::thread held_;
  std::function<void()> releaseHeld_;
};

}  // namespace tidewell::probe
