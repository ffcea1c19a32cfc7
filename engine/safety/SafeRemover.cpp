#include "engine/safety/SafeRemover.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

#include "base/Paths.h"
#include "platform/core/DirectoryListing.h"
#include "platform/core/FileDescriptor.h"
#include "platform/core/MountBoundary.h"
#include "platform/core/NothingThere.h"

namespace tidewell::engine {

namespace {

using platform::FailureReason;
using Kind = FailureReason::Kind;

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

FileIdentity identityOf(const struct stat& st) { return {st.st_dev, st.st_ino}; }

// Empties one folder tree depth-first without recursing on the call stack:
// the folders on the way down are an explicit stack, so any depth fits.
// Only some of them hold a descriptor: the part, the deepest kWindow, and
// above those a few checkpoints that grow sparser the higher they are (the
// depths that are the window's upper edge with its low bits cleared). A
// folder without one is reopened from its parent when it is needed again,
// and only if it is still the folder that was entered; the checkpoints keep
// that cheap at any depth (a few reopens per level on average). Everything
// is removed relative to descriptors; the part itself is kept.
class TreeEmptier {
 public:
  static constexpr size_t kWindow = 32;
  // Never more descriptors than this below the part. Above the kept set
  // (the window and at most one checkpoint per bit of the depth), so there
  // is always room for it.
  static constexpr size_t kMaxOpen = 128;

  TreeEmptier(std::string path, const SafeRemover::Gate& refusalOf,
              const SafeRemover::BeforeOpening& beforeOpening)
      : path_(std::move(path)), refusalOf_(refusalOf), beforeOpening_(beforeOpening) {}
  ~TreeEmptier() {
    for (size_t index : held_) close(stack_[index].fd);
  }
  TreeEmptier(const TreeEmptier&) = delete;
  TreeEmptier& operator=(const TreeEmptier&) = delete;

  // What the unlinking so far gave back (SafeRemover::Cleared).
  int64_t released() const { return released_; }
  // Why the first entry that was kept was kept.
  const std::optional<FailureReason>& reason() const { return reason_; }

  // Empties the open folder partFd (which stays the caller's) at path_.
  // False when anything was kept.
  bool run(int partFd, const FileIdentity& identity) {
    Frame part;
    part.identity = identity;
    part.fd = partFd;
    part.pathLength = path_.size();
    part.complete = platform::directoryNamesAt(partFd, part.todo);
    if (!part.complete) note({Kind::listFailed, errno});
    std::reverse(part.todo.begin(), part.todo.end());
    stack_.push_back(std::move(part));
    for (;;) {
      Frame& top = stack_.back();
      if (!top.todo.empty()) {
        const std::string name = std::move(top.todo.back());
        top.todo.pop_back();
        handleChild(name);
      } else if (stack_.size() == 1) {
        return top.complete;
      } else {
        finishTop();
      }
    }
  }

 private:
  struct Frame {
    std::string name;               // relative to the folder above; "" for the part
    FileIdentity identity;          // the folder that was entered
    int fd = -1;                    // -1 while it holds no descriptor
    std::vector<std::string> todo;  // children still to handle, last one first
    size_t pathLength = 0;          // this folder's path is path_.substr(0, pathLength)
    bool complete = true;           // false once anything below was kept
    bool lost = false;              // could not be reopened as the folder entered
  };

  // One entry of the deepest folder.
  void handleChild(const std::string& name) {
    Frame& folder = stack_.back();
    if (folder.fd < 0) {
      giveUp(folder);
      return;
    }
    path_.resize(folder.pathLength);
    path_ += '/';
    path_ += name;
    if (auto refused = refusalOf_(path_)) {
      keep(folder, *refused);
      return;
    }
    const int fd = folder.fd;
    struct stat st {};
    if (fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT) keep(folder, {Kind::lookFailed, errno});
      return;
    }
    if (!S_ISDIR(st.st_mode)) {
      // Files, links (as links), FIFOs, sockets, devices.
      if (SafeRemover::unlinkCounting(fd, name.c_str(), st, released_) != 0 && errno != ENOENT)
        keep(folder, {Kind::removeFailed, errno});
      return;
    }
    if (platform::isMountPointAt(fd, name.c_str())) {
      keep(folder, {Kind::mountPoint});
      return;
    }
    if (beforeOpening_) beforeOpening_(path_);
    // Swapped for a link or another folder since it was listed: not entered.
    platform::FileDescriptor child(openat(fd, name.c_str(), kFolderFlags));
    if (!child.ok()) {
      keep(folder, {Kind::openFailed, errno});
      return;
    }
    struct stat opened {};
    if (fstat(child.get(), &opened) != 0 || identityOf(opened) != identityOf(st)) {
      keep(folder, {Kind::notScanned});
      return;
    }
    Frame next;
    next.name = name;
    next.identity = identityOf(opened);
    next.pathLength = path_.size();
    next.complete = platform::directoryNamesAt(child.get(), next.todo);
    if (!next.complete) note({Kind::listFailed, errno});
    std::reverse(next.todo.begin(), next.todo.end());
    stack_.push_back(std::move(next));  // `folder` is not used past this point
    hold(stack_.size() - 1, child.release());
    if (held_.size() > kMaxOpen) trim();
  }

