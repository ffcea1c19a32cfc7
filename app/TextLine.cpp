#include "app/TextLine.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/type/MonospacedDigits.h"
#include "design/type/ShapedText.h"

namespace tidewell::app {

TextLine::TextLine(const QString& text, const QFont& font, const QColor& colour, bool monospacedDigits,
                   Qt::Alignment alignment, QWidget* parent)
    : QWidget(parent),
      text_(text),
      colour_(colour),
      monospacedDigits_(monospacedDigits),
      alignment_(alignment) {
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::StaticText;
  traits.name = [this] { return text_; };
  setFont(font);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TextLine::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  updateGeometry();
  update();
  design::accessibleNameChanged(this);
}

double TextLine::naturalWidth() const {
  return monospacedDigits_ ? design::monospacedDigitsWidth(font(), text_)
                           : QFontMetricsF(font()).horizontalAdvance(text_);
}

QSize TextLine::sizeHint() const {
  return {int(std::ceil(naturalWidth())), int(std::ceil(QFontMetricsF(font()).height()))};
}

QSize TextLine::minimumSizeHint() const { return {0, sizeHint().height()}; }

void TextLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font());
  painter.setPen(colour_);
  const QRectF area(rect());
  if (naturalWidth() > area.width()) {
    design::drawShapedText(painter, area, int(alignment_) | Qt::TextSingleLine,
                           QFontMetricsF(font()).elidedText(text_, Qt::ElideRight, area.width()));
  } else if (monospacedDigits_) {
    design::drawMonospacedDigits(painter, area, alignment_, text_);
  } else {
    design::drawShapedText(painter, area, int(alignment_) | Qt::TextSingleLine, text_);
  }
}

}  // namespace tidewell::app
