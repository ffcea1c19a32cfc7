#include "platform/core/DirectoryListing.h"

#include <dirent.h>

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

std::vector<std::string> sortedDirectoryNames(const std::string& folder) {
  std::vector<std::string> names = directoryNames(folder);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace tidewell::platform
