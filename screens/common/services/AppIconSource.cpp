#include "screens/common/services/AppIconSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QMimeDatabase>
#include <QPainter>
#include <cmath>

#include "design/paint/Shapes.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"
#include "engine/apps/PropertyList.h"
#include "platform/qt/IconFile.h"

namespace tidewell::screens {

using namespace design::literals;

namespace {

std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::optional<engine::PropertyList> bundleInfo(const QString& bundle) {
  if (auto info = engine::PropertyList::readFile(native(bundle + QStringLiteral("/Contents/Info.plist"))))
    return info;
  return engine::PropertyList::readFile(native(bundle + QStringLiteral("/Info.plist")));
}

bool isBundle(const QFileInfo& info) {
  return info.isDir() && info.fileName().endsWith(QLatin1String(".app"), Qt::CaseInsensitive);
}

}  // namespace

QStringList bundleIconFiles(const QString& bundlePath) {
  const auto info = bundleInfo(bundlePath);
  if (!info) return {};
  const QString named = QString::fromStdString(info->string("CFBundleIconFile").value_or(""));
  if (!platform::isAcceptableIconName(named)) return {};
  const QString base = QFileInfo(named).suffix().isEmpty() ? named : QFileInfo(named).completeBaseName();
  const QString file = QFileInfo(named).suffix().isEmpty() ? named + QStringLiteral(".icns") : named;
  QStringList candidates;
  for (const QString& folder : {QStringLiteral("/Contents/Resources/"), QStringLiteral("/Resources/")}) {
    const QString dir = bundlePath + folder;
    candidates << dir + file;
    for (const char* suffix : {".png", ".svg"}) {
      const QString other = dir + base + QLatin1String(suffix);
      if (!candidates.contains(other)) candidates << other;
    }
  }
  return candidates;
}

platform::IconSearch searchIcon(const QString& path, int pixels, const QStringList& pixmapFolders) {
  platform::IconSearch found;
  const QFileInfo info(path);
  if (isBundle(info)) {
    for (const QString& file : bundleIconFiles(path)) {
      found.image = platform::readIconImage(file, pixels);
      if (!found.image.isNull()) return found;
    }
  } else if (auto launcher = platform::searchLauncherIcon(info, pixels, pixmapFolders)) {
    found = std::move(*launcher);
    if (!found.image.isNull()) return found;
  } else if (info.exists()) {
    if (QDir::cleanPath(path) == QLatin1String("/")) found.themeNames << QStringLiteral("drive-harddisk");
    if (info.isDir()) {
      found.themeNames << QStringLiteral("folder");
    } else {
      const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
      found.themeNames << type.iconName() << type.genericIconName();
    }
  }
  found.themeNames << QString::fromLatin1(kGenericApplicationIconName);
  found.themeNames.removeAll(QString());
  found.themeNames.removeDuplicates();
  return found;
}

QImage genericAppIcon(int pixels) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const double inset = pixels * 0.08;
  const QRectF tile(inset, inset, pixels - 2 * inset, pixels - 2 * inset);
  const double radius = tile.width() * 0.225;
  QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
  fill.setColorAt(0, design::Color::rgb(0.30, 0.30, 0.37));
  fill.setColorAt(1, design::Color::rgb(0.17, 0.17, 0.22));
  painter.fillPath(design::continuousRoundedRect(tile, radius), fill);
  design::strokeInside(painter, tile, radius, std::max(1.0, pixels / 64.0), design::Color::white(0.14));
  const double side = tile.width() * 0.5;
  design::drawSymbol(painter, "app.fill"_symbol,
                     QRectF(tile.center() - QPointF(side / 2, side / 2), QSizeF(side, side)),
                     design::FontWeight::Regular, design::Color::white(0.78));
  return image;
}

}  // namespace tidewell::screens
