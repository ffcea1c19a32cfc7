#include "widget/WidgetPalette.h"

namespace tidewell::widget {

const QColor& widgetBackground() {
  static const QColor colour = QColor::fromRgbF(0.035f, 0.035f, 0.048f);
  return colour;
}

const QColor& widgetGreen() {
  static const QColor colour = QColor::fromRgbF(0.24f, 0.88f, 0.50f);
  return colour;
}

const QColor& widgetMint() {
  static const QColor colour = QColor::fromRgbF(0.55f, 0.96f, 0.72f);
  return colour;
}

const QColor& widgetTrack() {
  static const QColor colour = QColor::fromRgbF(1, 1, 1, 0.1f);
  return colour;
}

const QColor& widgetSecondary() {
  static const QColor colour = QColor::fromRgbF(1, 1, 1, 0.55f);
  return colour;
}

}  // namespace tidewell::widget
