#include "screens/smartscan/ToolCardIcon.h"

#include <QPainter>

#include "design/accessibility/AccessibleTraits.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"

namespace tidewell::screens {

ToolCardIcon::ToolCardIcon(design::SymbolName symbol, QColor primary, QWidget* parent)
    : QWidget(parent), symbol_(std::move(symbol)), primary_(std::move(primary)) {
  // The card's title says what it shows.
  design::setHiddenFromAccessibility(this);
  setFixedSize(36, 36);
}

void ToolCardIcon::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setPen(Qt::NoPen);
  painter.setBrush(design::Color::withOpacity(primary_, 0.15));
  painter.drawEllipse(QRectF(rect()));
  design::drawSymbol(painter, symbol_, design::symbolBox(QRectF(rect()).center(), 15),
                     design::FontWeight::Semibold, primary_);
}

}  // namespace tidewell::screens
