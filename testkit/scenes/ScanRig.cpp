#include "testkit/scenes/ScanRig.h"

#include <QCoreApplication>
#include <QEvent>
#include <chrono>

#include "models/ModelServices.h"
#include "screens/common/ThemeFollowsVolume.h"

namespace tidewell::probe {

models::Clock::TimePoint ScanRig::fixedNow() {
  return models::Clock::TimePoint(std::chrono::seconds(1'779'292'800));
}

ScanRig::ScanRig() {
  settings = models::SettingsStore::atFile(dir.filePath(QStringLiteral("settings.ini")));
  const models::ModelServices services{executor, settings, clock};
  cleanup = std::make_shared<models::CleanupViewModel>(services, cleanupEngine);
  apps = std::make_shared<models::AppsViewModel>(services, appsEngine);
  deepScan = std::make_shared<models::DeepScanViewModel>(services, deepScanEngine);
  advisor = std::make_shared<models::AdvisorViewModel>(services, advisorEngine);
  controller = std::make_shared<models::SmartScanController>(cleanup, apps, deepScan, advisor);
  permissions = std::make_shared<models::PermissionsModel>(
      access, [this](const QString& path) { revealed.append(path); },
      QStringLiteral("/opt/tidewell/tidewell-mac"), &activation);
  volume = std::make_shared<models::VolumeModel>([this] { return volumeReading; }, &activation);
  theme = std::make_shared<design::ThemeEngine>();
  screens::themeFollowsVolume(*theme, *volume);
}

// The models go before the rig's engines and settings they use.
ScanRig::~ScanRig() {
  releaseHeld();
  controller.reset();
  permissions.reset();
  theme.reset();
  volume.reset();
  cleanup.reset();
  apps.reset();
  deepScan.reset();
  advisor.reset();
}

void ScanRig::settle() {
  for (int i = 0; i < 8; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

bool ScanRig::runUntil(const std::function<bool()>& done) {
  settle();
  while (!done()) {
    if (!executor->runJob(0)) return false;
    settle();
  }
  return true;
}

bool ScanRig::runUntil(models::SmartScanController::Phase phase) {
  return runUntil([this, phase] { return controller->phase() == phase; });
}

void ScanRig::runToEnd() {
  settle();
  while (executor->runAll() > 0) settle();
}

void ScanRig::holdAppsScanAt(double fraction) {
  appsEngine->holdScanAt(fraction);
  runHeld([engine = appsEngine] { engine->waitUntilHeld(); }, [engine = appsEngine] { engine->release(); });
}

void ScanRig::holdDeepScanAt(double fraction) {
  deepScanEngine->holdScanAt(fraction);
  runHeld([engine = deepScanEngine] { engine->waitUntilHeld(); },
          [engine = deepScanEngine] { engine->release(); });
}

// The GUI thread waits while the job leaves the queue on the other thread,
// so the two never touch the queue at once.
void ScanRig::runHeld(const std::function<void()>& waitUntilHeld, std::function<void()> release) {
  releaseHeld();
  releaseHeld_ = std::move(release);
  held_ = std::thread([executor = executor] { executor->runJob(0); });
  waitUntilHeld();
  settle();
}

void ScanRig::releaseHeld() {
  if (!held_.joinable()) return;
  releaseHeld_();
  held_.join();
  settle();
}

}  // namespace tidewell::probe
