#include "screens/advisor/AdvisorLook.h"

#include "design/theme/Color.h"

namespace tidewell::screens {

design::PillButtonLook advisorPillLook(std::optional<QColor> tint, QColor textColour) {
  return {std::move(tint), std::move(textColour), 12.5, 18, 9};
}

}  // namespace tidewell::screens
