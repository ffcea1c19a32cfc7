#include "design/components/IconChip.h"

#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/paint/Shapes.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::design {

void paintIconChip(QPainter& painter, const QRectF& rect, const SymbolName& symbol,
                   const SectionPalette& accent) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double size = std::min(rect.width(), rect.height());
  const QRectF square(rect.center().x() - size / 2, rect.center().y() - size / 2, size, size);
  const double radius = iconChipRadius(size);
  painter.fillPath(continuousRoundedRect(square, radius), Color::withOpacity(accent.primary, 0.14));
  strokeInside(painter, square, radius, 1.0, Color::withOpacity(accent.primary, 0.25));
  drawSymbol(painter, symbol, symbolBox(square.center(), iconChipSymbolSize(size)), FontWeight::Semibold,
             accent.primary);
  painter.restore();
}

IconChip::IconChip(SymbolName symbol, double size, QWidget* parent)
    : QWidget(parent), symbol_(std::move(symbol)), size_(size) {
  setHiddenFromAccessibility(this);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void IconChip::setExplicitPalette(std::optional<SectionPalette> palette) {
  if (palette == palette_) return;
  palette_ = std::move(palette);
  update();
}

QSize IconChip::sizeHint() const {
  const int side = int(std::ceil(size_));
  return {side, side};
}

void IconChip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintIconChip(painter, QRectF(rect()), symbol_, SectionAccent::resolve(this, palette_));
}

}  // namespace tidewell::design
