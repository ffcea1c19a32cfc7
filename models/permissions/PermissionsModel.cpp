#include "models/permissions/PermissionsModel.h"

#include <utility>

namespace tidewell::models {

PermissionsModel::PermissionsModel(std::shared_ptr<const platform::FullDiskAccess> access, RevealFile reveal,
                                   QString applicationPath, ActivationSource* activation, QObject* parent)
    : FeatureModel(parent),
      access_(std::move(access)),
      reveal_(std::move(reveal)),
      applicationPath_(std::move(applicationPath)) {
  probe();
  // Queued, like the system's own delivery: a model gone before the probe
  // runs is simply not called.
  if (activation)
    connect(activation, &ActivationSource::activated, this, &PermissionsModel::probe, Qt::QueuedConnection);
}

void PermissionsModel::probe() {
  publish(this, hasFullDiskAccess_, access_->isGranted(), &PermissionsModel::hasFullDiskAccessChanged);
}

void PermissionsModel::openFullDiskAccessSettings() const { access_->openSettings(); }

void PermissionsModel::revealAppInFinder() const {
  if (reveal_) reveal_(applicationPath_);
}

}  // namespace tidewell::models
