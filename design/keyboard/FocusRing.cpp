#include "design/keyboard/FocusRing.h"

#include <QPainter>
#include <QVariant>
#include <algorithm>

#include "design/accessibility/AccessibleTraits.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::design {

namespace {
constexpr const char* kRingAccentProperty = "tidewellRingAccent";
}  // namespace

void paintFocusRing(QPainter& painter, const QRectF& rect, double radius, const QColor& accent) {
  if (rect.width() <= 2 * kFocusRingWidth || rect.height() <= 2 * kFocusRingWidth) return;
  if (radius == FocusRingShape::kCapsule) radius = std::min(rect.width(), rect.height()) / 2;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  strokeInside(painter, rect, radius, kFocusRingWidth, accent);
  // The gap: on a fill of the accent's own colour (or one as light) the
  // outline alone would not show.
  const QRectF inner = rect.adjusted(kFocusRingWidth, kFocusRingWidth, -kFocusRingWidth, -kFocusRingWidth);
  if (inner.width() > 2 * kFocusRingGap && inner.height() > 2 * kFocusRingGap)
    strokeInside(painter, inner, std::max(0.0, radius - kFocusRingWidth), kFocusRingGap,
                 Color::appBackground());
  painter.restore();
}

void setRingAccent(QWidget* widget, const SectionPalette& palette) {
  if (!widget) return;
  const QVariant current = widget->property(kRingAccentProperty);
  if (current.isValid() && current.value<SectionPalette>() == palette) return;
  widget->setProperty(kRingAccentProperty, QVariant::fromValue(palette));
  if (QWidget* ringed = KeyboardFocus::ringedControl();
      ringed && (ringed == widget || widget->isAncestorOf(ringed)))
    for (auto* ring : ringed->findChildren<FocusRing*>(Qt::FindDirectChildrenOnly)) ring->update();
}

SectionPalette ringAccentOf(const QWidget* control) {
  for (const QWidget* w = control; w; w = w->parentWidget()) {
    const QVariant ring = w->property(kRingAccentProperty);
    if (ring.isValid()) return ring.value<SectionPalette>();
    if (const std::optional<SectionPalette> own = SectionAccent::setOn(w)) return *own;
  }
  return SectionPalette::clean();
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
  paintFocusRing(painter, area, shape.radius, ringAccentOf(control_).primary);
}

}  // namespace tidewell::design
