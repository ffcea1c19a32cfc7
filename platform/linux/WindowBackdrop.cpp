#include "platform/core/WindowBackdrop.h"

#include "platform/linux/X11Backdrop.h"

namespace tidewell::platform {

bool WindowBackdrop::set(void* display, uintptr_t window, const Picture& picture) {
  return X11Backdrop::set(static_cast<xcb_connection_t*>(display), uint32_t(window), picture);
}

}  // namespace tidewell::platform
