#include "design/paint/PaintCache.h"

#include <QPainter>
#include <cmath>

namespace tidewell::design {

namespace {

int64_t gTotalRenders = 0;

bool whole(double v) { return std::abs(v - std::round(v)) < 1e-6; }

double deviceRatio(const QPainter& painter) {
  return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

// The device pixel ratio the painter draws at, when a picture blitted 1:1
// to device pixels would give exactly what drawing does; 0 otherwise.
double blitRatio(const QPainter& painter) {
  if (painter.opacity() < 1.0) return 0;
  const QTransform t = painter.deviceTransform();
  if (t.type() > QTransform::TxScale || t.m11() != t.m22() || t.m11() <= 0) return 0;
  if (!whole(t.dx()) || !whole(t.dy())) return 0;
  if (std::abs(t.m11() - deviceRatio(painter)) > 1e-9) return 0;
  return t.m11();
}

void startLike(QPainter& p, const QPainter& like) {
  p.setPen(like.pen());
  p.setBrush(like.brush());
  p.setFont(like.font());
  p.setRenderHints(like.renderHints());
  p.setLayoutDirection(like.layoutDirection());
}

}  // namespace

int64_t PaintCache::totalRenders() { return gTotalRenders; }

bool PaintCache::valid(QSize size, double dpr, uint64_t key) const {
  return valid_ && size == size_ && dpr == dpr_ && key == key_;
}

void PaintCache::clear() {
  picture_ = QImage();
  valid_ = false;
}

void PaintCache::paint(QPainter& painter, QSize size, uint64_t key, const Render& render) {
  if (size.isEmpty()) return;
  double dpr = blitRatio(painter);
  if (dpr == 0 && beyond_ == Beyond::ScalePicture && painter.opacity() == 1.0) dpr = deviceRatio(painter);
  if (dpr == 0) {
    ++renders_;
    ++gTotalRenders;
    painter.save();
    render(painter);
    painter.restore();
    return;
  }
  if (!valid(size, dpr, key)) {
    const QSize pixels(int(std::ceil(size.width() * dpr - 1e-6)), int(std::ceil(size.height() * dpr - 1e-6)));
    if (picture_.size() != pixels) picture_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    picture_.setDevicePixelRatio(dpr);
    picture_.fill(Qt::transparent);
    {
      QPainter p(&picture_);
      startLike(p, painter);
      render(p);
    }
    size_ = size;
    dpr_ = dpr;
    key_ = key;
    valid_ = true;
    ++renders_;
    ++gTotalRenders;
  }
  painter.drawImage(QPointF(0, 0), picture_);
}

}  // namespace tidewell::design
