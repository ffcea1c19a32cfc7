#include "platform/qt/LauncherIcon.h"

#include <QFile>
#include <QFileInfo>
#include <string>

#include "platform/core/LauncherFile.h"
#include "platform/qt/IconFile.h"

namespace tidewell::platform {

namespace {

QString withoutImageSuffix(const QString& name) {
  for (const char* suffix : {".png", ".svg", ".svgz", ".xpm", ".icns"})
    if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
      return name.left(name.size() - qsizetype(qstrlen(suffix)));
  return name;
}

}  // namespace

QStringList standardPixmapFolders() {
  QStringList folders;
  for (const std::string& folder : LauncherFile::pixmapFolders())
    folders << QFile::decodeName(QByteArray::fromStdString(folder));
  return folders;
}

std::optional<IconSearch> searchLauncherIcon(const QFileInfo& file, int pixels,
                                             const QStringList& pixmapFolders) {
  if (!file.isFile() || !LauncherFile::isLauncherName(QFile::encodeName(file.fileName()).toStdString()))
    return std::nullopt;
  // The icon it names: read as a picture when it is a path, else looked up
  // by name.
  IconSearch found;
  const QString icon =
      QString::fromStdString(LauncherFile::iconOf(QFile::encodeName(file.filePath()).toStdString()));
  if (icon.startsWith(QLatin1Char('/'))) {
    found.image = readIconImage(icon, pixels);
    if (found.image.isNull()) found.themeNames << withoutImageSuffix(QFileInfo(icon).fileName());
  } else if (isAcceptableIconName(icon)) {
    const QString name = withoutImageSuffix(icon);
    found.themeNames << name;
    for (const QString& folder : pixmapFolders) {
      for (const char* suffix : {".png", ".svg", ".xpm"}) {
        found.fallback = readIconImage(folder + QLatin1Char('/') + name + QLatin1String(suffix), pixels);
        if (!found.fallback.isNull()) break;
      }
      if (!found.fallback.isNull()) break;
    }
  }
  found.themeNames.removeAll(QString());
  return found;
}

}  // namespace tidewell::platform
