#pragma once
// What /proc tells about one process, read under an injectable /proc root
// (a fake folder in tests). Only what matching a process to its desktop
// entry and weighing its memory needs. Plain values; callable from any thread.

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tidewell::platform {

struct ProcProcess {
  pid_t pid = 0;
  pid_t parentPid = 0;
  uid_t uid = 0;                    // real user id
  bool zombie = false;              // ended, not yet reaped
  std::string executable;           // target of the exe link ("" when unreadable), " (deleted)" removed
  std::string command;              // comm: the first 15 bytes of the program name
  std::string launchedDesktopFile;  // GIO_LAUNCHED_DESKTOP_FILE, "" when unset
  std::optional<pid_t> launchedDesktopFilePid;  // GIO_LAUNCHED_DESKTOP_FILE_PID
  std::optional<uint64_t> startTime;            // see startTimeOf(); read for uid's processes only

  // Absent when the process's status cannot be read (it ended, or the
  // folder is not a process). The exe link and environ are read only when
  // the status names uid as the owner, so other users cost nothing.
  static std::optional<ProcProcess> read(const std::string& procRoot, pid_t pid, uid_t uid);

  // Every numeric entry of procRoot, ascending.
  static std::vector<pid_t> pids(const std::string& procRoot);

  // When the process started, in clock ticks after boot (field 22 of
  // stat): with the pid it names one process, since the kernel reuses pids
  // but never for two processes started in the same tick. Absent when stat
  // cannot be read or parsed, and for a process that has ended but is not
  // reaped yet (a zombie).
  static std::optional<uint64_t> startTimeOf(const std::string& procRoot, pid_t pid);

  // Resident memory: Pss of smaps_rollup, else VmRSS of status; 0 when neither reads.
  static int64_t memoryBytes(const std::string& procRoot, pid_t pid);
};

}  // namespace tidewell::platform
