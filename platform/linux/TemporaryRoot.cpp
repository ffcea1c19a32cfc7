#include "platform/linux/TemporaryRoot.h"

#include <sys/stat.h>

#include "base/Paths.h"
#include "platform/core/HomeFolder.h"
#include "platform/core/PhysicalPath.h"
#include "platform/core/PrivateFolder.h"

namespace tidewell::platform {

std::vector<std::string> runtimeFolders(const char* xdgRuntimeDir, uid_t uid) {
  std::vector<std::string> folders;
  if (xdgRuntimeDir && xdgRuntimeDir[0] == '/') folders.push_back(base::standardize(xdgRuntimeDir));
  const std::string standard = "/run/user/" + std::to_string(uid);
  if (folders.empty() || folders.front() != standard) folders.push_back(standard);
  return folders;
}

std::optional<std::string> validatedTemporaryRoot(const char* tmpdir, const std::string& home, uid_t uid,
                                                  const std::vector<std::string>& sessionFolders) {
  if (!tmpdir || tmpdir[0] != '/' || !isUsableHome(home)) return std::nullopt;

  // Judge the folder where it really is: a link to "/" must not pass as a
  // harmless-looking name.
  const auto resolved = physicalPath(tmpdir);
  if (!resolved) return std::nullopt;
  const std::string& root = *resolved;

  struct stat info {};
  if (stat(root.c_str(), &info) != 0 || !isPrivateFolder(info, uid)) return std::nullopt;

  // Compare against the home folder as spelled and as it physically is.
  const std::string physicalHome = physicalPath(home).value_or(home);
  for (const std::string& h : {home, physicalHome}) {
    if (root == "/" || root == h || base::isBelow(h, root) || base::parentPath(root) == h)
      return std::nullopt;
  }
  // Emptying the runtime folder would delete the session's live sockets.
  for (const std::string& written : sessionFolders) {
    const std::string runtime = base::standardize(written);
    if (runtime.empty() || runtime[0] != '/') continue;
    for (const std::string& r : {runtime, physicalPath(runtime).value_or(runtime)}) {
      if (base::isSameOrBelow(root, r) || base::isBelow(r, root)) return std::nullopt;
    }
  }
  return root;
}

}  // namespace tidewell::platform
