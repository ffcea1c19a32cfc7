#include "app/root/WindowModels.h"

#include <QCoreApplication>

#include "models/SettingsStore.h"
#include "models/ThreadPoolExecutor.h"
#include "models/advisor/AdvisorViewModel.h"
#include "models/advisor/MachineAdvisorEngine.h"
#include "models/apps/AppsViewModel.h"
#include "models/apps/MachineAppsEngine.h"
#include "models/clean/CleanupViewModel.h"
#include "models/clean/MachineCleanupEngine.h"
#include "models/deepscan/DeepScanViewModel.h"
#include "models/deepscan/MachineDeepScanEngine.h"
#include "models/devmode/DevModeViewModel.h"
#include "models/performance/MachinePerformanceEngine.h"
#include "models/performance/PerformanceViewModel.h"
#include "models/permissions/ActivationSource.h"
#include "models/permissions/PermissionsModel.h"
#include "models/smartscan/SmartScanController.h"
#include "platform/core/VolumeCapacity.h"
#include "platform/qt/LinuxFullDiskAccess.h"
#include "screens/common/ThemeFollowsVolume.h"

namespace tidewell::app {

namespace {

// A cleanup changes what is free: the volume model measures again once each
// time the Clean model reaches done (and the theme follows the volume). The
// Clean model announces every write, equal or not, so only a change of
// phase counts. The connection goes with the volume model; the Clean model
// is the sender, so it lives while the slot runs.
void measureAfterEachCleanup(models::CleanupViewModel& cleanup, models::VolumeModel& volume) {
  using Phase = models::CleanupViewModel::Phase;
  QObject::connect(&cleanup, &models::CleanupViewModel::phaseChanged, &volume,
                   [model = &cleanup, volume = &volume, last = cleanup.phase()]() mutable {
                     const Phase phase = model->phase();
                     const bool changed = phase != last;
                     last = phase;
                     if (changed && phase == Phase::done) volume->refresh();
                   });
}

}  // namespace

ProcessServices ProcessServices::forMachine() {
  ProcessServices process = forContext(platform::EngineContext::machine(),
                                       {std::make_shared<models::ThreadPoolExecutor>(),
                                        models::SettingsStore::forApplication(), models::Clock::system()});
  process.hasDevTools = models::DevModeViewModel::hasDevTools(process.context);
  return process;
}

ProcessServices ProcessServices::forContext(platform::EngineContext context, models::ModelServices models) {
  ProcessServices process;
  process.models = std::move(models);
  process.readVolume = [home = context.home]() { return platform::readVolumeCapacity(home); };
  process.context = std::move(context);
  process.activation = std::make_shared<models::ActivationSource>();
  process.applicationPath = QCoreApplication::applicationFilePath();
  return process;
}

WindowModels WindowModels::create(const ProcessServices& process,
                                  std::function<void(const QString&)> reveal) {
  using namespace models;
  const ModelServices& services = process.models;
  const auto cleanEngine = std::make_shared<const MachineCleanupEngine>(process.context);

  WindowModels window;
  window.cleanup = std::make_shared<CleanupViewModel>(services, cleanEngine);
  window.apps =
      std::make_shared<AppsViewModel>(services, std::make_shared<const MachineAppsEngine>(process.context));
  window.deepScan = std::make_shared<DeepScanViewModel>(
      services, std::make_shared<const MachineDeepScanEngine>(process.context));
  window.advisor = std::make_shared<AdvisorViewModel>(
      services, std::make_shared<const MachineAdvisorEngine>(process.context));
  window.smartScan =
      std::make_shared<SmartScanController>(window.cleanup, window.apps, window.deepScan, window.advisor);
  window.performance = std::make_shared<PerformanceViewModel>(
      services, std::make_shared<const MachinePerformanceEngine>(process.context));
  window.devMode = std::make_shared<DevModeViewModel>(services, cleanEngine);
  window.permissions = std::make_shared<PermissionsModel>(
      std::make_shared<const platform::LinuxFullDiskAccess>(), std::move(reveal), process.applicationPath,
      process.activation.get());
  window.volume = std::make_shared<VolumeModel>(process.readVolume, process.activation.get());
  window.theme = std::make_shared<design::ThemeEngine>();
  screens::themeFollowsVolume(*window.theme, *window.volume);
  measureAfterEachCleanup(*window.cleanup, *window.volume);
  window.home = QString::fromStdString(process.context.home);
  return window;
}

}  // namespace tidewell::app
