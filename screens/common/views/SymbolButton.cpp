#include "screens/common/views/SymbolButton.h"

#include <QPainter>
#include <cmath>

#include "design/keyboard/KeyboardFocus.h"
#include "design/symbols/Symbol.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::screens {

namespace {
// Around the symbol, so a small glyph is still easy to hit.
constexpr double kHitMargin = 4;
constexpr double kPressedOpacity = 0.55;
}  // namespace

SymbolButton::SymbolButton(design::SymbolName symbol, double fontSize, design::FontWeight weight,
                           std::optional<QColor> colour, QWidget* parent)
    : QAbstractButton(parent),
      symbol_(std::move(symbol)),
      fontSize_(fontSize),
      weight_(weight),
      colour_(colour) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setCursor(Qt::PointingHandCursor);
  // Named by what it does where it is placed (setAccessibleName).
  design::KeyboardFocus::makeFocusable(this, design::FocusRingShape::capsule());
}

void SymbolButton::setColour(std::optional<QColor> colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

QSize SymbolButton::sizeHint() const {
  const int side = int(std::ceil(design::symbolSide(fontSize_) + 2 * kHitMargin));
  return {side, side};
}

void SymbolButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (isDown()) painter.setOpacity(kPressedOpacity);
  const QColor colour = colour_ ? *colour_ : design::SectionAccent::of(this).primary;
  design::drawSymbol(painter, symbol_, design::symbolBox(QRectF(rect()).center(), fontSize_), weight_,
                     colour);
}

}  // namespace tidewell::screens
