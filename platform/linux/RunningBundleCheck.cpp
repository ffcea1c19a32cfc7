#include "platform/core/RunningBundleCheck.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string_view>

#include "platform/core/Paths.h"

namespace tidewell::platform {

namespace {

bool isProcessNumber(const char* name) {
  if (!*name) return false;
  for (; *name; ++name)
    if (*name < '0' || *name > '9') return false;
  return true;
}

// The executable's path from the process's "exe" link; the kernel appends
// " (deleted)" when the file was replaced while running, and the process
// still belongs to the folder it came from.
std::string executablePath(int procFd, const char* pid) {
  std::string link = std::string(pid) + "/exe";
  char target[PATH_MAX];
  ssize_t length = readlinkat(procFd, link.c_str(), target, sizeof target - 1);
  if (length <= 0) return {};
  std::string_view path(target, size_t(length));
  constexpr std::string_view deleted = " (deleted)";
  if (path.size() > deleted.size() && path.substr(path.size() - deleted.size()) == deleted)
    path.remove_suffix(deleted.size());
  return standardize(path);
}

}  // namespace

bool RunningBundleCheck::isRunning(const std::string& bundlePath, const EngineContext& ctx) {
  char resolved[PATH_MAX];
  if (bundlePath.empty() || !realpath(bundlePath.c_str(), resolved)) return false;
  const std::string bundle = resolved;
  if (bundle == "/") return false;

  DIR* proc = opendir(ctx.procRoot.c_str());
  if (!proc) return false;
  bool running = false;
  while (dirent* entry = readdir(proc)) {
    if (!isProcessNumber(entry->d_name)) continue;
    struct stat st {};
    if (fstatat(dirfd(proc), entry->d_name, &st, 0) != 0 || st.st_uid != ctx.uid) continue;
    std::string exe = executablePath(dirfd(proc), entry->d_name);
    if (!exe.empty() && isSameOrBelow(exe, bundle)) {
      running = true;
      break;
    }
  }
  closedir(proc);
  return running;
}

}  // namespace tidewell::platform
