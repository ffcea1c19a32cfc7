#include "screens/common/services/DesktopAppIconProvider.h"

#include <QIcon>
#include <QPixmap>

#include "platform/qt/IconFile.h"
#include "platform/qt/LauncherIcon.h"
#include "screens/common/services/AppIconSource.h"

namespace tidewell::screens {

namespace {
constexpr int kCacheKilobytes = 32 * 1024;
// Icons are small files; two readers keep a grid of cards filling quickly
// without crowding the machine.
constexpr int kThreads = 2;

int kilobytes(const QImage& image) { return std::max<int>(1, int(image.sizeInBytes() / 1024)); }
}  // namespace

DesktopAppIconProvider::DesktopAppIconProvider(QObject* parent)
    : DesktopAppIconProvider(systemTheme(), platform::standardPixmapFolders(), parent) {}

DesktopAppIconProvider::DesktopAppIconProvider(ThemeLookup theme, QStringList pixmapFolders, QObject* parent)
    : AppIconProvider(parent), theme_(std::move(theme)), pixmapFolders_(std::move(pixmapFolders)) {
  pool_.setMaxThreadCount(kThreads);
  cache_.setMaxCost(kCacheKilobytes);
}

DesktopAppIconProvider::~DesktopAppIconProvider() {
  // Results posted while waiting are dropped with this object's events.
  pool_.clear();
  pool_.waitForDone();
}

QImage DesktopAppIconProvider::icon(const QString& path) {
  if (const QImage* cached = cache_.object(path)) return *cached;
  if (pending_.contains(path)) return {};
  pending_.insert(path);
  const QStringList folders = pixmapFolders_;
  pool_.start([this, path, folders] {
    platform::IconSearch found = searchIcon(path, kIconPixels, folders);
    QMetaObject::invokeMethod(
        this, [this, path, found = std::move(found)] { finish(path, found); }, Qt::QueuedConnection);
  });
  return {};
}

void DesktopAppIconProvider::finish(const QString& path, const platform::IconSearch& found) {
  QImage image = found.image;
  if (image.isNull() && theme_)
    image = platform::squareIcon(theme_(found.themeNames, kIconPixels), kIconPixels);
  if (image.isNull()) image = found.fallback;
  if (image.isNull()) image = genericAppIcon(kIconPixels);
  pending_.remove(path);
  cache_.insert(path, new QImage(image), kilobytes(image));
  Q_EMIT iconReady(path);
}

DesktopAppIconProvider::ThemeLookup DesktopAppIconProvider::systemTheme() {
  return [](const QStringList& names, int pixels) -> QImage {
    for (const QString& name : names) {
      if (name.isEmpty()) continue;
      const QIcon icon = QIcon::fromTheme(name);
      if (icon.isNull()) continue;
      const QPixmap pixmap = icon.pixmap(QSize(pixels, pixels));
      if (!pixmap.isNull()) return pixmap.toImage();
    }
    return {};
  };
}

}  // namespace tidewell::screens
