#include "platform/core/TemporaryRoot.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

#include "platform/core/HomeFolder.h"
#include "platform/core/Paths.h"
#include "platform/core/PhysicalPath.h"

namespace tidewell::platform {

std::optional<std::string> validatedTemporaryRoot(const char* tmpdir, const std::string& home,
                                                  uid_t uid) {
  if (!tmpdir || tmpdir[0] != '/' || !isUsableHome(home)) return std::nullopt;

  // Judge the folder where it really is: a link to "/" must not pass as a
  // harmless-looking name.
  const auto resolved = physicalPath(tmpdir);
  if (!resolved) return std::nullopt;
  const std::string& root = *resolved;

  struct stat info {};
  if (stat(root.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
  if (info.st_uid != uid || (info.st_mode & (S_IWGRP | S_IWOTH))) return std::nullopt;

  // Compare against the home folder as spelled and as it physically is.
  const std::string physicalHome = physicalPath(home).value_or(home);
  for (const std::string& h : {home, physicalHome}) {
    if (root == "/" || root == h || isBelow(h, root) || parentPath(root) == h)
      return std::nullopt;
  }
  return root;
}

}  // namespace tidewell::platform
