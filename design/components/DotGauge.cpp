#include "design/components/DotGauge.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "design/accessibility/AccessibleTraits.h"
#include "design/paint/PaintKey.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::design {

std::vector<Dot> dotLayout(double width, double height, double used) {
  std::vector<Dot> dots;
  dots.reserve(kDotCount);
  const double r = std::min(width, height) / 2 - 8;
  for (int i = 0; i < kDotCount; ++i) {
    const double step = double(i) / (kDotCount - 1);
    const double angle = (step * 300 + 120) * std::numbers::pi / 180;
    dots.push_back({QPointF(width / 2 + r * std::cos(angle), height / 2 + r * std::sin(angle)),
                    used > 0 && step <= used});
  }
  return dots;
}

void paintDotGauge(QPainter& painter, const QRectF& rect, double used, const SectionPalette& accent) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.translate(rect.topLeft());
  auto disc = [&](QPointF c, double diameter, const QColor& colour) {
    painter.setBrush(colour);
    painter.drawEllipse(c, diameter / 2, diameter / 2);
  };
  for (const Dot& dot : dotLayout(rect.width(), rect.height(), used)) {
    if (dot.lit) {
      disc(dot.centre, 12, Color::withOpacity(accent.primary, 0.2));
      disc(dot.centre, 6, accent.primary);
    } else {
      disc(dot.centre, 4.4, Color::white(0.14));
    }
  }
  painter.restore();
}

DotGauge::DotGauge(double used, double diameter, QWidget* parent)
    : QWidget(parent), used_(used), diameter_(diameter) {
  setAccessibleReading(this, [this] { return percentReading(used_); });
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DotGauge::setUsed(double used) {
  if (used == used_) return;
  used_ = used;
  update();
  accessibleValueChanged(this);
}

QSize DotGauge::sizeHint() const {
  const int side = int(std::ceil(diameter_));
  return {side, side};
}

void DotGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRectF r(rect());
  const QRectF square(r.center().x() - diameter_ / 2, r.center().y() - diameter_ / 2, diameter_, diameter_);
  const SectionPalette accent = SectionAccent::of(this);
  dots_.paint(painter, size(), PaintKey().add(used_, diameter_, accent),
              [&](QPainter& p) { paintDotGauge(p, square, used_, accent); });
}

}  // namespace tidewell::design
