#pragma once
// A new top-level window's first frame, in place before the window is on
// screen. A window is put on screen when it is mapped, and its inside is
// seen from then on; what the application paints arrives a moment later,
// or much later when the GUI thread is busy. Until then the inside of a Qt
// window on X11 is whatever the screen held there (black, or the window
// below), and with no compositor to hold the window back that is what
// people see: a frame with a title bar around nothing. Every dialog, sheet
// and popover therefore hands its first picture to the display server
// before it is mapped. GUI thread only.

#include <QImage>

class QWidget;

namespace tidewell::design {

namespace FirstFrame {

// window as it is about to look, in device pixels and opaque
// (QImage::Format_RGB32); null for a widget of no size.
QImage picture(QWidget* window);

// On X11, makes picture(window) the background the X server shows in the
// window wherever the application has not painted. Call it from the
// window's showEvent(): the native window exists by then and is mapped
// right after. False, doing nothing, for a widget that is not a created
// top-level and on other platforms (offscreen; Wayland, whose compositor
// shows a window only once it has drawn).
bool handOver(QWidget* window);

}  // namespace FirstFrame

}  // namespace tidewell::design
