#pragma once
// The fixed looks the Advisor screen's parts share: the red of a runtime's
// "Delete…", the dark text of "Remove All" and "Thin Snapshots", and the
// pill style of all three.

#include <QColor>
#include <optional>

#include "design/components/PillButtonStyle.h"

namespace tidewell::screens {

// 0.96, 0.26, 0.37.
const QColor& advisorDeleteTint();
// A finding card's action pill: 12.5, padded 18 x 9; tint none glows in
// the accent.
design::PillButtonStyle advisorPillStyle(std::optional<QColor> tint, QColor textColour);
// The opacity of an action pill while it waits for another action.
inline constexpr double kAdvisorDisabledOpacity = 0.45;

}  // namespace tidewell::screens
