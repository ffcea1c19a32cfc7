#include "widget/LinkOpener.h"

#include <QDesktopServices>

namespace tidewell::widget {

LinkOpener desktopLinkOpener() {
  return [](const QUrl& link) { QDesktopServices::openUrl(link); };
}

QUrl scanLink() { return QUrl(QStringLiteral("tidewellmac://scan")); }

}  // namespace tidewell::widget
