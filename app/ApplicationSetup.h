#pragma once
// The process-wide settings of the application, made once at start-up on
// the QApplication: its names (which also place its settings file), the
// desktop entry it belongs to, the dark Fusion look, the window icon, that
// closing the last window does not quit (the tray item stays), one thread
// for Qt's own painting helpers, and the accessible interfaces of our
// painted widgets.

#include <QPalette>

class QApplication;

namespace tidewell::app {

inline constexpr const char* kOrganizationName = "Tidewell";
inline constexpr const char* kApplicationName = "TidewellMac";
inline constexpr const char* kDesktopFileName = "tidewell-mac";

// The dark palette every standard widget is drawn with.
QPalette darkPalette();

void configureApplication(QApplication& application);

}  // namespace tidewell::app
