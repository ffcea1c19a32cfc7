#pragma once
// The user's running regular applications: programs with a window of their
// own that the desktop lists. On Linux these are ctx.uid's processes under
// ctx.procRoot that a shown desktop entry of ctx.desktopEntryFolders names,
// either through GIO_LAUNCHED_DESKTOP_FILE (set for the very process the
// desktop launched) or by executable. A process whose parent belongs to the
// same entry is one of that application's helpers and is not listed again.
// Blocking, read-only; callable from any thread.

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/EngineContext.h"

namespace tidewell::platform {

struct RunningApplication {
  pid_t pid = 0;
  std::string name;         // the desktop entry's Name ("" when it has none)
  std::string identifier;   // the desktop entry id, e.g. "org.gnome.gedit"
  std::string entryPath;    // the desktop entry file
  int64_t memoryBytes = 0;  // resident memory (Pss, else VmRSS); 0 when unreadable
  // When the process started (clock ticks after boot); with pid it names
  // this very process, so a later request can tell a reused pid apart.
  // Absent when it could not be read.
  std::optional<uint64_t> startTime;
};

class RunningApplications {
 public:
  // In process-id order; this program included when it matches (callers
  // leave out ctx.pid). Empty when the process table cannot be read.
  static std::vector<RunningApplication> list(const EngineContext& ctx);
};

}  // namespace tidewell::platform
