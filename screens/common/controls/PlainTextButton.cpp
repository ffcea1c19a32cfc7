#include "screens/common/controls/PlainTextButton.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/keyboard/KeyboardFocus.h"
#include "design/type/ShapedText.h"

namespace tidewell::screens {

PlainTextButton::PlainTextButton(const QString& text, QFont font, QColor colour, Qt::Alignment alignment,
                                 QWidget* parent)
    : QAbstractButton(parent), colour_(std::move(colour)), alignment_(alignment) {
  setText(text);
  setFont(font);
  setCursor(Qt::PointingHandCursor);
  design::KeyboardFocus::makeFocusable(this, {4, {}});
}

QSize PlainTextButton::sizeHint() const {
  const QFontMetricsF metrics(font());
  return {int(std::ceil(metrics.horizontalAdvance(text()))), int(std::ceil(metrics.height()))};
}

void PlainTextButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  if (isDown()) painter.setOpacity(0.7);
  painter.setFont(font());
  painter.setPen(colour_);
  design::drawShapedText(painter, QRectF(rect()), int(alignment_) | Qt::TextSingleLine, text());
}

}  // namespace tidewell::screens
