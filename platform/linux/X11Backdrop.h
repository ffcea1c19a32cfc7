#pragma once
// The X11 form of WindowBackdrop: a picture as an X11 window's background.
// The X server paints a window's background itself wherever the window is
// exposed, before the client gets the Expose event and draws. Windows made
// by Qt have none (background "None"), so a new window shows whatever the
// screen held there (black, or the window below) from the moment it is
// mapped until the client's first paint arrives; with no compositor that
// moment is seen. Given the window's own picture, the server shows it at
// once instead.
//
// set() sends its requests on the caller's connection, so they are handled
// before any request the caller sends later on it (the map that shows the
// window). Call it on the thread that owns the connection.

#include <cstddef>
#include <cstdint>

#include "platform/core/WindowBackdrop.h"

struct xcb_connection_t;

namespace tidewell::platform {

class X11Backdrop {
 public:
  using Picture = WindowBackdrop::Picture;

  // How the server keeps a window's pixels (its depth's pixmap format and
  // its visual).
  struct PixelFormat {
    int depth = 0;
    int bitsPerPixel = 0;
    uint32_t redMask = 0, greenMask = 0, blueMask = 0;
    bool leastSignificantByteFirst = true;
  };

  // True when the server takes the picture's pixels as they are: 24 or 32
  // bits deep in 32-bit pixels, red, green and blue where 0x00RRGGBB has
  // them, in the host's byte order.
  static bool takesPicturePixels(const PixelFormat& format, bool hostIsLittleEndian);

  // How many rows of a width-pixel picture (32 bits a pixel) one PutImage
  // request of at most maximumRequestBytes carries; at least 1 when a
  // single row fits, else 0.
  static int rowsPerRequest(size_t maximumRequestBytes, int width);

  // Makes picture the background of window, on connection. False (and
  // nothing changed) when the window cannot be looked up, the picture is
  // empty or the server keeps the window's pixels in a form
  // takesPicturePixels() refuses.
  static bool set(xcb_connection_t* connection, uint32_t window, const Picture& picture);
  // The same, sending the pixels in requests of at most
  // maximumRequestBytes (set() uses the most the server takes).
  static bool set(xcb_connection_t* connection, uint32_t window, const Picture& picture,
                  size_t maximumRequestBytes);
};

}  // namespace tidewell::platform
