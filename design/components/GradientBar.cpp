#include "design/components/GradientBar.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/theme/Gradients.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::design {

double gradientBarFillWidth(double width, double fraction, double height) {
  double w = 0;
  if (fraction >= 1)
    w = width;
  else if (fraction >= 0)
    w = width * fraction;
  return std::max(w, height);
}

void paintGradientBar(QPainter& painter, const QRectF& rect, double fraction, const SectionPalette& accent) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(capsule(rect), Color::white(0.08));
  const QRectF fill(rect.left(), rect.top(), gradientBarFillWidth(rect.width(), fraction, rect.height()),
                    rect.height());
  painter.fillPath(capsule(fill), linearGradient(fill, UnitPoint::leading(), UnitPoint::trailing(),
                                                 evenStops({accent.soft, accent.primary, accent.deep})));
  painter.restore();
}

GradientBar::GradientBar(double fraction, double height, QWidget* parent)
    : QWidget(parent), fraction_(fraction), height_(height) {
  setAccessibleReading(this, [this] { return percentReading(fraction_); });
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void GradientBar::setFraction(double fraction) {
  if (fraction == fraction_) return;
  fraction_ = fraction;
  update();
  accessibleValueChanged(this);
}

QSize GradientBar::sizeHint() const { return {int(std::ceil(height_ * 4)), int(std::ceil(height_))}; }

void GradientBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRectF r(rect());
  paintGradientBar(painter, QRectF(r.left(), r.center().y() - height_ / 2, r.width(), height_), fraction_,
                   SectionAccent::of(this));
}

}  // namespace tidewell::design
