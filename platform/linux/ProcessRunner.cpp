#include "platform/core/ProcessRunner.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/core/FileDescriptor.h"

extern char** environ;

namespace tidewell::platform {

namespace {

// File actions and attributes for one launch, destroyed on every path.
class SpawnSetup {
 public:
  SpawnSetup() {
    ok_ = posix_spawn_file_actions_init(&actions_) == 0;
    if (!ok_) return;
    attrOk_ = posix_spawnattr_init(&attr_) == 0;
    ok_ = attrOk_;
    if (!ok_) return;
    // A tool starts with no blocked signals and the default SIGPIPE action,
    // whatever this program's threads have set up for themselves.
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    ok_ = posix_spawnattr_setsigmask(&attr_, &none) == 0 &&
          posix_spawnattr_setsigdefault(&attr_, &defaults) == 0 &&
          posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0;
  }
  ~SpawnSetup() {
    if (attrOk_) posix_spawnattr_destroy(&attr_);
    posix_spawn_file_actions_destroy(&actions_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  bool ok() const { return ok_; }
  void nullDevice(int fd, int flags) {
    ok_ = ok_ && posix_spawn_file_actions_addopen(&actions_, fd, "/dev/null", flags, 0) == 0;
  }
  void duplicate(int from, int to) {
    ok_ = ok_ && posix_spawn_file_actions_adddup2(&actions_, from, to) == 0;
  }

  // The child's pid, or -1 when the tool could not be started (error()
  // then says why, when the system did).
  pid_t spawn(const std::string& executable, const std::vector<std::string>& arguments) {
    if (!ok_) return -1;
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(executable.c_str()));
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    // posix_spawn, not posix_spawnp: the path is used as given, no PATH search.
    error_ = posix_spawn(&pid, executable.c_str(), &actions_, &attr_, argv.data(), environ);
    return error_ == 0 ? pid : -1;
  }
  int error() const { return error_; }

 private:
  posix_spawn_file_actions_t actions_{};
  posix_spawnattr_t attr_{};
  bool ok_ = false;
  bool attrOk_ = false;
  int error_ = 0;
};

using Kind = FailureReason::Kind;

// Waits for the child, retrying when a signal interrupts the wait. Done
// only for a normal exit with status 0.
Attempt awaitExit(pid_t pid) {
  int status = 0;
  pid_t done;
  do {
    done = ::waitpid(pid, &status, 0);
  } while (done < 0 && errno == EINTR);
  // A child that cannot be waited for was never seen to run to its end.
  if (done != pid) return Attempt::failed(Kind::toolNotStarted, done < 0 ? errno : 0);
  if (WIFSIGNALED(status)) return Attempt::failed(Kind::toolSignalled, WTERMSIG(status));
  if (!WIFEXITED(status)) return Attempt::failed(Kind::toolNotStarted);
  if (WEXITSTATUS(status) != 0) return Attempt::failed(Kind::toolExited, WEXITSTATUS(status));
  return Attempt::done();
}

// A relative path would name a different program depending on the current
// folder; tool paths are always absolute. A NUL inside any text would cut
// it short in argv, so the tool would be handed a different argument (a
// different runtime id, say): such a call is refused.
bool launchable(const std::string& executable, const std::vector<std::string>& arguments) {
  auto hasNul = [](const std::string& s) { return s.find('\0') != std::string::npos; };
  if (executable.empty() || executable[0] != '/' || hasNul(executable)) return false;
  for (const std::string& a : arguments) {
    if (hasNul(a)) return false;
  }
  return true;
}

// A pipe whose ends are both above the standard descriptors, so the child's
// dup2 onto fd 1 never meets an end that already is fd 1 (when this process
// runs with a standard descriptor closed), and close-on-exec everywhere.
bool makePipe(FileDescriptor& readEnd, FileDescriptor& writeEnd) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return false;
  for (int i = 0; i < 2; ++i) {
    if (fds[i] > STDERR_FILENO) continue;
    int moved = ::fcntl(fds[i], F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    ::close(fds[i]);
    fds[i] = moved;
  }
  readEnd.reset(fds[0]);
  writeEnd.reset(fds[1]);
  return fds[0] >= 0 && fds[1] >= 0;
}

}  // namespace

std::optional<std::string> ProcessRunner::run(const std::string& executable,
                                              const std::vector<std::string>& arguments) {
  std::string output;
  if (!attempt(executable, arguments, &output)) return std::nullopt;
  return output;
}

Attempt ProcessRunner::attempt(const std::string& executable, const std::vector<std::string>& arguments,
                               std::string* output) {
  if (!launchable(executable, arguments)) return Attempt::failed(Kind::toolNotStarted, EINVAL);
  FileDescriptor readEnd, writeEnd;
  if (!makePipe(readEnd, writeEnd)) return Attempt::failed(Kind::toolNotStarted, errno);

  SpawnSetup setup;
  setup.nullDevice(STDIN_FILENO, O_RDONLY);
  setup.duplicate(writeEnd.get(), STDOUT_FILENO);
  setup.nullDevice(STDERR_FILENO, O_WRONLY);
  const pid_t pid = setup.spawn(executable, arguments);
  // Only the child may hold the write end, or the read below never sees
  // end of file.
  writeEnd.reset();
  if (pid < 0) return Attempt::failed(Kind::toolNotStarted, setup.error());

  // Read to the end before waiting: a tool with more output than the pipe
  // holds would otherwise block forever on a full pipe.
  std::string text;
  int readError = 0;
  char buffer[64 * 1024];
  for (;;) {
    ssize_t n = ::read(readEnd.get(), buffer, sizeof buffer);
    if (n > 0) {
      text.append(buffer, size_t(n));
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      readError = errno;
      break;
    }
  }
  // Closing the read end first lets a tool still writing after a failed
  // read end through SIGPIPE instead of blocking the wait.
  readEnd.reset();
  if (Attempt exit = awaitExit(pid); !exit) return exit;
  if (readError != 0) return Attempt::failed(Kind::toolOutputUnread, readError);
  if (output) *output = std::move(text);
  return Attempt::done();
}

void ProcessRunner::runDiscardingOutput(const std::string& executable,
                                        const std::vector<std::string>& arguments) {
  if (!launchable(executable, arguments)) return;
  SpawnSetup setup;
  setup.nullDevice(STDIN_FILENO, O_RDONLY);
  setup.nullDevice(STDOUT_FILENO, O_WRONLY);
  setup.nullDevice(STDERR_FILENO, O_WRONLY);
  const pid_t pid = setup.spawn(executable, arguments);
  if (pid >= 0) (void)awaitExit(pid);
}

}  // namespace tidewell::platform
