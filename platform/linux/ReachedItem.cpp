#include "platform/core/ReachedItem.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <utility>

#include "base/Paths.h"
#include "platform/core/PhysicalPath.h"

namespace tidewell::platform {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool isPlainName(std::string_view name) { return !name.empty() && name != "." && name != ".."; }

// One folder at a time, never following a link.
int openBySteps(int rootFd, std::string_view relative) {
  FileDescriptor folder(dup(rootFd));
  while (folder.ok() && !relative.empty()) {
    const size_t slash = relative.find('/');
    const std::string name(relative.substr(0, slash));
    relative = slash == std::string_view::npos ? std::string_view() : relative.substr(slash + 1);
    if (!isPlainName(name)) {
      errno = EINVAL;
      return -1;
    }
    folder.reset(openat(folder.get(), name.c_str(), kFolderFlags));
  }
  return folder.release();
}

// The kernel walks the whole way and refuses any link, and anything that
// would leave the root. -1 with errno ENOSYS when it cannot do that here.
int openByKernel(int rootFd, const std::string& relative) {
  open_how how{};
  how.flags = kFolderFlags;
  how.resolve = RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS | RESOLVE_BENEATH;
  const long fd = syscall(SYS_openat2, rootFd, relative.c_str(), &how, sizeof how);
  return fd < 0 ? -1 : int(fd);
}

// The folder `relative` below the open root; the root itself when empty.
int openBelow(int rootFd, const std::string& relative, ReachedItem::Walk walk) {
  if (relative.empty()) return dup(rootFd);
  if (walk == ReachedItem::Walk::Kernel) {
    const int fd = openByKernel(rootFd, relative);
    // No openat2 (older kernels, filtered system calls), flags it does not
    // know, or a rename racing its walk: the steps are just as strict.
    if (fd >= 0 ||
        (errno != ENOSYS && errno != EPERM && errno != EINVAL && errno != E2BIG && errno != EAGAIN))
      return fd;
  }
  return openBySteps(rootFd, relative);
}

}  // namespace

ReachedItem::ReachedItem(std::string root, std::string path, FileDescriptor parent)
    : root_(std::move(root)), path_(std::move(path)), parent_(std::move(parent)) {
  written_ = path_;
  name_ = std::string(base::lastComponent(path_));
}

std::optional<ReachedItem> ReachedItem::walkTo(const std::string& physicalRoot,
                                               const std::string& physicalPath, Walk walk) {
  const std::string root = base::standardize(physicalRoot);
  const std::string path = base::standardize(physicalPath);
  if (root.empty() || root[0] != '/' || !base::isBelow(path, root)) return std::nullopt;
  if (path.find('\0') != std::string::npos || root.find('\0') != std::string::npos) return std::nullopt;
  if (!isPlainName(base::lastComponent(path))) return std::nullopt;
  FileDescriptor rootFd(open(root.c_str(), kFolderFlags));
  if (!rootFd.ok()) return std::nullopt;
  const std::string parent(base::parentPath(path));
  const std::string relative =
      parent == root ? std::string() : parent.substr(root == "/" ? 1 : root.size() + 1);
  FileDescriptor folder(openBelow(rootFd.get(), relative, walk));
  if (!folder.ok()) return std::nullopt;
  return ReachedItem(root, path, std::move(folder));
}

std::optional<ReachedItem> ReachedItem::reach(const std::string& areaRoot, const std::string& path,
                                              Walk walk) {
  if (path.find('\0') != std::string::npos || areaRoot.find('\0') != std::string::npos) return std::nullopt;
  const std::string written = base::standardize(path);
  if (written.empty() || written[0] != '/' || written == "/") return std::nullopt;
  const std::string area = base::standardize(areaRoot);
  if (area.empty() || area[0] != '/') return std::nullopt;
  const auto root = physicalPath(area);
  const auto located = physicalLocation(written);
  if (!root || !located) return std::nullopt;
  auto reached = walkTo(*root, *located, walk);
  if (reached) reached->written_ = written;
  return reached;
}

bool ReachedItem::look(struct stat& out) const {
  return fstatat(parent_.get(), name_.c_str(), &out, AT_SYMLINK_NOFOLLOW) == 0;
}

bool ReachedItem::holds(const FileIdentity& expected) const {
  struct stat st {};
  return look(st) && FileIdentity{st.st_dev, st.st_ino} == expected;
}

}  // namespace tidewell::platform
