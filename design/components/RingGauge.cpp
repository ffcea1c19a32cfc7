#include "design/components/RingGauge.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/components/Donut.h"
#include "design/paint/PaintKey.h"
#include "design/paint/PictureCache.h"
#include "design/paint/Shadow.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/Gradients.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::design {

namespace {

// Blurs every channel of a premultiplied image, one plane at a time.
void blurChannels(QImage& image, double sigma) {
  const int w = image.width(), h = image.height();
  for (int channel = 0; channel < 4; ++channel) {
    QImage plane(w, h, QImage::Format_Alpha8);
    const int shift = 8 * channel;
    for (int y = 0; y < h; ++y) {
      const auto* in = reinterpret_cast<const quint32*>(image.constScanLine(y));
      uchar* out = plane.scanLine(y);
      for (int x = 0; x < w; ++x) out[x] = uchar(in[x] >> shift);
    }
    blurAlpha(plane, sigma);
    for (int y = 0; y < h; ++y) {
      auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
      const uchar* in = plane.constScanLine(y);
      for (int x = 0; x < w; ++x) row[x] = (row[x] & ~(0xffu << shift)) | (quint32(in[x]) << shift);
    }
  }
  // Blurred planes can leave a colour a step above its alpha; keep the
  // image validly premultiplied.
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const quint32 a = row[x] >> 24;
      quint32 r = (row[x] >> 16) & 0xff, g = (row[x] >> 8) & 0xff, b = row[x] & 0xff;
      r = std::min(r, a), g = std::min(g, a), b = std::min(b, a);
      row[x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
}

QImage renderRing(double diameter, double lineWidth, double progress, const SectionPalette& palette,
                  double dpr) {
  const RingGeometry geometry = ringGeometry(progress);
  const double margin = lineWidth + kRingBleed;
  const double side = diameter + 2 * margin;
  const QSize pixels(int(std::ceil(side * dpr)), int(std::ceil(side * dpr)));
  if (pixels.isEmpty()) return {};
  const QRectF circle(margin, margin, diameter, diameter);

  // The glow: the coloured arc, blurred, so its colours blend across the
  // seam at twelve o'clock as they do in the arc's own blur.
  const QGradientStops stops = evenStops({palette.deep, palette.primary, palette.soft});
  QImage glow(pixels, QImage::Format_ARGB32_Premultiplied);
  glow.fill(Qt::transparent);
  glow.setDevicePixelRatio(dpr);
  {
    QPainter m(&glow);
    m.setRenderHint(QPainter::Antialiasing);
    QPainterPath arc;
    arc.arcMoveTo(circle, 90);
    arc.arcTo(circle, 90, -360.0 * geometry.arcEnd);
    const QBrush colours(angularGradient(circle.center(), stops, 0.0, geometry.gradientEndDegrees));
    m.setPen(QPen(colours, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    m.drawPath(arc);
  }
  blurChannels(glow, kRingGlowRadius / 2 * dpr);

  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  image.setDevicePixelRatio(dpr);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setOpacity(geometry.glowOpacity);
  p.drawImage(QPointF(0, 0), glow);
  p.setOpacity(1);
  // Track and arc are the donut's, at the clamped progress.
  paintDonutBody(p, circle, lineWidth, geometry.clamped, palette);
  return image;
}

}  // namespace

QImage ringGaugeImage(double diameter, double lineWidth, double progress, const SectionPalette& palette,
                      double dpr) {
  // A few recent pictures: an animated progress makes a new one per frame,
  // a resting gauge is blitted.
  static PictureCache<QImage> cache(16 * 1024 * 1024);  // bytes
  return cache.picture(PaintKey().add(diameter, lineWidth, progress, palette, dpr),
                       [&] { return renderRing(diameter, lineWidth, progress, palette, dpr); });
}

void paintRingGauge(QPainter& painter, const QRectF& circleRect, double lineWidth, double progress,
                    const SectionPalette& palette) {
  const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const double diameter = circleRect.width();
  const QImage image = ringGaugeImage(diameter, lineWidth, progress, palette, dpr);
  if (image.isNull()) return;
  const double margin = lineWidth + kRingBleed;
  const double side = diameter + 2 * margin;
  painter.drawImage(QRectF(circleRect.left() - margin, circleRect.top() - margin, side, side), image);
}

RingGauge::RingGauge(double progress, double diameter, double lineWidth, QWidget* parent)
    : QWidget(parent), progress_(progress), diameter_(diameter), lineWidth_(lineWidth) {
  setAccessibleReading(this, [this] { return percentReading(progress_); });
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  ShadowLayer::track(this);
}

void RingGauge::setProgress(double progress) {
  if (progress == progress_) return;
  progress_ = progress;
  changed();
  accessibleValueChanged(this);
}

void RingGauge::setExplicitPalette(std::optional<SectionPalette> palette) {
  if (palette == palette_) return;
  palette_ = std::move(palette);
  changed();
}

SectionPalette RingGauge::currentPalette() const { return SectionAccent::resolve(this, palette_); }

QSize RingGauge::sizeHint() const {
  const int side = int(std::ceil(ringLayoutSide(diameter_, lineWidth_)));
  return {side, side};
}

QRectF RingGauge::circleRect() const {
  const QPointF c = QRectF(rect()).center();
  return {c.x() - diameter_ / 2, c.y() - diameter_ / 2, diameter_, diameter_};
}

void RingGauge::paintShadows(QPainter& painter) const {
  paintRingGauge(painter, circleRect(), lineWidth_, progress_, currentPalette());
}

QRectF RingGauge::shadowArea() const {
  const double margin = lineWidth_ + kRingBleed;
  return circleRect().adjusted(-margin, -margin, margin, margin);
}

void RingGauge::paintEvent(QPaintEvent*) {
  if (ShadowLayer::hostOf(this)) return;  // the host draws the whole picture
  QPainter painter(this);
  paintShadows(painter);
}

void RingGauge::changed() {
  if (ShadowLayer::hostOf(this))
    ShadowLayer::refresh(this);
  else
    update();
}

}  // namespace tidewell::design
