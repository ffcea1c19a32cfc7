#pragma once
// The window flags of the widget on the desktop, by Qt platform plugin:
// frameless everywhere, and kept below other windows on X11 ("xcb").
// Wayland gives a client no say in stacking, so there it is an ordinary
// frameless window.

#include <QString>
#include <Qt>

namespace tidewell::widget {

Qt::WindowFlags desktopWindowFlags(const QString& platformName);

}  // namespace tidewell::widget
