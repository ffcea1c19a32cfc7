#include "screens/common/layout/Surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "design/accessibility/AccessibleTraits.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/ShadowLayer.h"
#include "design/paint/Shapes.h"

namespace tidewell::screens {

void paintSurface(QPainter& painter, const QRectF& rect, const SurfaceLook& look) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (look.fill.alpha() > 0)
    painter.fillPath(design::continuousRoundedRect(rect, look.cornerRadius), look.fill);
  if (look.border.alpha() > 0 && look.borderWidth > 0)
    design::strokeInside(painter, rect, look.cornerRadius, look.borderWidth, look.border);
  painter.restore();
}

Surface::Surface(SurfaceLook look, QWidget* parent) : QWidget(parent), look_(std::move(look)) {
  design::ShadowLayer::makeHost(this);
  setAttribute(Qt::WA_Hover);
}

void Surface::setLook(const SurfaceLook& look) {
  if (look == look_) return;
  look_ = look;
  if (clickable_) design::KeyboardFocus::setShape(this, {look_.cornerRadius, {}});
  update();
}

void Surface::setHovering(bool hovering) {
  if (hovering == hovering_) return;
  hovering_ = hovering;
  Q_EMIT hoverChanged(hovering_);
}

void Surface::setClickable(bool clickable) {
  clickable_ = clickable;
  setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
  // A clickable surface is a button (or what its card makes it), pressed
  // by Space and Return as by a click.
  if (clickable) {
    design::KeyboardFocus::makeFocusable(this, {look_.cornerRadius, {}});
    design::accessibleTraits(this).press = [this] { Q_EMIT clicked(); };
  } else {
    setFocusPolicy(Qt::NoFocus);
    if (design::findAccessibleTraits(this)) design::accessibleTraits(this).press = {};
  }
}

void Surface::paintBackground(QPainter& painter, const QRectF& rect) { paintSurface(painter, rect, look_); }

void Surface::addBackgroundKey(design::PaintKey&) const {}

void Surface::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  design::PaintKey key;
  key.add(look_.cornerRadius, look_.fill, look_.border, look_.borderWidth, hovering_);
  addBackgroundKey(key);
  background_.paint(painter, size(), key, [this](QPainter& p) { paintBackground(p, QRectF(rect())); });
  design::ShadowLayer::paintCasters(this, painter, event->region());
}

void Surface::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  setHovering(true);
}

void Surface::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  setHovering(false);
}

void Surface::mousePressEvent(QMouseEvent* event) {
  if (!clickable_ || event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressed_ = true;
  event->accept();
}

void Surface::mouseReleaseEvent(QMouseEvent* event) {
  if (!clickable_ || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const bool inside = rect().contains(event->position().toPoint());
  const bool wasPressed = pressed_;
  pressed_ = false;
  event->accept();
  if (wasPressed && inside) Q_EMIT clicked();
}

}  // namespace tidewell::screens
