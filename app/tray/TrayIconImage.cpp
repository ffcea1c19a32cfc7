#include "app/tray/TrayIconImage.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <cmath>

#include "design/brand/BrandAsset.h"
#include "design/symbols/Symbol.h"

namespace tidewell::app {

using namespace design::literals;

namespace {

// Trays pick the sharpest pixmap for their scale.
constexpr double kScales[] = {1.0, 2.0};

template <typename Draw>
QPixmap whitePicture(const QSizeF& size, double scale, Draw draw) {
  const QSize pixels(int(std::ceil(size.width() * scale)), int(std::ceil(size.height() * scale)));
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    // Keep the shape, drop its colours: a template image.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), Qt::white);
  }
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

}  // namespace

QSizeF trayIconSize(const QSizeF& natural) {
  if (natural.height() > 0) return {kTrayIconHeight * natural.width() / natural.height(), kTrayIconHeight};
  return {kTrayIconHeight, kTrayIconHeight};
}

TrayIconArt trayIconArt(const QString& root) {
  TrayIconArt art;
  const QString file = design::brandSvgFile(design::BrandAsset::Mark, root);
  if (!file.isEmpty()) {
    QSvgRenderer svg(file);
    if (svg.isValid()) {
      art.isLogo = true;
      art.size = trayIconSize(svg.viewBoxF().size());
      for (const double scale : kScales) {
        art.icon.addPixmap(
            whitePicture(art.size, scale, [&](QPainter& p, const QRectF& r) { svg.render(&p, r); }));
      }
      return art;
    }
  }
  art.size = QSizeF(kTrayIconHeight, kTrayIconHeight);
  for (const double scale : kScales) {
    art.icon.addPixmap(whitePicture(art.size, scale, [](QPainter& p, const QRectF& r) {
      design::drawSymbol(p, "sparkles"_symbol, r, design::FontWeight::Regular, Qt::white);
    }));
  }
  return art;
}

}  // namespace tidewell::app
