#include "screens/common/layout/Surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "design/ShadowLayer.h"
#include "design/Shapes.h"

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
  update();
}

void Surface::setHovering(bool hovering) {
  if (hovering == hovering_) return;
  hovering_ = hovering;
  emit hoverChanged(hovering_);
}

void Surface::setClickable(bool clickable) {
  clickable_ = clickable;
  setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
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
  if (wasPressed && inside) emit clicked();
}

}  // namespace tidewell::screens
