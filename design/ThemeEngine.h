#pragma once
// Measures the home volume and publishes its health. Owned by the root
// view; measured at creation, whenever the application becomes active, and
// whenever the owner asks (after a cleanup). GUI thread only.

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

#include "design/ThemePalette.h"
#include "platform/core/VolumeCapacity.h"

namespace tidewell::design {

class ThemeEngine : public QObject {
  Q_OBJECT
  Q_PROPERTY(qint64 freeBytes READ freeBytes NOTIFY freeBytesChanged)
  Q_PROPERTY(qint64 totalBytes READ totalBytes NOTIFY totalBytesChanged)
  Q_PROPERTY(tidewell::design::ThemePalette palette READ palette NOTIFY paletteChanged)

 public:
  // Reads the volume; absent when it cannot be read.
  using VolumeReader = std::function<std::optional<platform::VolumeCapacity>()>;

  // Reads the volume of the real home folder (EngineContext::machine().home).
  static VolumeReader homeVolumeReader();

  explicit ThemeEngine(QObject* parent = nullptr);
  // Measures once through reader, then refreshes on every activation.
  explicit ThemeEngine(VolumeReader reader, QObject* parent = nullptr);

  int64_t freeBytes() const { return freeBytes_; }
  int64_t totalBytes() const { return totalBytes_; }
  const ThemePalette& palette() const { return palette_; }
  // freeBytes / totalBytes, or 0 when totalBytes is below 1.
  double freeFraction() const;

 public Q_SLOTS:
  // Reads the volume; on success publishes free bytes, total bytes and the
  // palette, in that order, each with its own notification even when the
  // value is unchanged. A failed reading, or a total below 1, changes
  // nothing.
  void refresh();

 Q_SIGNALS:
  void freeBytesChanged();
  void totalBytesChanged();
  void paletteChanged();

 private:
  VolumeReader reader_;
  int64_t freeBytes_ = 0;
  int64_t totalBytes_ = 1;
  ThemePalette palette_ = ThemePalette::forFreeFraction(1.0);
};

}  // namespace tidewell::design
