#include "screens/devmode/DevModeLook.h"

#include "design/theme/Color.h"

namespace tidewell::screens::DevModeLook {

const QColor& checkColour() {
  static const QColor colour = design::Color::rgb(0.02, 0.09, 0.12);
  return colour;
}

const QColor& modelStoreTint() { return design::Color::containerPurple(); }

design::PillButtonLook pillLook() { return {std::nullopt, design::Color::pillText(), 12.5, 18, 9}; }

}  // namespace tidewell::screens::DevModeLook
