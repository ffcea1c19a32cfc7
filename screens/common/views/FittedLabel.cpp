#include "screens/common/views/FittedLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/type/InterFont.h"
#include "design/type/MonospacedDigits.h"
#include "design/type/ShapedText.h"

namespace tidewell::screens {

namespace {

QFont scaled(const QFont& font, double scale) {
  QFont out = font;
  out.setPixelSize(std::max(1, int(std::lround(design::fontPixelSize(font) * scale))));
  return out;
}

double textWidth(const QFont& font, const QString& text, bool monospacedDigits) {
  return monospacedDigits ? design::monospacedDigitsWidth(font, text)
                          : QFontMetricsF(font).horizontalAdvance(text);
}

}  // namespace

double fittedScale(const FittedLabelLook& look, const QString& text, double width) {
  const double natural = textWidth(look.font, text, look.monospacedDigits);
  if (natural <= width || natural <= 0) return 1.0;
  const double floor = std::clamp(look.minimumScale, 0.0, 1.0);
  double scale = std::max(floor, width / natural);
  // Width is close to linear in size; step down where hinting disagrees.
  while (scale > floor && textWidth(scaled(look.font, scale), text, look.monospacedDigits) > width)
    scale = std::max(floor, scale - 0.01);
  return scale;
}

FittedLabel::FittedLabel(QString text, FittedLabelLook look, QWidget* parent)
    : QWidget(parent), text_(std::move(text)), look_(std::move(look)) {
  design::accessibleTraits(this).role = QAccessible::StaticText;
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void FittedLabel::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  updateGeometry();
  update();
  design::accessibleNameChanged(this);
}

void FittedLabel::setColour(const QColor& colour) {
  if (colour == look_.colour) return;
  look_.colour = colour;
  update();
}

QSize FittedLabel::sizeHint() const {
  return {int(std::ceil(textWidth(look_.font, text_, look_.monospacedDigits))),
          int(std::ceil(QFontMetricsF(look_.font).height()))};
}

QSize FittedLabel::minimumSizeHint() const { return {0, sizeHint().height()}; }

void FittedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // Fitting measures the text at several sizes; a repaint with the same
  // text, width and font (the backdrop moving under it) reuses the fit.
  if (!fit_ || fit_->text != text_ || fit_->width != width() || fit_->look != look_.font) {
    const double scale = shownScale();
    Fit fit{text_, width(), look_.font, scale < 1 ? scaled(look_.font, scale) : look_.font, text_};
    if (textWidth(fit.font, fit.shown, look_.monospacedDigits) > width())
      fit.shown = QFontMetricsF(fit.font).elidedText(text_, Qt::ElideRight, width());
    fit_ = std::move(fit);
  }
  const QFont& font = fit_->font;
  const QString& shown = fit_->shown;
  painter.setFont(font);
  painter.setPen(look_.colour);
  const Qt::Alignment alignment = (look_.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
  if (look_.monospacedDigits)
    design::drawMonospacedDigits(painter, QRectF(rect()), alignment, shown);
  else
    design::drawShapedText(painter, QRectF(rect()), int(alignment), shown);
}

}  // namespace tidewell::screens
