#include "app/popover/HealthLine.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/theme/Color.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::app {

namespace {
constexpr double kDot = 7;
constexpr double kGap = 6;
QFont labelFont() { return design::inter(11, design::FontWeight::Semibold); }
}  // namespace

void paintHealthLine(QPainter& painter, const QRectF& rect, const design::ThemePalette& palette) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF dot(rect.left(), rect.center().y() - kDot / 2, kDot, kDot);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette.color());
  painter.drawEllipse(dot);
  painter.setFont(labelFont());
  painter.setPen(design::Color::secondaryText());
  design::drawShapedText(painter, rect.adjusted(kDot + kGap, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, palette.label);
  painter.restore();
}

HealthLine::HealthLine(QWidget* parent)
    : QWidget(parent), palette_(design::ThemePalette::forFreeFraction(0)) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::StaticText;
  traits.name = [this] { return palette_.label; };
}

void HealthLine::setPalette(const design::ThemePalette& palette) {
  if (palette == palette_) return;
  palette_ = palette;
  updateGeometry();
  update();
}

QSize HealthLine::sizeHint() const {
  const QFontMetricsF metrics(labelFont());
  return {int(std::ceil(kDot + kGap + metrics.horizontalAdvance(palette_.label))),
          int(std::ceil(std::max(kDot, metrics.height())))};
}

void HealthLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintHealthLine(painter, QRectF(rect()), palette_);
}

}  // namespace tidewell::app
