#include "design/brand/ResourceRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tidewell::design {

QString buildTreeResourceRoot() { return QStringLiteral(TIDEWELL_BUILD_RESOURCES); }

QString resourceRoot() {
  const QString override = qEnvironmentVariable("TIDEWELL_RESOURCES");
  if (!override.isEmpty()) return QDir::cleanPath(override);
  if (QCoreApplication::instance()) {
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tidewell-mac"));
    if (QFileInfo(installed).isDir()) return installed;
  }
  return buildTreeResourceRoot();
}

}  // namespace tidewell::design
