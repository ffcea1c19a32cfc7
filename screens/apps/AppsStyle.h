#pragma once
// The red of the Apps screen's destructive actions: the trash buttons'
// hover, the uninstall sheet's glow and its "Move to Trash" button.

#include <QColor>

#include "design/theme/Color.h"

namespace tidewell::screens {

inline QColor appsDestructiveRed() { return design::Color::rgb(0.96, 0.26, 0.37); }

}  // namespace tidewell::screens
