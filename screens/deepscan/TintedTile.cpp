#include "screens/deepscan/TintedTile.h"

#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/paint/Shapes.h"
#include "design/symbols/Symbol.h"

namespace tidewell::screens {

void paintTintedTile(QPainter& painter, const QRectF& rect, const TintedTileLook& look) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(look.fill);
  if (2 * look.cornerRadius >= std::min(rect.width(), rect.height())) {
    painter.drawEllipse(rect);
  } else {
    painter.drawPath(design::continuousRoundedRect(rect, look.cornerRadius));
  }
  design::drawSymbol(painter, look.symbol, design::symbolBox(rect.center(), look.symbolSize),
                     look.symbolWeight, look.symbolColour);
  painter.restore();
}

TintedTile::TintedTile(TintedTileLook look, QWidget* parent) : QWidget(parent), look_(std::move(look)) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setFixedSize(sizeHint());
  // A picture of what its row or card names in words.
  design::setHiddenFromAccessibility(this);
}

void TintedTile::setLook(const TintedTileLook& look) {
  if (look == look_) return;
  look_ = look;
  setFixedSize(sizeHint());
  update();
}

QSize TintedTile::sizeHint() const {
  const int side = int(std::ceil(look_.side));
  return {side, side};
}

void TintedTile::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintTintedTile(painter, QRectF(rect()), look_);
}

}  // namespace tidewell::screens
