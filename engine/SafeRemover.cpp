#include "engine/SafeRemover.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <vector>

#include "platform/core/FileDescriptor.h"
#include "platform/core/MountBoundary.h"
#include "platform/core/Paths.h"

namespace tidewell::engine {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

FileIdentity identityOf(const struct stat& st) { return {st.st_dev, st.st_ino}; }

// The names in an open folder, read to the end before anything is removed
// so that removing does not disturb the listing.
bool listNames(int fd, std::vector<std::string>& names) {
  const int copy = fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (copy < 0) return false;
  DIR* dir = fdopendir(copy);
  if (!dir) {
    close(copy);
    return false;
  }
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

// True when the folder entry `name` in dirFd lies on another mount than dev.
bool isOtherMount(int dirFd, const char* name, dev_t dev) {
  struct statx sx;
  if (statx(dirFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE, &sx) != 0) return true;
  return platform::crossesMount(sx, dev);
}

// Removes everything inside the open folder fd (at path, on device dev).
// False when anything was kept.
bool emptyFolder(int fd, const std::string& path, dev_t dev, const SafeRemover::Gate& mayRemove,
                 const SafeRemover::BeforeOpening& beforeOpening) {
  std::vector<std::string> names;
  bool complete = listNames(fd, names);
  for (const std::string& name : names) {
    const std::string childPath = platform::joinPath(path, name);
    if (!mayRemove(childPath)) {
      complete = false;
      continue;
    }
    struct stat st {};
    if (fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT) complete = false;
      continue;
    }
    if (!S_ISDIR(st.st_mode)) {
      // Files, links (as links), FIFOs, sockets, devices.
      if (unlinkat(fd, name.c_str(), 0) != 0 && errno != ENOENT) complete = false;
      continue;
    }
    if (isOtherMount(fd, name.c_str(), dev)) {
      complete = false;
      continue;
    }
    if (beforeOpening) beforeOpening(childPath);
    platform::FileDescriptor child(openat(fd, name.c_str(), kFolderFlags));
    struct stat opened {};
    if (!child.ok() || fstat(child.get(), &opened) != 0 || identityOf(opened) != identityOf(st)) {
      complete = false;  // swapped for a link or another folder since it was listed
      continue;
    }
    if (!emptyFolder(child.get(), childPath, dev, mayRemove, beforeOpening)) complete = false;
    if (unlinkat(fd, name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOENT) complete = false;
  }
  return complete;
}

}  // namespace

bool SafeRemover::identify(const std::string& path, FileIdentity& out) {
  struct stat st {};
  if (path.empty() || lstat(path.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) return false;
  out = identityOf(st);
  return true;
}

SafeRemover::Outcome SafeRemover::clear(const std::string& path, const FileIdentity& measured,
                                        const Gate& mayRemove, const BeforeOpening& beforeOpening) {
  const std::string name(platform::lastComponent(path));
  if (path.empty() || path[0] != '/' || name.empty() || name == "." || name == "..") return Outcome::Refused;
  platform::FileDescriptor parent(
      open(std::string(platform::parentPath(path)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!parent.ok()) return errno == ENOENT ? Outcome::Vanished : Outcome::Refused;

  struct stat st {};
  if (fstatat(parent.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
    return errno == ENOENT ? Outcome::Vanished : Outcome::Refused;
  if (S_ISLNK(st.st_mode) || identityOf(st) != measured) return Outcome::Refused;

  if (!S_ISDIR(st.st_mode)) {
    if (unlinkat(parent.get(), name.c_str(), 0) == 0) return Outcome::Removed;
    return errno == ENOENT ? Outcome::Vanished : Outcome::Incomplete;
  }
  platform::FileDescriptor folder(openat(parent.get(), name.c_str(), kFolderFlags));
  struct stat opened {};
  if (!folder.ok() || fstat(folder.get(), &opened) != 0 || identityOf(opened) != measured)
    return Outcome::Refused;
  return emptyFolder(folder.get(), path, opened.st_dev, mayRemove, beforeOpening) ? Outcome::Removed
                                                                                  : Outcome::Incomplete;
}

}  // namespace tidewell::engine
