#include "design/components/GhostPillButton.h"

#include <QPainter>
#include <cmath>

#include "design/keyboard/KeyboardFocus.h"

namespace tidewell::design {

GhostPillButton::GhostPillButton(PillLabel label, QWidget* parent)
    : QAbstractButton(parent), label_(std::move(label)) {
  setText(label_.title);
  KeyboardFocus::makeFocusable(this, FocusRingShape::capsule());
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void GhostPillButton::setLabel(const PillLabel& label) {
  if (label == label_) return;
  label_ = label;
  setText(label_.title);
  updateGeometry();
  update();
}

void GhostPillButton::setForeground(const QColor& colour) {
  if (colour == foreground_) return;
  foreground_ = colour;
  update();
}

QSize GhostPillButton::sizeHint() const {
  const QSizeF size = ghostPillSize(label_);
  return {int(std::ceil(size.width())), int(std::ceil(size.height()))};
}

void GhostPillButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintGhostPill(painter, QRectF(rect()), label_, isDown(), foreground_);
}

}  // namespace tidewell::design
