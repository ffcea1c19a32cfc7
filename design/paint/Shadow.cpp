#include "design/paint/Shadow.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "design/paint/PaintKey.h"
#include "design/paint/PictureCache.h"

namespace tidewell::design {

namespace {

double blurReach(double radius) { return std::ceil(std::max(0.0, radius) * 1.5); }

// Box sizes whose three passes approximate a Gaussian of sigma.
std::array<int, 3> boxesFor(double sigma) {
  const double ideal = std::sqrt(12 * sigma * sigma / 3 + 1);
  int lower = int(std::floor(ideal));
  if (lower % 2 == 0) --lower;
  const int upper = lower + 2;
  const double m = (12 * sigma * sigma - 3 * lower * lower - 12 * lower - 9) / (-4.0 * lower - 4);
  const int count = int(std::round(m));
  std::array<int, 3> sizes{};
  for (int i = 0; i < 3; ++i) sizes[i] = i < count ? lower : upper;
  return sizes;
}

// One running-sum box pass over a line of n values, stride apart.
void boxLine(uint8_t* data, int n, int stride, int halfWidth, std::vector<int>& scratch) {
  scratch.assign(n, 0);
  for (int i = 0; i < n; ++i) scratch[i] = data[i * stride];
  const int width = 2 * halfWidth + 1;
  int sum = 0;
  for (int i = -halfWidth; i <= halfWidth; ++i) sum += (i >= 0 && i < n) ? scratch[i] : 0;
  for (int i = 0; i < n; ++i) {
    data[i * stride] = uint8_t((sum + width / 2) / width);
    const int out = i - halfWidth, in = i + halfWidth + 1;
    sum += (in < n ? scratch[in] : 0) - (out >= 0 ? scratch[out] : 0);
  }
}

// Hundredths of a unit: shapes that agree to two decimals share a shadow.
int32_t hundredths(double v) { return int32_t(std::lround(v * 100)); }

// The shape relative to its own corner, so moving it keeps the cache hit,
// with everything else the picture depends on; colours that agree to eight
// bits a channel share a shadow too.
PaintKey shadowKey(const QPainterPath& shape, const QRectF& bounds, const Shadow& shadow, double dpr) {
  const QPointF origin = bounds.topLeft();
  PaintKey key;
  for (int i = 0; i < shape.elementCount(); ++i) {
    const auto e = shape.elementAt(i);
    key.add(int32_t(e.type), hundredths(e.x - origin.x()), hundredths(e.y - origin.y()));
  }
  return key.add(hundredths(bounds.width()), hundredths(bounds.height()), hundredths(shadow.radius),
                 shadow.color.rgba64().toArgb32(), hundredths(dpr));
}

QImage renderShadow(const QPainterPath& shape, const QRectF& bounds, const Shadow& shadow, double dpr) {
  const double reach = blurReach(shadow.radius);
  const QSize pixels(int(std::ceil((bounds.width() + 2 * reach) * dpr)),
                     int(std::ceil((bounds.height() + 2 * reach) * dpr)));
  if (pixels.isEmpty()) return {};
  QImage mask(pixels, QImage::Format_Alpha8);
  mask.fill(0);
  {
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(dpr, dpr);
    p.translate(reach - bounds.left(), reach - bounds.top());
    p.fillPath(shape, Qt::black);
  }
  mask.setDevicePixelRatio(dpr);
  return blurredTint(std::move(mask), shadow.radius / 2 * dpr, shadow.color);
}

}  // namespace

double shadowReach(const Shadow& shadow) {
  return blurReach(shadow.radius) + std::max(std::abs(shadow.offset.x()), std::abs(shadow.offset.y()));
}

QRectF shadowBounds(const QRectF& shapeBounds, const Shadow& shadow) {
  const double m = blurReach(shadow.radius);
  return shapeBounds.adjusted(-m, -m, m, m).translated(shadow.offset);
}

void blurAlpha(QImage& image, double sigma) {
  if (sigma <= 0.01 || image.isNull()) return;
  Q_ASSERT(image.format() == QImage::Format_Alpha8);
  const int w = image.width(), h = image.height();
  std::vector<int> scratch;
  for (int box : boxesFor(sigma)) {
    const int half = (box - 1) / 2;
    for (int y = 0; y < h; ++y) boxLine(image.scanLine(y), w, 1, half, scratch);
    for (int x = 0; x < w; ++x) boxLine(image.bits() + x, h, int(image.bytesPerLine()), half, scratch);
  }
}

QImage blurredTint(QImage mask, double sigma, const QBrush& brush) {
  if (mask.isNull()) return {};
  const double dpr = mask.devicePixelRatio();
  mask.setDevicePixelRatio(1.0);
  blurAlpha(mask, sigma);
  QImage tinted(mask.size(), QImage::Format_ARGB32_Premultiplied);
  tinted.fill(Qt::transparent);
  {
    QPainter p(&tinted);
    p.drawImage(0, 0, mask);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    // The brush is placed in the mask's own units, like everything drawn at dpr.
    p.scale(dpr, dpr);
    p.fillRect(QRectF(0, 0, tinted.width() / dpr, tinted.height() / dpr), brush);
  }
  tinted.setDevicePixelRatio(dpr);
  return tinted;
}

QImage shadowImage(const QPainterPath& shape, const Shadow& shadow, double dpr) {
  static PictureCache<QImage> cache(32 * 1024 * 1024);  // bytes
  const QRectF bounds = shape.boundingRect();
  return cache.picture(shadowKey(shape, bounds, shadow, dpr),
                       [&] { return renderShadow(shape, bounds, shadow, dpr); });
}

void drawShadow(QPainter& painter, const QPainterPath& shape, const Shadow& shadow) {
  if (shape.isEmpty() || shadow.color.alpha() == 0) return;
  const double deviceRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const double scale = std::sqrt(std::abs(painter.worldTransform().determinant()));
  const double dpr = deviceRatio * std::max(1.0, scale);
  const QImage image = shadowImage(shape, shadow, dpr);
  if (image.isNull()) return;
  const double reach = blurReach(shadow.radius);
  const QRectF bounds = shape.boundingRect();
  const QPointF topLeft = bounds.topLeft() - QPointF(reach, reach) + shadow.offset;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(topLeft, QSizeF(image.width() / dpr, image.height() / dpr)), image);
  painter.restore();
}

}  // namespace tidewell::design
