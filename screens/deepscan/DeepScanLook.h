#pragma once
// The fixed colours of the Deep Scan section, shared by its screen, the
// bucket rows and the big-item cards. Each is built once on first use
// (thread-safe) and lives for the program.

#include <QColor>

namespace tidewell::screens::DeepScanLook {

const QColor& safeGreen();        // 0.2, 0.84, 0.51
const QColor& reviewOrange();     // 0.98, 0.62, 0.24
const QColor& personalRed();      // the theme's destructive red
const QColor& installerBlue();    // 0.36, 0.66, 0.98
const QColor& containerPurple();  // the theme's container purple

// tint at opacity, keeping the opacity a tint already has (the other
// bucket's white at 0.55 at 0.16 is white at 0.088).
QColor faded(const QColor& tint, double opacity);

}  // namespace tidewell::screens::DeepScanLook
