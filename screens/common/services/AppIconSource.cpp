#include "screens/common/services/AppIconSource.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLinearGradient>
#include <QMimeDatabase>
#include <QPainter>
#include <cmath>

#include "design/paint/Shapes.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"
#include "engine/apps/PropertyList.h"
#include "platform/core/SmallFile.h"
#include "platform/linux/DesktopEntry.h"

namespace tidewell::screens {

using namespace design::literals;

namespace {

constexpr int kMaxSubImages = 32;

bool acceptableName(const QString& name) {
  return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
         !name.contains(QLatin1Char('/')) && !name.contains(QChar(u'\0'));
}

std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::optional<engine::PropertyList> bundleInfo(const QString& bundle) {
  if (auto info = engine::PropertyList::readFile(native(bundle + QStringLiteral("/Contents/Info.plist"))))
    return info;
  return engine::PropertyList::readFile(native(bundle + QStringLiteral("/Info.plist")));
}

bool isBundle(const QFileInfo& info) {
  return info.isDir() && info.fileName().endsWith(QLatin1String(".app"), Qt::CaseInsensitive);
}

QString withoutImageSuffix(const QString& name) {
  for (const char* suffix : {".png", ".svg", ".svgz", ".xpm", ".icns"})
    if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
      return name.left(name.size() - qsizetype(qstrlen(suffix)));
  return name;
}

// A desktop entry's Icon key: read as a picture when it is a path, else
// looked up by name.
IconSearch searchEntry(const QString& path, int pixels, const QStringList& pixmapFolders) {
  IconSearch found;
  const auto text = platform::readSmallFile(native(path), platform::DesktopEntry::kMaxBytes);
  const auto entry = text ? platform::DesktopEntry::parse(*text) : std::nullopt;
  const QString icon = entry ? QString::fromStdString(entry->icon) : QString();
  if (icon.startsWith(QLatin1Char('/'))) {
    found.image = readIconImage(icon, pixels);
    if (found.image.isNull()) found.themeNames << withoutImageSuffix(QFileInfo(icon).fileName());
  } else if (acceptableName(icon)) {
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

}  // namespace

QStringList standardPixmapFolders() { return {QStringLiteral("/usr/share/pixmaps")}; }

QStringList bundleIconFiles(const QString& bundlePath) {
  const auto info = bundleInfo(bundlePath);
  if (!info) return {};
  const QString named = QString::fromStdString(info->string("CFBundleIconFile").value_or(""));
  if (!acceptableName(named)) return {};
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

QImage squareIcon(const QImage& image, int pixels) {
  if (image.isNull() || pixels <= 0) return {};
  const QImage scaled = image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QImage square(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  square.fill(Qt::transparent);
  QPainter painter(&square);
  painter.drawImage((pixels - scaled.width()) / 2, (pixels - scaled.height()) / 2, scaled);
  return square;
}

QImage readIconImage(const QString& file, int pixels) {
  // Read whole through the small-file reader, so the file judged regular
  // is the one read: a FIFO swapped in after a check is not waited on.
  const std::optional<std::string> bytes = platform::readSmallFile(native(file), kMaxIconFileBytes);
  if (!bytes) return {};
  QByteArray data = QByteArray::fromRawData(bytes->data(), qsizetype(bytes->size()));
  QBuffer device(&data);
  device.open(QIODevice::ReadOnly);
  QImageReader reader(&device);
  reader.setDecideFormatFromContent(true);
  if (reader.format().startsWith("svg")) {
    // Vector art is drawn at the size wanted, not scaled up from its own.
    QSize size = reader.size();
    if (size.isValid() && !size.isEmpty()) {
      size.scale(pixels, pixels, Qt::KeepAspectRatio);
      reader.setScaledSize(size);
    }
    return squareIcon(reader.read(), pixels);
  }
  const int count = std::min(reader.imageCount(), kMaxSubImages);
  if (count <= 1) return squareIcon(reader.read(), pixels);
  // Several sizes (an .icns): the smallest at least pixels wide, else the largest.
  QImage best;
  for (int i = 0; i < count; ++i) {
    if (!reader.jumpToImage(i)) break;
    const QImage candidate = reader.read();
    if (candidate.isNull()) continue;
    const int side = std::max(candidate.width(), candidate.height());
    const int bestSide = best.isNull() ? 0 : std::max(best.width(), best.height());
    const bool better =
        best.isNull() || (bestSide < pixels ? side > bestSide : side >= pixels && side < bestSide);
    if (better) best = candidate;
  }
  return squareIcon(best, pixels);
}

IconSearch searchIcon(const QString& path, int pixels, const QStringList& pixmapFolders) {
  IconSearch found;
  const QFileInfo info(path);
  if (isBundle(info)) {
    for (const QString& file : bundleIconFiles(path)) {
      found.image = readIconImage(file, pixels);
      if (!found.image.isNull()) return found;
    }
  } else if (info.isFile() && info.fileName().endsWith(QLatin1String(".desktop"))) {
    found = searchEntry(path, pixels, pixmapFolders);
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
