#include "platform/linux/ProcProcess.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <string_view>

#include "base/Paths.h"
#include "platform/core/SmallFile.h"

namespace tidewell::platform {

namespace {

constexpr size_t kMaxStatusBytes = 64 * 1024;
constexpr size_t kMaxEnvironBytes = 1024 * 1024;
constexpr std::string_view kDeleted = " (deleted)";

template <typename T>
std::optional<T> number(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  T value{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end == text.data()) return std::nullopt;
  return value;
}

// The value after "Key:" on the line that begins with it, or absent.
std::optional<std::string_view> field(std::string_view text, std::string_view key) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == ':')
      return line.substr(key.size() + 1);
    start = end + 1;
  }
  return std::nullopt;
}

// "  1234 kB" as bytes, without overflowing on nonsense.
std::optional<int64_t> kilobytes(std::string_view value) {
  auto kb = number<int64_t>(value);
  if (!kb || *kb < 0 || *kb > INT64_MAX / 1024) return std::nullopt;
  return *kb * 1024;
}

std::string readLink(const std::string& path) {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
  if (n <= 0 || size_t(n) >= sizeof buffer) return {};
  return std::string(buffer, size_t(n));
}

}  // namespace

std::vector<pid_t> ProcProcess::pids(const std::string& procRoot) {
  std::vector<pid_t> list;
  DIR* dir = opendir(procRoot.c_str());
  if (!dir) return list;
  while (dirent* e = readdir(dir)) {
    const std::string_view name = e->d_name;
    if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    if (auto pid = number<pid_t>(name); pid && *pid > 0) list.push_back(*pid);
  }
  closedir(dir);
  std::sort(list.begin(), list.end());
  return list;
}

std::optional<ProcProcess> ProcProcess::read(const std::string& procRoot, pid_t pid, uid_t uid) {
  const std::string base = base::joinPath(procRoot, std::to_string(pid));
  auto status = readSmallFile(base + "/status", kMaxStatusBytes);
  if (!status) return std::nullopt;
  auto uidField = field(*status, "Uid");
  auto owner = uidField ? number<uid_t>(*uidField) : std::nullopt;
  if (!owner) return std::nullopt;

  ProcProcess p;
  p.pid = pid;
  p.uid = *owner;
  if (auto ppid = field(*status, "PPid")) p.parentPid = number<pid_t>(*ppid).value_or(0);
  if (auto state = field(*status, "State")) {
    auto s = state->find_first_not_of(" \t");
    p.zombie = s != std::string_view::npos && (*state)[s] == 'Z';
  }
  if (p.uid != uid) return p;

  p.executable = readLink(base + "/exe");
  if (p.executable.ends_with(kDeleted)) p.executable.resize(p.executable.size() - kDeleted.size());
  if (auto comm = readSmallFile(base + "/comm", 256)) {
    p.command = *comm;
    if (!p.command.empty() && p.command.back() == '\n') p.command.pop_back();
  }
  p.startTime = startTimeOf(procRoot, pid);
  if (auto envText = readSmallFile(base + "/environ", kMaxEnvironBytes)) {
    std::string_view env = *envText;
    constexpr std::string_view kFile = "GIO_LAUNCHED_DESKTOP_FILE=";
    constexpr std::string_view kPid = "GIO_LAUNCHED_DESKTOP_FILE_PID=";
    size_t start = 0;
    while (start < env.size()) {
      size_t end = env.find('\0', start);
      if (end == std::string_view::npos) end = env.size();
      const std::string_view var = env.substr(start, end - start);
      if (var.starts_with(kFile)) p.launchedDesktopFile = std::string(var.substr(kFile.size()));
      if (var.starts_with(kPid)) p.launchedDesktopFilePid = number<pid_t>(var.substr(kPid.size()));
      start = end + 1;
    }
  }
  return p;
}

std::optional<uint64_t> ProcProcess::startTimeOf(const std::string& procRoot, pid_t pid) {
  auto stat = readSmallFile(base::joinPath(procRoot, std::to_string(pid)) + "/stat", kMaxStatusBytes);
  if (!stat) return std::nullopt;
  // The name in parentheses may itself hold spaces and ')'; the fields
  // after the last ')' start with the third, the state.
  const size_t close = stat->rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::string_view rest = std::string_view(*stat).substr(close + 1);
  constexpr int kStartTimeField = 22;
  for (int field = 3;; ++field) {
    const size_t begin = rest.find_first_not_of(' ');
    if (begin == std::string_view::npos) return std::nullopt;
    rest.remove_prefix(begin);
    const size_t end = std::min(rest.find(' '), rest.size());
    // An ended process (a zombie, or one being reaped) no longer counts.
    if (field == 3 && (rest.front() == 'Z' || rest.front() == 'X' || rest.front() == 'x'))
      return std::nullopt;
    if (field == kStartTimeField) {
      std::string_view text = rest.substr(0, end);
      if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
      uint64_t ticks = 0;
      auto [last, ec] = std::from_chars(text.data(), text.data() + text.size(), ticks);
      if (ec != std::errc() || last != text.data() + text.size()) return std::nullopt;
      return ticks;
    }
    rest.remove_prefix(end);
  }
}

int64_t ProcProcess::memoryBytes(const std::string& procRoot, pid_t pid) {
  const std::string base = base::joinPath(procRoot, std::to_string(pid));
  if (auto rollup = readSmallFile(base + "/smaps_rollup", kMaxStatusBytes)) {
    if (auto pss = field(*rollup, "Pss")) {
      if (auto bytes = kilobytes(*pss)) return *bytes;
    }
  }
  if (auto status = readSmallFile(base + "/status", kMaxStatusBytes)) {
    if (auto rss = field(*status, "VmRSS")) {
      if (auto bytes = kilobytes(*rss)) return *bytes;
    }
  }
  return 0;
}

}  // namespace tidewell::platform
