#include "testkit/support/ContainedRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <exception>

namespace tidewell::testing {

namespace {

// What this process maps now and how much of it is resident, in bytes
// (the first two figures of statm).
struct Footprint {
  size_t mapped = 0;
  size_t resident = 0;
};

Footprint footprint() {
  size_t pages[2] = {0, 0};
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%zu %zu", &pages[0], &pages[1]) != 2) pages[0] = pages[1] = 0;
    std::fclose(statm);
  }
  const size_t page = size_t(::sysconf(_SC_PAGESIZE));
  return {pages[0] * page, pages[1] * page};
}

bool underAddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
  return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return true;
#else
  return false;
#endif
#else
  return false;
#endif
}

void writeAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += size_t(n);
  }
}

}  // namespace

ContainedRun runContained(const std::function<std::string()>& work, std::chrono::milliseconds deadline,
                          size_t capBytes) {
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return {};
  const Footprint start = footprint();
  const size_t limit = start.mapped + capBytes;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    return {};
  }
  if (child == 0) {
    ::close(pipeFds[0]);
    // The sanitizer's shadow memory is mapped up front; a cap would stop it.
    if (!underAddressSanitizer()) {
      const rlimit cap{limit, limit};
      ::setrlimit(RLIMIT_AS, &cap);
    }
    int status = 1;
    try {
      writeAll(pipeFds[1], work());
      status = 0;
    } catch (...) {
    }
    ::_exit(status);
  }
  ::close(pipeFds[1]);

  ContainedRun run;
  std::string text;
  const auto expiry = std::chrono::steady_clock::now() + deadline;
  bool open = true;
  while (open) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(expiry - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd wait{pipeFds[0], POLLIN, 0};
    const int ready = ::poll(&wait, 1, int(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) break;
    char buffer[4096];
    const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
    if (n > 0) {
      text.append(buffer, size_t(n));
    } else if (n == 0 || errno != EINTR) {
      open = false;
    }
  }
  ::close(pipeFds[0]);
  // The pipe closes when the child ends; still open at the deadline, it is
  // stuck and is ended here.
  if (open) ::kill(child, SIGKILL);
  int status = 0;
  rusage usage{};
  while (::wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  run.ended = !open && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (run.ended) run.text = std::move(text);
  const size_t peak = size_t(usage.ru_maxrss) * 1024;
  run.peakGrowthBytes = peak > start.resident ? peak - start.resident : 0;
  return run;
}

}  // namespace tidewell::testing
