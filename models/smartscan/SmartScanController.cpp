#include "models/smartscan/SmartScanController.h"

#include <utility>

#include "models/ModelsLog.h"

namespace tidewell::models {

SmartScanController::SmartScanController(std::shared_ptr<CleanupViewModel> cleanup,
                                         std::shared_ptr<AppsViewModel> apps,
                                         std::shared_ptr<DeepScanViewModel> deepScan,
                                         std::shared_ptr<AdvisorViewModel> advisor, QObject* parent)
    : FeatureModel(parent),
      cleanup_(std::move(cleanup)),
      apps_(std::move(apps)),
      deepScan_(std::move(deepScan)),
      advisor_(std::move(advisor)) {
  // Connected with the controller as context: the forwarding ends with it.
  for (FeatureModel* model :
       {static_cast<FeatureModel*>(cleanup_.get()), static_cast<FeatureModel*>(apps_.get()),
        static_cast<FeatureModel*>(deepScan_.get()), static_cast<FeatureModel*>(advisor_.get())})
    connect(model, &FeatureModel::changed, this, &FeatureModel::changed);
}

bool SmartScanController::isRunning() const { return phase_ != Phase::idle && phase_ != Phase::done; }

bool SmartScanController::cleanupFinished() const {
  return cleanup_->phase() == CleanupViewModel::Phase::review ||
         cleanup_->phase() == CleanupViewModel::Phase::done;
}

QString SmartScanController::statusLine() const {
  switch (phase_) {
    case Phase::clean:
      if (const auto& target = cleanup_->currentTarget()) return QString::fromStdString(*target);
      return QStringLiteral("measuring caches…");
    case Phase::apps:
      return QStringLiteral("reading /Applications…");
    case Phase::deepScan:
      return QStringLiteral("walking your home folder…");
    case Phase::advisor:
      return QStringLiteral("asking simctl and tmutil…");
    case Phase::idle:
    case Phase::done:
      break;
  }
  return QString();
}

bool SmartScanController::refusesStart() const {
  const auto clean = cleanup_->phase();
  return isRunning() || clean == CleanupViewModel::Phase::scanning ||
         clean == CleanupViewModel::Phase::cleaning || apps_->phase() == AppsViewModel::Phase::scanning ||
         deepScan_->phase() == DeepScanViewModel::Phase::scanning ||
         advisor_->phase() == AdvisorViewModel::Phase::scanning;
}

void SmartScanController::setPhase(Phase phase) {
  publish(this, phase_, phase, &SmartScanController::phaseChanged);
}

QCoro::Task<> SmartScanController::start() {
  if (refusesStart()) co_return;
  auto keep = keepAlive();
  publish(this, stopped_, false, &SmartScanController::stoppedChanged);
  const int64_t id = ++runID_;
  qCDebug(lcModels) << "smart scan: run" << id << "started";
  // Each scan is named before it is awaited, as everywhere in the models
  // (g++ 12 may destroy temporaries of a co_await expression twice).
  setPhase(Phase::clean);
  QCoro::Task<> step = cleanup_->scan();
  co_await step;
  if (runID_ != id) co_return;
  setPhase(Phase::apps);
  step = apps_->scan();
  co_await step;
  if (runID_ != id) co_return;
  setPhase(Phase::deepScan);
  step = deepScan_->scan();
  co_await step;
  if (runID_ != id) co_return;
  setPhase(Phase::advisor);
  step = advisor_->scan();
  co_await step;
  if (runID_ != id) co_return;
  setPhase(Phase::done);
  qCDebug(lcModels) << "smart scan: run" << id << "ended";
}

void SmartScanController::requestStop() {
  if (!isRunning()) return;
  qCDebug(lcModels) << "smart scan: run" << runID_ << "stopped";
  ++runID_;
  publish(this, stopped_, true, &SmartScanController::stoppedChanged);
  finish();
}

void SmartScanController::finish() { setPhase(Phase::done); }

void SmartScanController::reset() { setPhase(Phase::idle); }

}  // namespace tidewell::models
