#pragma once
// DesktopWindows over X11, through xcb. A process's windows are the
// top-level windows whose _NET_WM_PID names it: the window manager's client
// list (_NET_CLIENT_LIST) when it keeps one, else the root window's
// children. Only windows that list WM_DELETE_WINDOW in WM_PROTOCOLS are
// asked, since a window manager may kill a client that cannot take a close
// request.
//
// A window is asked the way a pager asks: a _NET_CLOSE_WINDOW message to the
// root window when a live EWMH window manager says it supports one; with no
// such window manager, the WM_DELETE_WINDOW message that a window manager
// would send is sent to the window itself. Either way the application sees
// an ordinary close request.
//
// Each call opens its own connection and closes it before returning; under
// Wayland only X11 (XWayland) clients have such windows.

#include <string>

#include "platform/core/DesktopWindows.h"

namespace tidewell::platform {

class X11Windows final : public DesktopWindows {
 public:
  explicit X11Windows(std::string display) : display_(std::move(display)) {}

  int askToClose(pid_t pid, const std::function<bool()>& confirm) const override;

 private:
  std::string display_;
};

}  // namespace tidewell::platform
