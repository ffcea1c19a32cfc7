#pragma once
// Runs a system tool for one request: argv exactly as given (never through
// a shell), stdin and stderr on /dev/null, stdout read to its end before the
// exit is awaited. The executable must be an absolute path (no PATH search;
// anything else counts as a failed launch), and no text may hold a NUL
// byte, which would silently shorten it. Blocking; callable from any
// thread, several at once.

#include <optional>
#include <string>
#include <vector>

#include "platform/core/Attempt.h"

namespace tidewell::platform {

class ProcessRunner {
 public:
  // The tool's standard output when it exited with status 0; absent when it
  // could not be launched, was killed by a signal or exited non-zero.
  static std::optional<std::string> run(const std::string& executable,
                                        const std::vector<std::string>& arguments);

  // The same run, saying why it gave no output: the tool could not be
  // launched (an executable that is not absolute or a text with a NUL:
  // EINVAL), its output could not be read to the end, it was stopped by a
  // signal or exited with another status than 0. output, when given,
  // receives the standard output of a run that was done.
  static Attempt attempt(const std::string& executable, const std::vector<std::string>& arguments,
                         std::string* output = nullptr);

  // Runs the tool with stdout on /dev/null too and waits for it; the exit
  // status is not read and a failed launch is ignored.
  static void runDiscardingOutput(const std::string& executable, const std::vector<std::string>& arguments);
};

}  // namespace tidewell::platform
