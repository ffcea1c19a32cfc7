#pragma once
// The display server's side of a polite quit: asking the top-level windows
// a process owns to close, exactly as their close buttons would, so the
// application itself decides (and may ask about unsaved work). Never a
// signal, never a forced close: a window that does not take part in the
// close protocol is not asked at all.
//
// Implementations are stateless between calls (each call opens its own
// connection), const and callable from any thread.

#include <sys/types.h>

#include <functional>
#include <memory>
#include <string>

namespace tidewell::platform {

class DesktopWindows {
 public:
  virtual ~DesktopWindows() = default;

  // Finds pid's top-level windows that accept a close request, calls
  // confirm() once they are found (when there are any) and, only when it
  // returns true, asks each of them to close. Returns how many were asked:
  // 0 when pid has no such window, confirm() refused, or no display server
  // can be reached.
  virtual int askToClose(pid_t pid, const std::function<bool()>& confirm) const = 0;

  // The X11 display named display (as $DISPLAY names it). "" stands for a
  // session without X11 (Wayland only, or no display at all): every answer
  // is 0.
  static std::shared_ptr<const DesktopWindows> forDisplay(std::string display);
};

}  // namespace tidewell::platform
