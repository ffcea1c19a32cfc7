#pragma once
// Everything one main window owns: a fresh instance of every feature model,
// the Smart Scan controller over four of them, the Full Disk Access model,
// the volume model, which measures again each time a cleanup finishes, and
// the theme engine following it. A reopened window makes a new set. Each model is
// held through shared_ptr, so an operation still running when the window
// closes keeps its model alive until it has recorded its result.
//
// ProcessServices is what the process shares between its windows: where
// engine work runs, the settings, the clock, the machine (or a fixture) to
// work on, and the activation signal. GUI thread only.

#include <QString>
#include <functional>
#include <memory>

#include "design/theme/ThemeEngine.h"
#include "models/ModelServices.h"
#include "models/VolumeModel.h"
#include "platform/core/EngineContext.h"

namespace tidewell::models {
class ActivationSource;
class AdvisorViewModel;
class AppsViewModel;
class CleanupViewModel;
class DeepScanViewModel;
class DevModeViewModel;
class PerformanceViewModel;
class PermissionsModel;
class SmartScanController;
}  // namespace tidewell::models

namespace tidewell::app {

struct ProcessServices {
  models::ModelServices models;
  // The machine the engines work on: EngineContext::machine(), or a
  // fixture's in tests.
  platform::EngineContext context;
  // The home volume of context, for the volume model.
  models::VolumeModel::VolumeReader readVolume;
  // Fires when the application becomes active again.
  std::shared_ptr<models::ActivationSource> activation;
  // What "reveal" shows: this program.
  QString applicationPath;
  // Whether the sidebar lists Dev Mode.
  bool hasDevTools = false;

  // The real machine: a thread pool of its own, the application's settings,
  // the system clock, the machine's context and its developer tools.
  static ProcessServices forMachine();
  // Another machine (a fixture in tests): the engines over context, the
  // volume model over its home's volume, no developer tools.
  static ProcessServices forContext(platform::EngineContext context, models::ModelServices models);
};

struct WindowModels {
  std::shared_ptr<models::CleanupViewModel> cleanup;
  std::shared_ptr<models::AppsViewModel> apps;
  std::shared_ptr<models::DeepScanViewModel> deepScan;
  std::shared_ptr<models::AdvisorViewModel> advisor;
  std::shared_ptr<models::PerformanceViewModel> performance;
  std::shared_ptr<models::DevModeViewModel> devMode;
  std::shared_ptr<models::SmartScanController> smartScan;
  std::shared_ptr<models::PermissionsModel> permissions;
  std::shared_ptr<models::VolumeModel> volume;
  std::shared_ptr<design::ThemeEngine> theme;
  // The home the engines work in (where the desktop keeps its login items).
  QString home;

  // A fresh set over the process's engines; reveal shows a file in the
  // file manager (the window's screens' revealer).
  static WindowModels create(const ProcessServices& process, std::function<void(const QString&)> reveal);
};

}  // namespace tidewell::app
