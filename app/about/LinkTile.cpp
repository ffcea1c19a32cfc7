#include "app/about/LinkTile.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::app {

namespace {
constexpr double kPaddingY = 12;
constexpr double kIconFrame = 18;
constexpr double kGap = 6;
constexpr double kRadius = 14;
QFont titleFont() { return design::inter(10.5, design::FontWeight::Medium); }
}  // namespace

double linkTileHeight() { return 2 * kPaddingY + kIconFrame + kGap + QFontMetricsF(titleFont()).height(); }

void paintLinkTile(QPainter& painter, const QRectF& rect, const QString& title, const TileIcon& icon) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(design::continuousRoundedRect(rect, kRadius),
                   design::Color::withOpacity(design::Color::raisedSurface(), 0.7));
  design::strokeInside(painter, rect, kRadius, 1.0, design::Color::hairline());
  const QRectF frame(rect.left(), rect.top() + kPaddingY, rect.width(), kIconFrame);
  if (icon) icon(painter, frame);
  const QFontMetricsF metrics(titleFont());
  painter.setFont(titleFont());
  painter.setPen(design::Color::secondaryText());
  design::drawShapedText(painter, QRectF(rect.left(), frame.bottom() + kGap, rect.width(), metrics.height()),
                         Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                         metrics.elidedText(title, Qt::ElideRight, rect.width()));
  painter.restore();
}

LinkTile::LinkTile(const QString& title, TileIcon icon, QWidget* parent)
    : QAbstractButton(parent), icon_(std::move(icon)) {
  setText(title);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setCursor(Qt::PointingHandCursor);
  design::KeyboardFocus::makeFocusable(this, {kRadius, {}});
}

QSize LinkTile::sizeHint() const {
  return {int(std::ceil(QFontMetricsF(titleFont()).horizontalAdvance(text()) + 24)),
          int(std::ceil(linkTileHeight()))};
}

QSize LinkTile::minimumSizeHint() const { return {0, sizeHint().height()}; }

void LinkTile::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (isDown()) painter.setOpacity(0.7);
  paintLinkTile(painter, QRectF(rect()), text(), icon_);
}

}  // namespace tidewell::app
