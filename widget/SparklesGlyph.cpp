#include "widget/SparklesGlyph.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace tidewell::widget {

bool drawSparkles(QPainter& painter, const QRectF& box, const QColor& colour) {
  static QSvgRenderer renderer(QStringLiteral(":/tidewell-widget/sparkle-bold.svg"));
  if (!renderer.isValid() || box.isEmpty()) return false;
  // Tinted in an image of device pixels, so the glyph stays sharp at any
  // pixel ratio and only its shape takes the colour.
  const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const QSize pixels(int(std::ceil(box.width() * ratio)), int(std::ceil(box.height() * ratio)));
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter tint(&image);
    tint.setRenderHint(QPainter::Antialiasing);
    renderer.render(&tint, QRectF(QPointF(0, 0), QSizeF(pixels)));
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(image.rect(), colour);
  }
  image.setDevicePixelRatio(ratio);
  painter.drawImage(box.topLeft(), image);
  return true;
}

}  // namespace tidewell::widget
