#pragma once
// Whether the user asked the desktop for less motion. Animated components
// stand still when it is set (drifting backdrops, wobbling tiles, symbol
// effects).

#include <cstddef>
#include <string>

namespace tidewell::platform {

// The rule, from the values given:
// 1. an override ("1", "true", "yes", "on" mean reduce; "0", "false", "no",
//    "off" mean animate; anything else is ignored);
// 2. the desktop's animation setting where it can be read from configHome:
//    KDE's kdeglobals "AnimationDurationFactor=0" in [KDE], then GTK's
//    gtk-3.0/settings.ini "gtk-enable-animations=false" (or 0);
// 3. otherwise off.
// A settings file is read only when it is a regular file of at most
// kMaxDesktopSettingsBytes (links followed); a FIFO, folder, device or
// larger file counts as absent and is not waited on.
inline constexpr size_t kMaxDesktopSettingsBytes = 1024 * 1024;
bool reduceMotionFrom(const char* overrideValue, const std::string& configHome);

// The rule for this process: $TIDEWELL_REDUCE_MOTION, then the desktop
// settings under $XDG_CONFIG_HOME (default ~/.config). Read on each call.
bool readReduceMotion();

}  // namespace tidewell::platform
