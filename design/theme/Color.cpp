#include "design/theme/Color.h"

namespace tidewell::design::Color {

QColor rgb(double r, double g, double b) { return QColor::fromRgbF(float(r), float(g), float(b), 1.0f); }

QColor rgb(const Components& components) { return rgb(components[0], components[1], components[2]); }

QColor withOpacity(const QColor& colour, double opacity) {
  QColor out = colour;
  out.setAlphaF(float(opacity));
  return out;
}

QColor white(double opacity) { return QColor::fromRgbF(1.0f, 1.0f, 1.0f, float(opacity)); }

const QColor& appBackground() {
  static const QColor c = rgb(0.035, 0.035, 0.048);
  return c;
}
const QColor& cardSurface() {
  static const QColor c = rgb(0.075, 0.073, 0.095);
  return c;
}
const QColor& raisedSurface() {
  static const QColor c = rgb(0.107, 0.104, 0.132);
  return c;
}
const QColor& hairline() {
  static const QColor c = white(0.07);
  return c;
}
const QColor& secondaryText() {
  static const QColor c = white(0.55);
  return c;
}
const QColor& tertiaryText() {
  static const QColor c = white(0.25);
  return c;
}
const QColor& systemGreen() {
  static const QColor c = rgb(0.19, 0.82, 0.35);
  return c;
}
const QColor& systemOrange() {
  static const QColor c = rgb(1.00, 0.62, 0.04);
  return c;
}
const QColor& systemRed() {
  static const QColor c = rgb(1.00, 0.27, 0.23);
  return c;
}
const QColor& destructiveRed() {
  static const QColor c = rgb(kDestructiveRed);
  return c;
}
const QColor& containerPurple() {
  static const QColor c = rgb(0.60, 0.50, 0.98);
  return c;
}
const QColor& pillText() {
  static const QColor c = rgb(0.04, 0.05, 0.08);
  return c;
}

}  // namespace tidewell::design::Color
