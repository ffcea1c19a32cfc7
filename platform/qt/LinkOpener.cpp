#include "platform/qt/LinkOpener.h"

#include <QDesktopServices>

namespace tidewell::platform {

DesktopLinkOpener::DesktopLinkOpener() : openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {}

void DesktopLinkOpener::open(const QUrl& url) {
  if (url.isValid() && openUrl_) openUrl_(url);
}

}  // namespace tidewell::platform
