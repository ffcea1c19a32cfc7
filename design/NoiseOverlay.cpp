#include "design/NoiseOverlay.h"

#include <QPainter>
#include <QRandomGenerator>

namespace tidewell::design {

namespace {
const QPixmap& grainPixmap() {
  // Drawn as a pixmap in the painter's own format; made once.
  static const QPixmap pixmap =
      QPixmap::fromImage(noiseGrain().convertToFormat(QImage::Format_ARGB32_Premultiplied));
  return pixmap;
}
}  // namespace

const QImage& noiseGrain() {
  static const QImage grain = [] {
    QImage image(kNoiseSide, kNoiseSide, QImage::Format_Grayscale8);
    for (int y = 0; y < kNoiseSide; ++y) {
      // Rows of a Grayscale8 image may be padded; fill each row's own bytes.
      uchar* row = image.scanLine(y);
      QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(row), kNoiseSide / 4);
    }
    return image;
  }();
  return grain;
}

void paintNoiseOverlay(QPainter& painter, const QRectF& rect) {
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_Plus);
  painter.setOpacity(painter.opacity() * kNoiseOpacity);
  const QPixmap& tile = grainPixmap();
  // Offset so the tiling starts at the origin, not at rect's corner.
  const QPointF offset(std::fmod(rect.left(), double(kNoiseSide)), std::fmod(rect.top(), double(kNoiseSide)));
  painter.drawTiledPixmap(rect, tile, offset);
  painter.restore();
}

NoiseOverlay::NoiseOverlay(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void NoiseOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintNoiseOverlay(painter, QRectF(rect()));
}

}  // namespace tidewell::design
