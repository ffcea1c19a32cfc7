#include "design/components/PillButtonLook.h"

#include <QFontMetricsF>
#include <QPainter>

#include "design/paint/Shapes.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"
#include "design/theme/Gradients.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::design {

namespace {
double gapFor(const QFont& font) { return 0.45 * fontPixelSize(font); }
}  // namespace

QSizeF pillLabelSize(const QFont& font, const PillLabel& label) {
  const QFontMetricsF metrics(font);
  double width = metrics.horizontalAdvance(label.title);
  if (label.symbol) width += symbolSide(fontPixelSize(font)) + gapFor(font);
  if (label.trailing) width += label.trailing->spacing + symbolSide(label.trailing->size);
  return {width, metrics.height()};
}

void paintPillLabel(QPainter& painter, const QRectF& rect, const QFont& font, const QColor& colour,
                    const PillLabel& label) {
  const QSizeF size = pillLabelSize(font, label);
  double x = rect.center().x() - size.width() / 2;
  if (label.symbol) {
    const double side = symbolSide(fontPixelSize(font));
    drawSymbol(painter, *label.symbol, QRectF(x, rect.center().y() - side / 2, side, side),
               font.weight() >= QFont::DemiBold ? FontWeight::Semibold : FontWeight::Medium, colour);
    x += side + gapFor(font);
  }
  painter.setFont(font);
  painter.setPen(colour);
  drawShapedText(painter, QRectF(x, rect.top(), rect.right() - x, rect.height()),
                 Qt::AlignLeft | Qt::AlignVCenter, label.title);
  if (label.trailing) {
    const double side = symbolSide(label.trailing->size);
    x += QFontMetricsF(font).horizontalAdvance(label.title) + label.trailing->spacing;
    drawSymbol(painter, label.trailing->name, QRectF(x, rect.center().y() - side / 2, side, side),
               label.trailing->weight, colour);
  }
}

QFont pillFont(const PillButtonLook& look) { return inter(look.fontSize, FontWeight::Semibold); }

QSizeF pillSize(const PillButtonLook& look, const PillLabel& label) {
  const QSizeF inner = pillLabelSize(pillFont(look), label);
  return {inner.width() + 2 * look.horizontalPadding, inner.height() + 2 * look.verticalPadding};
}

Shadow pillShadow(const PillButtonLook& look, const SectionPalette& accent) {
  const QColor base = look.tint ? *look.tint : accent.primary;
  return {Color::withOpacity(base, 0.35 * base.alphaF()), 12, QPointF(0, 4)};
}

void applyPressedLook(QPainter& painter, const QRectF& rect, bool pressed) {
  if (!pressed) return;
  const QPointF c = rect.center();
  painter.translate(c);
  painter.scale(kPressedScale, kPressedScale);
  painter.translate(-c);
  painter.setOpacity(painter.opacity() * kPressedOpacity);
}

void paintPillShadow(QPainter& painter, const QRectF& rect, const PillButtonLook& look,
                     const SectionPalette& accent, bool pressed) {
  painter.save();
  applyPressedLook(painter, rect, pressed);
  drawShadow(painter, capsule(rect), pillShadow(look, accent));
  painter.restore();
}

void paintPillBody(QPainter& painter, const QRectF& rect, const PillButtonLook& look, const PillLabel& label,
                   bool pressed) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  applyPressedLook(painter, rect, pressed);
  const QGradientStops fill =
      look.tint ? QGradientStops{{0.0, Color::withOpacity(*look.tint, 0.95 * look.tint->alphaF())},
                                 {1.0, *look.tint}}
                : QGradientStops{{0.0, Qt::white}, {1.0, Color::rgb(0.88, 0.94, 0.90)}};
  painter.fillPath(capsule(rect), linearGradient(rect, UnitPoint::top(), UnitPoint::bottom(), fill));
  strokeInside(painter, rect, rect.height() / 2, 1.0, Color::white(0.25));
  paintPillLabel(painter, rect, pillFont(look), look.textColor, label);
  painter.restore();
}

QFont ghostPillFont() { return inter(12, FontWeight::Medium); }

QSizeF ghostPillSize(const PillLabel& label) {
  const QSizeF inner = pillLabelSize(ghostPillFont(), label);
  return {inner.width() + 28, inner.height() + 16};
}

QColor ghostPillForeground() { return Color::white(0.85); }

void paintGhostPill(QPainter& painter, const QRectF& rect, const PillLabel& label, bool pressed,
                    const QColor& foreground) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  applyPressedLook(painter, rect, pressed);
  painter.fillPath(capsule(rect), Color::raisedSurface());
  strokeInside(painter, rect, rect.height() / 2, 1.0, Color::hairline());
  paintPillLabel(painter, rect, ghostPillFont(), foreground, label);
  painter.restore();
}

}  // namespace tidewell::design
