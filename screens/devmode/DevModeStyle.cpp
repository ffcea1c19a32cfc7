#include "screens/devmode/DevModeStyle.h"

#include "design/theme/Color.h"

namespace tidewell::screens::DevModeStyle {

const QColor& checkColour() {
  static const QColor colour = design::Color::rgb(0.02, 0.09, 0.12);
  return colour;
}

const QColor& pillText() {
  static const QColor colour = design::Color::rgb(0.04, 0.05, 0.08);
  return colour;
}

const QColor& modelStoreTint() {
  static const QColor colour = design::Color::rgb(0.6, 0.5, 0.98);
  return colour;
}

design::PillButtonStyle pillStyle() { return {std::nullopt, pillText(), 12.5, 18, 9}; }

}  // namespace tidewell::screens::DevModeStyle
