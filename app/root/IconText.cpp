#include "app/root/IconText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "design/Symbol.h"

namespace tidewell::app {

QSizeF iconTextSize(const IconText& line) {
  const QFontMetricsF metrics(line.font);
  const double side = design::symbolSide(line.symbolSize);
  return {side + line.spacing + metrics.horizontalAdvance(line.text), std::max(side, metrics.height())};
}

void paintIconText(QPainter& painter, const QRectF& rect, const IconText& line) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double side = design::symbolSide(line.symbolSize);
  const double midY = rect.center().y();
  design::drawSymbol(painter, line.symbol,
                     design::symbolBox(QPointF(rect.left() + side / 2, midY), line.symbolSize),
                     line.symbolWeight, line.symbolColour);
  const double textLeft = rect.left() + side + line.spacing;
  const QRectF textRect(textLeft, rect.top(), std::max(0.0, rect.right() - textLeft), rect.height());
  painter.setFont(line.font);
  painter.setPen(line.textColour);
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetricsF(line.font).elidedText(line.text, Qt::ElideRight, textRect.width()));
  painter.restore();
}

IconTextLabel::IconTextLabel(IconText line, QWidget* parent) : QWidget(parent), line_(std::move(line)) {
  setAccessibleName(line_.text);
}

QSize IconTextLabel::sizeHint() const {
  const QSizeF size = iconTextSize(line_);
  return {int(std::ceil(size.width())), int(std::ceil(size.height()))};
}

void IconTextLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintIconText(painter, rect(), line_);
}

}  // namespace tidewell::app
