#include "platform/core/PoliteQuit.h"

#include <cstdlib>
#include <utility>

#include "platform/linux/ProcProcess.h"

namespace tidewell::platform {

PoliteQuit::PoliteQuit(std::string procRoot, std::shared_ptr<const DesktopWindows> windows)
    : procRoot_(std::move(procRoot)), windows_(std::move(windows)) {}

bool PoliteQuit::sameProcess(pid_t pid, std::optional<uint64_t> startTime) const {
  return pid > 0 && startTime && ProcProcess::startTimeOf(procRoot_, pid) == startTime;
}

PoliteQuit::Answer PoliteQuit::ask(pid_t pid, std::optional<uint64_t> startTime) const {
  if (!sameProcess(pid, startTime)) return Answer::notRunning;
  // Finding the windows takes a few round trips to the display server; the
  // process may end (and its pid be reused) meanwhile, so look once more
  // right before asking.
  bool vanished = false;
  const int asked = windows_->askToClose(pid, [&] {
    vanished = !sameProcess(pid, startTime);
    return !vanished;
  });
  if (vanished) return Answer::notRunning;
  return asked > 0 ? Answer::asked : Answer::refused;
}

PoliteQuit PoliteQuit::forSession(const EngineContext& ctx) {
  const char* display = std::getenv("DISPLAY");
  return PoliteQuit(ctx.procRoot, DesktopWindows::forDisplay(display ? display : ""));
}

}  // namespace tidewell::platform
