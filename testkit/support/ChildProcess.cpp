#include "testkit/support/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

extern char** environ;

namespace tidewell::testing {

namespace {

// Generous: only a broken test ever waits this long.
constexpr int kPatienceMs = 20000;

std::optional<std::string> readLine(int fd) {
  if (fd < 0) return std::nullopt;
  std::string line;
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, kPatienceMs) <= 0) return std::nullopt;
    char c;
    if (read(fd, &c, 1) != 1) return std::nullopt;
    if (c == '\n') return line;
    line += c;
  }
}

std::string nameOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

// This process's environment with overrides replacing entries of the same name.
std::vector<std::string> mergedEnvironment(const std::vector<std::string>& overrides) {
  std::vector<std::string> merged;
  for (char** e = environ; e && *e; ++e) {
    const std::string entry(*e);
    bool replaced = false;
    for (const std::string& o : overrides) replaced = replaced || nameOf(o) == nameOf(entry);
    if (!replaced) merged.push_back(entry);
  }
  merged.insert(merged.end(), overrides.begin(), overrides.end());
  return merged;
}

std::vector<char*> pointers(const std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (const std::string& s : strings) out.push_back(const_cast<char*>(s.c_str()));
  out.push_back(nullptr);
  return out;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, bool extraPipeOnFd3,
                           const std::vector<std::string>& environment) {
  int in[2], out[2], extra[2] = {-1, -1};
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) return;
  if (extraPipeOnFd3 && pipe2(extra, O_CLOEXEC) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  if (extraPipeOnFd3) posix_spawn_file_actions_adddup2(&actions, extra[1], 3);
  const std::vector<std::string> env = mergedEnvironment(environment);
  std::vector<char*> args = pointers(argv);
  std::vector<char*> envp = pointers(env);
  if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), envp.data()) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  stdin_ = in[1];
  stdout_ = out[0];
  if (extraPipeOnFd3) {
    close(extra[1]);
    fd3_ = extra[0];
  }
}

ChildProcess::~ChildProcess() {
  if (stdin_ >= 0) close(stdin_);
  if (pid_ > 0 && !ended_) {
    if (terminateOnExit_) kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  for (int fd : {stdout_, fd3_})
    if (fd >= 0) close(fd);
}

std::optional<std::string> ChildProcess::line() const { return readLine(stdout_); }
std::optional<std::string> ChildProcess::lineOnFd3() const { return readLine(fd3_); }

bool ChildProcess::write(const std::string& text) const {
  if (stdin_ < 0) return false;
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(stdin_, text.data() + done, text.size() - done);
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

std::optional<int> ChildProcess::exitStatus() {
  int status = 0;
  if (ended_ || waitpid(pid_, &status, WNOHANG) != pid_) return ended_ ? status_ : std::nullopt;
  ended_ = true;
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return status_;
}

std::optional<int> ChildProcess::waitForExit() {
  pollfd p{stdout_, POLLIN, 0};
  // Its stdout reaches end of file when it exits.
  while (poll(&p, 1, kPatienceMs) > 0) {
    char c;
    if (read(stdout_, &c, 1) <= 0) break;
  }
  int status = 0;
  if (waitpid(pid_, &status, 0) != pid_) return std::nullopt;
  ended_ = true;
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return status_;
}

std::string findProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  dirs += ":/usr/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string candidate = dirs.substr(start, end - start) + "/" + name;
    if (end > start && access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

}  // namespace tidewell::testing
