#pragma once
// The label of the "Clean Up" buttons of the review screen and of the Dev
// Mode screen: the text "Clean Up" led by the "sparkles" symbol, for a
// PillButton. Holds no state.

#include "design/components/PillButtonLook.h"

namespace tidewell::screens {

design::PillLabel cleanUpLabel();

}  // namespace tidewell::screens
