#pragma once
// A child process for tests that talk to a helper program line by line: a
// pipe on its stdin and one on its stdout (and, when asked, one on its fd 3),
// stderr to /dev/null. Closing stdin tells our helpers to end; the
// destructor closes it and waits for the child (sending SIGTERM first when
// terminateOnExit() was called, for servers that do not read stdin).

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace tidewell::testing {

class ChildProcess {
 public:
  // argv[0] is the program's path. environment holds "NAME=value" entries
  // that replace (or join) the ones this process has.
  explicit ChildProcess(const std::vector<std::string>& argv, bool extraPipeOnFd3 = false,
                        const std::vector<std::string>& environment = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // -1 when it could not be started.
  pid_t pid() const { return pid_; }
  // One line from its stdout (or fd 3), without the newline; absent on end
  // of file or when nothing arrives within a generous patience.
  std::optional<std::string> line() const;
  std::optional<std::string> lineOnFd3() const;
  // Writes text to its stdin; false when it cannot be written.
  bool write(const std::string& text) const;
  void terminateOnExit() { terminateOnExit_ = true; }

  // The exit status once it has ended; absent while it runs.
  std::optional<int> exitStatus();
  // Waits until it ends (it is expected to, on its own).
  std::optional<int> waitForExit();

 private:
  pid_t pid_ = -1;
  int stdin_ = -1, stdout_ = -1, fd3_ = -1;
  bool ended_ = false, terminateOnExit_ = false;
  std::optional<int> status_;
};

// The path of an executable named name on $PATH (or in /usr/bin); empty
// when there is none.
std::string findProgram(const std::string& name);

}  // namespace tidewell::testing
