#include "design/ThemeEngine.h"

#include <QGuiApplication>

#include "platform/core/EngineContext.h"

namespace tidewell::design {

ThemeEngine::VolumeReader ThemeEngine::homeVolumeReader() {
  return [] { return platform::readVolumeCapacity(platform::EngineContext::machine().home); };
}

ThemeEngine::ThemeEngine(QObject* parent) : ThemeEngine(homeVolumeReader(), parent) {}

ThemeEngine::ThemeEngine(VolumeReader reader, QObject* parent) : QObject(parent), reader_(std::move(reader)) {
  refresh();
  // The connection dies with this object, and the queued refresh is dropped
  // if the engine goes away before it runs: nothing is measured after that.
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(app, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
      if (state == Qt::ApplicationActive)
        QMetaObject::invokeMethod(this, &ThemeEngine::refresh, Qt::QueuedConnection);
    });
  }
}

double ThemeEngine::freeFraction() const {
  if (totalBytes_ < 1) return 0.0;
  return double(freeBytes_) / double(totalBytes_);
}

void ThemeEngine::refresh() {
  if (!reader_) return;
  const std::optional<platform::VolumeCapacity> capacity = reader_();
  if (!capacity || capacity->totalBytes < 1) return;
  freeBytes_ = capacity->freeBytes;
  Q_EMIT freeBytesChanged();
  totalBytes_ = capacity->totalBytes;
  Q_EMIT totalBytesChanged();
  palette_ = ThemePalette::forFreeFraction(double(capacity->freeBytes) / double(capacity->totalBytes));
  Q_EMIT paletteChanged();
}

}  // namespace tidewell::design
