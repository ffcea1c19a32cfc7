#include "design/components/PillButton.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::design {

PillButton::PillButton(PillLabel label, PillButtonLook look, QWidget* parent)
    : QAbstractButton(parent), label_(std::move(label)), look_(std::move(look)) {
  setText(label_.title);
  KeyboardFocus::makeFocusable(this, FocusRingShape::capsule());
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  ShadowLayer::track(this);
  connect(this, &QAbstractButton::pressed, this, [this] { ShadowLayer::refresh(this); });
  connect(this, &QAbstractButton::released, this, [this] { ShadowLayer::refresh(this); });
}

void PillButton::setPillLook(const PillButtonLook& look) {
  if (look == look_) return;
  look_ = look;
  changed();
}

void PillButton::setLabel(const PillLabel& label) {
  if (label == label_) return;
  label_ = label;
  setText(label_.title);
  changed();
}

void PillButton::setOpacity(double opacity) {
  opacity = std::clamp(opacity, 0.0, 1.0);
  if (opacity == opacity_) return;
  opacity_ = opacity;
  update();
  ShadowLayer::refresh(this);
}

void PillButton::changed() {
  updateGeometry();
  update();
  ShadowLayer::refresh(this);
}

QSize PillButton::sizeHint() const {
  const QSizeF size = pillSize(look_, label_);
  return {int(std::ceil(size.width())), int(std::ceil(size.height()))};
}

void PillButton::paintShadows(QPainter& painter) const {
  painter.save();
  painter.setOpacity(painter.opacity() * opacity_);
  paintPillShadow(painter, QRectF(rect()), look_, SectionAccent::of(this), isDown());
  painter.restore();
}

QRectF PillButton::shadowArea() const {
  return shadowBounds(QRectF(rect()), pillShadow(look_, SectionAccent::of(this)));
}

void PillButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (!ShadowLayer::hostOf(this)) paintShadows(painter);
  painter.setOpacity(opacity_);
  paintPillBody(painter, QRectF(rect()), look_, label_, isDown());
}

}  // namespace tidewell::design
