#include "testkit/probe/FakeServices.h"

#include "screens/common/services/AppIconSource.h"

namespace tidewell::probe {

QImage ManualIconProvider::icon(const QString& path) {
  if (auto found = icons_.constFind(path); found != icons_.constEnd()) return *found;
  requested.append(path);
  if (immediate) {
    const QImage generic = screens::genericAppIcon(kIconPixels);
    icons_.insert(path, generic);
    return generic;
  }
  return {};
}

void ManualIconProvider::deliver(const QString& path, const QImage& image) {
  icons_.insert(path, image);
  Q_EMIT iconReady(path);
}

QImage ManualIconProvider::swatch(const QColor& colour) {
  QImage image(kIconPixels, kIconPixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  return image;
}

}  // namespace tidewell::probe
