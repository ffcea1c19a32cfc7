#pragma once
// A picture as a native window's background, shown by the display server
// itself wherever the window is exposed before the application's first
// paint arrives, so a window just put on screen never shows what the
// screen held there (black, or the window below).
//
// set() sends its requests on the caller's own connection to the display,
// so they are handled before any request the caller sends later on it (the
// map that shows the window). Call it on the thread that owns the
// connection.

#include <cstdint>

namespace tidewell::platform {

class WindowBackdrop {
 public:
  // A picture: height rows of width pixels 0xAARRGGBB (alpha ignored) in
  // host byte order, stride pixels from one row's start to the next's.
  struct Picture {
    int width = 0;
    int height = 0;
    const uint32_t* pixels = nullptr;
    int stride = 0;
  };

  // Makes picture the background of the native window `window` on the
  // display connection `display`, both as the GUI toolkit hands them out
  // (on X11: the xcb connection and the window id). False, and nothing
  // changed, when the window cannot be looked up, the picture is empty or
  // the display server cannot take it.
  static bool set(void* display, uintptr_t window, const Picture& picture);
};

}  // namespace tidewell::platform
