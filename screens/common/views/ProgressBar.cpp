#include "screens/common/views/ProgressBar.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::screens {

double progressFillWidth(double width, double value) {
  if (!std::isfinite(value)) value = 0;
  return std::max(0.0, width) * std::clamp(value, 0.0, 1.0);
}

void paintProgressBar(QPainter& painter, const QRectF& rect, double value, const QColor& tint) {
  const QRectF track(rect.left(), rect.center().y() - kProgressBarHeight / 2, rect.width(),
                     kProgressBarHeight);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QPainterPath capsule = design::capsule(track);
  painter.fillPath(capsule, design::Color::white(0.1));
  const double fill = progressFillWidth(track.width(), value);
  if (fill > 0) {
    // A round-ended fill; a sliver still shows as a dot the height of the bar.
    const QRectF bar(track.left(), track.top(), std::max(fill, track.height()), track.height());
    painter.setClipPath(capsule);
    painter.fillPath(design::capsule(bar), tint);
  }
  painter.restore();
}

ProgressBar::ProgressBar(double value, int width, std::optional<QColor> tint, QWidget* parent)
    : QWidget(parent), value_(value), tint_(tint) {
  design::setAccessibleReading(this, [this] { return design::percentReading(value_); });
  setFixedSize(width, int(kProgressBarHeight));
}

void ProgressBar::setValue(double value) {
  if (value == value_) return;
  value_ = value;
  update();
  design::accessibleValueChanged(this);
}

QColor ProgressBar::currentTint() const { return tint_ ? *tint_ : design::SectionAccent::of(this).primary; }

void ProgressBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintProgressBar(painter, QRectF(rect()), value_, currentTint());
}

}  // namespace tidewell::screens
