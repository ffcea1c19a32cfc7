#pragma once
// The colour of the tick or bar on a lit Clean tick box.

#include <QColor>

#include "design/theme/Color.h"

namespace tidewell::screens {

inline QColor cleanCheckColour() { return design::Color::rgb(0.02, 0.09, 0.05); }

}  // namespace tidewell::screens
