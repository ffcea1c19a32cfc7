#include "design/paint/NoiseOverlay.h"

#include <QCache>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"

namespace tidewell::design {

namespace {

// The grain ready to add as a pixmap for the painter: the tile below, with
// its pixel ratio set so it covers kNoiseSide points.
const QPixmap& grainTile(double dpr) {
  static QCache<int, QPixmap> tiles(4);
  const int key = int(std::lround(dpr * 100));
  if (QPixmap* hit = tiles.object(key)) return *hit;
  const QImage scaled = grainTileImage(dpr);
  QPixmap* tile = new QPixmap(QPixmap::fromImage(scaled));
  tile->setDevicePixelRatio(double(scaled.width()) / kNoiseSide);
  tiles.insert(key, tile);
  return *tile;
}

}  // namespace

QImage grainTileImage(double dpr) {
  static QCache<int, QImage> tiles(4);
  const int key = int(std::lround(dpr * 100));
  if (QImage* hit = tiles.object(key)) return *hit;
  const int side = std::max(1, int(std::lround(kNoiseSide * dpr)));
  auto* scaled = new QImage(side, side, QImage::Format_RGB32);
  const QImage& grain = noiseGrain();
  for (int y = 0; y < side; ++y) {
    const uchar* in = grain.constScanLine(std::min(kNoiseSide - 1, int(y / dpr)));
    auto* out = reinterpret_cast<QRgb*>(scaled->scanLine(y));
    for (int x = 0; x < side; ++x) {
      const int v = int(std::lround(in[std::min(kNoiseSide - 1, int(x / dpr))] * kNoiseOpacity));
      out[x] = qRgb(v, v, v);
    }
  }
  tiles.insert(key, scaled);
  return *scaled;
}

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
  const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const QPixmap& tile = grainTile(dpr);
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_Plus);
  // Offset so the tiling starts at the origin, not at rect's corner.
  const QPointF offset(std::fmod(rect.left(), double(kNoiseSide)), std::fmod(rect.top(), double(kNoiseSide)));
  painter.drawTiledPixmap(rect, tile, offset);
  painter.restore();
}

NoiseOverlay::NoiseOverlay(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setHiddenFromAccessibility(this);
}

void NoiseOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintNoiseOverlay(painter, QRectF(rect()));
}

}  // namespace tidewell::design
