#pragma once
// The fixed looks the Advisor screen's parts share: the pill style of a
// runtime's "Delete…" (in the destructive red), "Remove All" and "Thin
// Snapshots" (in the pill text).

#include <QColor>
#include <optional>

#include "design/components/PillButtonLook.h"

namespace tidewell::screens {

// A finding card's action pill: 12.5, padded 18 x 9; tint none glows in
// the accent.
design::PillButtonLook advisorPillLook(std::optional<QColor> tint, QColor textColour);
// The opacity of an action pill while it waits for another action.
inline constexpr double kAdvisorDisabledOpacity = 0.45;

}  // namespace tidewell::screens
