#include "design/components/Donut.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/paint/PaintKey.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/Color.h"
#include "design/theme/Gradients.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::design {

namespace {

// The arc from twelve o'clock, clockwise, over fraction of the circle.
QPainterPath arcPath(const QRectF& ringRect, double fraction) {
  QPainterPath path;
  path.arcMoveTo(ringRect, 90);
  path.arcTo(ringRect, 90, -360.0 * fraction);
  return path;
}

QPainterPath strokedArc(const QRectF& ringRect, double lineWidth, double fraction) {
  QPainterPathStroker stroker;
  stroker.setWidth(lineWidth);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::MiterJoin);
  return stroker.createStroke(arcPath(ringRect, fraction));
}

}  // namespace

DonutTrim donutTrim(double used) {
  const double clean = std::isnan(used) ? 0.0 : used;
  return {std::max(std::min(clean, 1.0), 0.001), clean * 360.0};
}

Shadow donutShadow(const SectionPalette& accent) {
  return {Color::withOpacity(accent.primary, 0.35), 8, QPointF()};
}

void paintDonutShadow(QPainter& painter, const QRectF& ringRect, double lineWidth, double used,
                      const SectionPalette& accent) {
  drawShadow(painter, strokedArc(ringRect, lineWidth, donutTrim(used).end), donutShadow(accent));
}

void paintDonutBody(QPainter& painter, const QRectF& ringRect, double lineWidth, double used,
                    const SectionPalette& accent) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Color::white(0.07), lineWidth, Qt::SolidLine, Qt::FlatCap));
  painter.drawEllipse(ringRect);
  const DonutTrim trim = donutTrim(used);
  const QConicalGradient gradient = angularGradient(
      ringRect.center(), evenStops({accent.deep, accent.primary, accent.soft}), 0.0, trim.gradientEndDegrees);
  painter.setPen(QPen(QBrush(gradient), lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  painter.drawPath(arcPath(ringRect, trim.end));
  painter.restore();
}

void paintDonut(QPainter& painter, const QRectF& ringRect, double lineWidth, double used,
                const SectionPalette& accent) {
  paintDonutShadow(painter, ringRect, lineWidth, used, accent);
  paintDonutBody(painter, ringRect, lineWidth, used, accent);
}

Donut::Donut(double used, double diameter, double lineWidth, QWidget* parent)
    : QWidget(parent), used_(used), diameter_(diameter), lineWidth_(lineWidth) {
  setAccessibleReading(this, [this] { return percentReading(used_); });
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  ShadowLayer::track(this);
}

void Donut::setUsed(double used) {
  if (used == used_) return;
  used_ = used;
  update();
  ShadowLayer::refresh(this);
  accessibleValueChanged(this);
}

void Donut::setCenter(QWidget* center) {
  if (center_) center_->deleteLater();
  center_ = center;
  if (center_) {
    center_->setParent(this);
    center_->show();
    resizeEvent(nullptr);
  }
}

QSize Donut::sizeHint() const {
  const int side = int(std::ceil(diameter_ + lineWidth_));
  return {side, side};
}

QRectF Donut::ringRect() const {
  const QRectF r(rect());
  return QRectF(r.center().x() - diameter_ / 2, r.center().y() - diameter_ / 2, diameter_, diameter_);
}

void Donut::paintShadows(QPainter& painter) const {
  paintDonutShadow(painter, ringRect(), lineWidth_, used_, SectionAccent::of(this));
}

QRectF Donut::shadowArea() const {
  const double half = lineWidth_ / 2;
  return shadowBounds(ringRect().adjusted(-half, -half, half, half), donutShadow(SectionAccent::of(this)));
}

void Donut::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!ShadowLayer::hostOf(this)) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintShadows(painter);
    painter.restore();
  }
  const SectionPalette accent = SectionAccent::of(this);
  const PaintKey key = PaintKey().add(used_, diameter_, lineWidth_, accent);
  body_.paint(painter, size(), key,
              [&](QPainter& p) { paintDonutBody(p, ringRect(), lineWidth_, used_, accent); });
}

void Donut::resizeEvent(QResizeEvent*) {
  if (!center_) return;
  // A centre of fixed size keeps it, whatever its layout would ask.
  const QSize hint = center_->sizeHint().expandedTo(center_->minimumSize()).boundedTo(size());
  center_->setGeometry(QRect(QPoint((width() - hint.width()) / 2, (height() - hint.height()) / 2), hint));
}

}  // namespace tidewell::design
