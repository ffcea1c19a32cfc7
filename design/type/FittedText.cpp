#include "design/type/FittedText.h"

#include <QFontMetricsF>
#include <algorithm>

namespace tidewell::design {

namespace {
QFont scaled(const QFont& font, double scale) {
  QFont out = font;
  if (font.pixelSize() > 0)
    out.setPixelSize(std::max(1, int(font.pixelSize() * scale)));
  else
    out.setPointSizeF(font.pointSizeF() * scale);
  return out;
}
}  // namespace

FittedText fitText(const QFont& font, const QString& text, double width, double minimumScale) {
  const double natural = QFontMetricsF(font).horizontalAdvance(text);
  if (natural <= width || natural <= 0) return {font, text, 1.0};
  const double floor = std::clamp(minimumScale, 0.0, 1.0);
  // Width grows almost linearly with size; step down to undo hinting drift.
  double scale = std::max(floor, width / natural);
  QFont candidate = scaled(font, scale);
  while (scale > floor && QFontMetricsF(candidate).horizontalAdvance(text) > width) {
    scale = std::max(floor, scale - 0.01);
    candidate = scaled(font, scale);
  }
  const QFontMetricsF metrics(candidate);
  if (metrics.horizontalAdvance(text) <= width) return {candidate, text, scale};
  return {candidate, metrics.elidedText(text, Qt::ElideRight, width), scale};
}

}  // namespace tidewell::design
