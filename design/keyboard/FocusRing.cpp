#include "design/keyboard/FocusRing.h"

#include <QPainter>
#include <algorithm>

#include "design/accessibility/AccessibleTraits.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::design {

void paintFocusRing(QPainter& painter, const QRectF& rect, double radius, const QColor& accent) {
  if (rect.width() <= 2 * kFocusRingWidth || rect.height() <= 2 * kFocusRingWidth) return;
  if (radius == FocusRingShape::kCapsule) radius = std::min(rect.width(), rect.height()) / 2;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  strokeInside(painter, rect, radius, kFocusRingWidth, accent);
  const QRectF inner = rect.adjusted(kFocusRingWidth, kFocusRingWidth, -kFocusRingWidth, -kFocusRingWidth);
  strokeInside(painter, inner, std::max(0.0, radius - kFocusRingWidth), 1, QColor(0, 0, 0, 140));
  painter.restore();
}

FocusRing::FocusRing(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("focusRing"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setHiddenFromAccessibility(this);
  hide();
}

void FocusRing::attach(QWidget* control) {
  if (control == control_ && (!control || isVisible())) return;
  control_ = control;
  if (!control) {
    hide();
    return;
  }
  if (parentWidget() != control) setParent(control);
  follow();
  raise();
  show();
}

void FocusRing::follow() {
  if (control_) setGeometry(control_->rect());
}

void FocusRing::paintEvent(QPaintEvent*) {
  if (!control_) return;
  const FocusRingShape shape = KeyboardFocus::shapeOf(control_);
  const QRectF area = QRectF(rect()).marginsRemoved(shape.inset);
  QPainter painter(this);
  paintFocusRing(painter, area, shape.radius, SectionAccent::of(control_).primary);
}

}  // namespace tidewell::design