  // The deepest folder is done: remove it from its parent when it is empty.
  void finishTop() {
    if (stack_.back().fd >= 0) letGo(stack_.size() - 1);
    const Frame done = std::move(stack_.back());
    stack_.pop_back();
    Frame& parent = stack_.back();
    if (!settle()) {
      giveUp(parent);
      return;
    }
    if (!done.complete) {
      parent.complete = false;
      return;
    }
    if (unlinkat(parent.fd, done.name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOENT)
      keep(parent, {Kind::removeFailed, errno});
  }

  // Only the first reason is kept: what follows it is often its echo.
  void note(const FailureReason& why) {
    if (!reason_) reason_ = why;
  }
  void keep(Frame& folder, const FailureReason& why) {
    folder.complete = false;
    note(why);
  }

  static void giveUp(Frame& folder) {
    folder.complete = false;
    folder.todo.clear();
  }

  // Whether frame d holds its descriptor while frame top is the deepest.
  static bool keeps(size_t d, size_t top) {
    if (d == 0 || d + kWindow > top) return true;
    const size_t edge = top - kWindow;
    for (unsigned bit = 0; bit < 64; ++bit)
      if (((edge >> bit) << bit) == d) return true;
    return false;
  }

  // Gives every frame kept for the deepest one its descriptor, top down, so
  // each is reopened from the one just above it. False when the deepest
  // frame cannot be reached.
  bool settle() {
    const size_t top = stack_.size() - 1;
    const size_t edge = top >= kWindow ? top - kWindow : 0;
    for (unsigned bit = 64; bit-- > 0;) {
      const size_t d = (edge >> bit) << bit;
      if (d > 0 && stack_[d].fd < 0 && !reopen(d, top)) return false;
    }
    for (size_t d = edge + 1; d <= top; ++d)
      if (stack_[d].fd < 0 && !reopen(d, top)) return false;
    if (held_.size() > kMaxOpen) trim();
    return true;
  }

  // Opens frame `index` from the nearest open frame above it, relative to
  // each parent in turn and only while each is still the folder entered;
  // folders opened on the way are let go again unless kept. A folder that
  // fails is lost, and so is everything below it, which can only be
  // reached through it.
  bool reopen(size_t index, size_t top) {
    if (stack_[index].lost) return false;
    size_t above = index;
    while (stack_[above].fd < 0) --above;  // the part is always open
    for (size_t k = above + 1; k <= index; ++k) {
      Frame& folder = stack_[k];
      const int fd = openat(stack_[k - 1].fd, folder.name.c_str(), kFolderFlags);
      struct stat st {};
      if (fd < 0 || fstat(fd, &st) != 0 || identityOf(st) != folder.identity) {
        note(fd < 0 ? FailureReason{Kind::openFailed, errno} : FailureReason{Kind::notScanned});
        if (fd >= 0) close(fd);
        for (size_t j = k; j < stack_.size(); ++j) {
          stack_[j].lost = true;
          stack_[j].complete = false;
        }
        return false;
      }
      hold(k, fd);
      if (k - 1 > above && !keeps(k - 1, top)) letGo(k - 1);
    }
    return true;
  }

  void hold(size_t index, int fd) {
    stack_[index].fd = fd;
    held_.push_back(index);
  }

  void letGo(size_t index) {
    close(stack_[index].fd);
    stack_[index].fd = -1;
    held_.erase(std::find(held_.begin(), held_.end(), index));
  }

  // Lets go of every descriptor the deepest frame does not need kept.
  void trim() {
    const size_t top = stack_.size() - 1;
    std::erase_if(held_, [&](size_t index) {
      if (keeps(index, top)) return false;
      close(stack_[index].fd);
      stack_[index].fd = -1;
      return true;
    });
  }

  std::vector<Frame> stack_;
  std::vector<size_t> held_;  // frames below the part that hold a descriptor
  std::string path_;          // the path of the entry being handled
  int64_t released_ = 0;
  std::optional<FailureReason> reason_;
  const SafeRemover::Gate& refusalOf_;
  const SafeRemover::BeforeOpening& beforeOpening_;
};

}  // namespace

bool SafeRemover::identify(const std::string& path, FileIdentity& out) {
  struct stat st {};
  if (path.empty() || lstat(path.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) return false;
  out = identityOf(st);
  return true;
}

namespace {

using Cleared = SafeRemover::Cleared;

Cleared refusedFor(FailureReason why) { return {SafeRemover::Outcome::Refused, 0, why}; }

// Cannot be looked at: vanished when nothing is there, else refused.
Cleared unseen(Kind kind, int error) {
  if (platform::isNothingThere(error)) return {SafeRemover::Outcome::Vanished, 0, std::nullopt};
  return refusedFor({kind, error});
}

bool isPlainName(const std::string& name) { return !name.empty() && name != "." && name != ".."; }

}  // namespace

SafeRemover::Cleared SafeRemover::clear(const std::string& path, const FileIdentity& measured,
                                        const Gate& refusalOf, const BeforeOpening& beforeOpening) {
  if (path.empty() || path[0] != '/' || !isPlainName(std::string(base::lastComponent(path))))
    return refusedFor({Kind::badPath});
  platform::FileDescriptor parent(
      open(std::string(base::parentPath(path)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!parent.ok()) return unseen(Kind::openFailed, errno);
  return clearAt(parent.get(), path, measured, refusalOf, beforeOpening);
}

SafeRemover::Cleared SafeRemover::clearAt(int parentFd, const std::string& path, const FileIdentity& measured,
                                          const Gate& refusalOf, const BeforeOpening& beforeOpening) {
  const std::string name(base::lastComponent(path));
  if (!isPlainName(name)) return refusedFor({Kind::badPath});
  struct stat st {};
  if (fstatat(parentFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return unseen(Kind::lookFailed, errno);
  if (S_ISLNK(st.st_mode)) return refusedFor({Kind::link});
  if (identityOf(st) != measured) return refusedFor({Kind::notScanned});
  // Emptying a mount point would empty another file system, or a folder
  // that lives elsewhere on this one.
  if (platform::isMountPointAt(parentFd, name.c_str())) return refusedFor({Kind::mountPoint});

  if (!S_ISDIR(st.st_mode)) {
    Cleared cleared;
    if (unlinkCounting(parentFd, name.c_str(), st, cleared.releasedBytes) == 0) {
      cleared.outcome = Outcome::Removed;
    } else if (platform::isNothingThere(errno)) {
      cleared.outcome = Outcome::Vanished;
    } else {
      cleared.outcome = Outcome::Incomplete;
      cleared.reason = FailureReason{Kind::removeFailed, errno};
    }
    return cleared;
  }
  platform::FileDescriptor folder(openat(parentFd, name.c_str(), kFolderFlags));
  if (!folder.ok()) return refusedFor({Kind::openFailed, errno});
  struct stat opened {};
  if (fstat(folder.get(), &opened) != 0 || identityOf(opened) != measured)
    return refusedFor({Kind::notScanned});
  TreeEmptier emptier(path, refusalOf, beforeOpening);
  const bool complete = emptier.run(folder.get(), measured);
  if (complete) return {Outcome::Removed, emptier.released(), std::nullopt};
  return {Outcome::Incomplete, emptier.released(), emptier.reason()};
}

int SafeRemover::unlinkCounting(int dirFd, const char* name, const struct stat& seen, int64_t& released) {
  const int status = unlinkat(dirFd, name, 0);
  // Blocks return to the file system with a file's last link; any other
  // link, inside the part or not, still holds them.
  if (status == 0 && S_ISREG(seen.st_mode) && seen.st_nlink == 1) released += int64_t(seen.st_blocks) * 512;
  return status;
}

}  // namespace tidewell::engine
