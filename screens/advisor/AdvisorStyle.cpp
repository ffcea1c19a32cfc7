#include "screens/advisor/AdvisorStyle.h"

#include "design/theme/Color.h"

namespace tidewell::screens {

const QColor& advisorDeleteTint() {
  static const QColor tint = design::Color::rgb(0.96, 0.26, 0.37);
  return tint;
}

design::PillButtonStyle advisorPillStyle(std::optional<QColor> tint, QColor textColour) {
  return {std::move(tint), std::move(textColour), 12.5, 18, 9};
}

}  // namespace tidewell::screens
