#pragma once
// The window's shared models, real, over scripted engines and one
// ManualExecutor, for the Home and Smart Scan screens' tests and
// renderers: the Clean, Apps, Deep Scan and Advisor models, the Smart Scan
// controller over them, the Full Disk Access model, the theme engine over
// a scripted volume and a settings file in a temporary folder, with a
// fixed clock. Nothing runs until the caller runs jobs, so any moment of a
// scan can be held still. GUI thread only.

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "design/ThemeEngine.h"
#include "models/Clock.h"
#include "models/ManualExecutor.h"
#include "models/SettingsStore.h"
#include "models/advisor/AdvisorViewModel.h"
#include "models/apps/AppsViewModel.h"
#include "models/clean/CleanupViewModel.h"
#include "models/deepscan/DeepScanViewModel.h"
#include "models/permissions/ActivationSource.h"
#include "models/permissions/PermissionsModel.h"
#include "models/smartscan/SmartScanController.h"
#include "platform/core/VolumeCapacity.h"
#include "screens/probe/ScriptedEngines.h"

namespace tidewell::screens::probe {

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

  std::shared_ptr<ScriptedCleanupEngine> cleanupEngine = std::make_shared<ScriptedCleanupEngine>();
  std::shared_ptr<ScriptedAppsEngine> appsEngine = std::make_shared<ScriptedAppsEngine>();
  std::shared_ptr<ScriptedDeepScanEngine> deepScanEngine = std::make_shared<ScriptedDeepScanEngine>();
  std::shared_ptr<ScriptedAdvisorEngine> advisorEngine = std::make_shared<ScriptedAdvisorEngine>();
  std::shared_ptr<ScriptedFullDiskAccess> access = std::make_shared<ScriptedFullDiskAccess>();
  // What the theme engine reads; none reads as unreadable.
  std::optional<platform::VolumeCapacity> volume;

  std::shared_ptr<models::CleanupViewModel> cleanup;
  std::shared_ptr<models::AppsViewModel> apps;
  std::shared_ptr<models::DeepScanViewModel> deepScan;
  std::shared_ptr<models::AdvisorViewModel> advisor;
  std::shared_ptr<models::SmartScanController> controller;
  models::ActivationSource activation;
  std::shared_ptr<models::PermissionsModel> permissions;
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
  // Runs the oldest job on a thread of its own until it waits at gate (an
  // engine's, set before), and delivers what it reported: the scan stands
  // still part way until releaseHeld(), however often the event loop runs.
  // One job at a time; no other job may run meanwhile.
  void runJobHeld(const std::shared_ptr<ScanGate>& gate);
  // Lets the held job finish and delivers its result.
  void releaseHeld();

 private:
  std::thread held_;
  std::shared_ptr<ScanGate> heldGate_;
};

}  // namespace tidewell::screens::probe
