#pragma once
// Asks a running application to quit the way its user would: its windows
// are asked to close (DesktopWindows), and the application may refuse, for
// instance to ask about unsaved work. Before anything is asked the pid must
// still name the very process that was listed: the start time read with
// the list has to match the one under procRoot now, checked again right
// before the windows are asked, so a pid the kernel handed to another
// process is never acted on.
//
// Holds only values and a shared stateless window service; ask() blocks
// briefly and may run on any thread.

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/core/DesktopWindows.h"
#include "platform/core/EngineContext.h"

namespace tidewell::platform {

class PoliteQuit {
 public:
  enum class Answer {
    notRunning,  // the listed process is gone (or its pid now names another): nothing was asked
    asked,       // at least one of its windows was asked to close
    refused,     // it runs but nothing could be asked (no window that takes a close request, no X11)
  };

  PoliteQuit(std::string procRoot, std::shared_ptr<const DesktopWindows> windows);

  // startTime is the process's start as listed; without one the process
  // cannot be recognised and counts as gone.
  Answer ask(pid_t pid, std::optional<uint64_t> startTime) const;

  // This session's: ctx.procRoot and the X11 display named by $DISPLAY
  // (read here, once).
  static PoliteQuit forSession(const EngineContext& ctx);

 private:
  bool sameProcess(pid_t pid, std::optional<uint64_t> startTime) const;

  std::string procRoot_;
  std::shared_ptr<const DesktopWindows> windows_;
};

}  // namespace tidewell::platform
