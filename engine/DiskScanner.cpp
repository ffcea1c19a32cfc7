#include "engine/DiskScanner.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <utility>
#include <vector>

#include "platform/core/VolumeCapacity.h"

namespace tidewell::engine {

namespace {

using Inode = std::pair<dev_t, ino_t>;

int64_t fileBytes(const struct stat& st, std::set<Inode>& seen) {
  if (!S_ISREG(st.st_mode)) return 0;
  if (st.st_nlink > 1 && !seen.insert({st.st_dev, st.st_ino}).second) return 0;
  return int64_t(st.st_blocks) * 512;
}

// Sums the tree below the open folder fd, staying on device dev.
int64_t folderBytes(int fd, dev_t dev, std::set<Inode>& seen) {
  DIR* dir = fdopendir(fd);
  if (!dir) {
    close(fd);
    return 0;
  }
  int64_t total = 0;
  while (dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
    struct stat st {};
    if (fstatat(dirfd(dir), name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      if (st.st_dev != dev) continue;  // a mount point
      int child = openat(dirfd(dir), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (child >= 0) total += folderBytes(child, dev, seen);
    } else {
      total += fileBytes(st, seen);
    }
  }
  closedir(dir);
  return total;
}

}  // namespace

int64_t DiskScanner::allocatedSize(const std::string& path) {
  struct stat st {};
  if (path.empty() || stat(path.c_str(), &st) != 0) return 0;
  std::set<Inode> seen;
  if (!S_ISDIR(st.st_mode)) return fileBytes(st, seen);
  int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return 0;
  return folderBytes(fd, st.st_dev, seen);
}

int64_t DiskScanner::availableBytes(const platform::EngineContext& ctx) {
  if (!ctx.homeUsable()) return 0;
  auto capacity = platform::readVolumeCapacity(ctx.home);
  return capacity ? capacity->freeBytes : 0;
}

int64_t DiskScanner::availableBytes() { return availableBytes(platform::EngineContext::machine()); }

}  // namespace tidewell::engine
