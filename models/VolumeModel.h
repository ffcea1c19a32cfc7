#pragma once
// The home volume's free and total bytes, kept current: measured when the
// model is made, each time the activation source fires, and whenever the
// owner asks (after a cleanup). The window owns it; the Home page, the
// Clean review and the theme read it. GUI thread only.

#include <cstdint>
#include <functional>
#include <optional>

#include "models/FeatureModel.h"
#include "platform/core/VolumeCapacity.h"

namespace tidewell::models {

class ActivationSource;

class VolumeModel : public FeatureModel {
  Q_OBJECT
  Q_PROPERTY(qint64 freeBytes READ freeBytes NOTIFY freeBytesChanged)
  Q_PROPERTY(qint64 totalBytes READ totalBytes NOTIFY totalBytesChanged)

 public:
  // Reads the volume; absent when it cannot be read.
  using VolumeReader = std::function<std::optional<platform::VolumeCapacity>()>;

  // Measures once through reader, then again on every activation (queued,
  // and dropped when the model goes first). activation may be null: then
  // only the owner's refresh() measures again.
  explicit VolumeModel(VolumeReader reader, ActivationSource* activation = nullptr,
                       QObject* parent = nullptr);

  // 0 of 1 byte until a reading succeeds.
  int64_t freeBytes() const { return freeBytes_; }
  int64_t totalBytes() const { return totalBytes_; }
  // freeBytes / totalBytes, or 0 when totalBytes is below 1.
  double freeFraction() const;
  // Whether any reading has succeeded yet.
  bool hasReading() const { return hasReading_; }

 public Q_SLOTS:
  // Reads the volume; on success publishes free bytes, then total bytes,
  // each even when unchanged, then emits measured(). A failed reading, or a
  // total below 1, changes nothing and emits nothing.
  void refresh();

 Q_SIGNALS:
  void freeBytesChanged();
  void totalBytesChanged();
  // After a successful reading, once both fields are published.
  void measured();

 private:
  VolumeReader reader_;
  int64_t freeBytes_ = 0;
  int64_t totalBytes_ = 1;
  bool hasReading_ = false;
};

}  // namespace tidewell::models
