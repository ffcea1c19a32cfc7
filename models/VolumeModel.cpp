#include "models/VolumeModel.h"

#include "models/ModelsLog.h"
#include "models/permissions/ActivationSource.h"

namespace tidewell::models {

VolumeModel::VolumeModel(VolumeReader reader, ActivationSource* activation, QObject* parent)
    : FeatureModel(parent), reader_(std::move(reader)) {
  refresh();
  // The connection dies with either object, and the queued refresh is
  // dropped if the model goes away before it runs: nothing is measured
  // after that.
  if (activation)
    connect(activation, &ActivationSource::activated, this, &VolumeModel::refresh, Qt::QueuedConnection);
}

double VolumeModel::freeFraction() const {
  if (totalBytes_ < 1) return 0.0;
  return double(freeBytes_) / double(totalBytes_);
}

void VolumeModel::refresh() {
  if (!reader_) return;
  const std::optional<platform::VolumeCapacity> capacity = reader_();
  if (!capacity || capacity->totalBytes < 1) {
    qCDebug(lcModels) << "volume: reading failed; keeping" << freeBytes_ << "free of" << totalBytes_;
    return;
  }
  hasReading_ = true;
  publish(this, freeBytes_, capacity->freeBytes, &VolumeModel::freeBytesChanged);
  publish(this, totalBytes_, capacity->totalBytes, &VolumeModel::totalBytesChanged);
  Q_EMIT measured();
}

}  // namespace tidewell::models
