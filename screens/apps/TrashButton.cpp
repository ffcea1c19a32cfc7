#include "screens/apps/TrashButton.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/Shapes.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"

namespace tidewell::screens {

using namespace design::literals;
using design::Color::white;
using design::Color::withOpacity;

TrashButtonColours trashButtonColours(const QColor& red, bool hovering) {
  if (hovering) return {red, withOpacity(red, 0.15), withOpacity(red, 0.45)};
  return {white(0.55), white(0.05), design::Color::hairline()};
}

void paintTrashButton(QPainter& painter, const QRectF& rect, const TrashButtonColours& colours) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double side = std::min(rect.width(), rect.height());
  const QRectF circle(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
  QPainterPath disc;
  disc.addEllipse(circle);
  painter.fillPath(disc, colours.fill);
  // A circle is a capsule of equal sides: its border lies inside the edge.
  design::strokeInside(painter, circle, side / 2, 1.0, colours.border);
  design::drawSymbol(painter, "trash"_symbol, design::symbolBox(circle.center(), 12),
                     design::FontWeight::Semibold, colours.symbol);
  painter.restore();
}

TrashButton::TrashButton(QColor red, QString help, QWidget* parent) : QAbstractButton(parent), red_(red) {
  setToolTip(help);
  setAccessibleName(help);
  setFixedSize(kSide, kSide);
  design::KeyboardFocus::makeFocusable(this, design::FocusRingShape::capsule());
  setFocusPolicy(Qt::TabFocus);
}

void TrashButton::setHovering(bool hovering) {
  if (hovering_ == hovering) return;
  hovering_ = hovering;
  update();
}

void TrashButton::setHelp(const QString& help) {
  setToolTip(help);
  setAccessibleName(help);
}

void TrashButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintTrashButton(painter, QRectF(rect()), trashButtonColours(red_, hovering_));
}

void TrashButton::enterEvent(QEnterEvent* event) {
  QAbstractButton::enterEvent(event);
  setHovering(true);
}

void TrashButton::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  setHovering(false);
}

}  // namespace tidewell::screens
