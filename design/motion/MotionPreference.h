#pragma once
// The reduce-motion preference as the components see it: read from the
// platform once per process (environment override, then the desktop's
// animation setting, else off). GUI thread only.

#include <optional>

namespace tidewell::design {

bool reduceMotion();

// Pins the answer (none: read the platform again). For tests and the gallery.
void setReduceMotionOverride(std::optional<bool> value);

}  // namespace tidewell::design
