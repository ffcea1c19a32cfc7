#include "platform/core/DirectoryListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <string_view>

namespace tidewell::platform {

std::vector<std::string> directoryNames(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return names;
  while (dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  closedir(dir);
  return names;
}

bool directoryNamesAt(int fd, std::vector<std::string>& names) {
  // A copy of the descriptor, so closing the listing leaves fd open.
  const int copy = fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (copy < 0) return false;
  DIR* dir = fdopendir(copy);
  if (!dir) {
    close(copy);
    return false;
  }
  rewinddir(dir);
  errno = 0;
  while (dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
    errno = 0;
  }
  const bool complete = errno == 0;
  closedir(dir);
  return complete;
}

std::vector<std::string> sortedDirectoryNames(const std::string& folder) {
  std::vector<std::string> names = directoryNames(folder);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace tidewell::platform
