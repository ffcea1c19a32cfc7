#include "app/AppBridge.h"

namespace tidewell::app {

AppBridge& AppBridge::shared() {
  static AppBridge* bridge = new AppBridge;  // lives as long as the process
  return *bridge;
}

void AppBridge::runScan() {
  autoStartScan = true;
  openAndActivate();
  emit runScanRequested();
}

void AppBridge::openSection(const QString& title) {
  pendingSection = title;
  openAndActivate();
  emit openSectionRequested(title);
}

void AppBridge::showAbout() { emit showAboutRequested(); }

void AppBridge::openLink(const QString& link) {
  openAndActivate();
  emit linkOpened(link);
}

void AppBridge::openAndActivate() {
  if (openWindow) openWindow();
  if (activate) activate();
}

}  // namespace tidewell::app
