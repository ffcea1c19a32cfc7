#include "app/AppBridge.h"

namespace tidewell::app {

AppBridge& AppBridge::shared() {
  static AppBridge* bridge = new AppBridge;  // lives as long as the process
  return *bridge;
}

void AppBridge::runScan() {
  autoStartScan = true;
  openAndActivate();
  Q_EMIT runScanRequested();
}

void AppBridge::openSection(const QString& title) {
  pendingSection = title;
  openAndActivate();
  Q_EMIT openSectionRequested(title);
}

void AppBridge::showAbout() { Q_EMIT showAboutRequested(); }

void AppBridge::openLink(const QString& link) {
  openAndActivate();
  Q_EMIT linkOpened(link);
}

void AppBridge::openAndActivate() {
  if (openWindow) openWindow();
  if (activate) activate();
}

}  // namespace tidewell::app
