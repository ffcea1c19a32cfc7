#include "engine/clean/TrashEmptier.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string_view>
#include <vector>

#include "base/Paths.h"
#include "engine/safety/PathSafety.h"
#include "engine/safety/SafeRemover.h"
#include "platform/core/DirectoryListing.h"
#include "platform/core/FileDescriptor.h"
#include "platform/core/MountBoundary.h"
#include "platform/core/NothingThere.h"
#include "platform/core/PhysicalPath.h"
#include "platform/core/PrivateFolder.h"

namespace tidewell::engine {

namespace {

using base::isBelow;
using base::isSameOrBelow;
using base::joinPath;
using platform::Attempt;
using platform::EngineContext;
using platform::FailureReason;
using platform::FileDescriptor;

using Kind = FailureReason::Kind;

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr std::string_view kInfoExtension = ".trashinfo";

enum class State { Missing, Present, Refused };

// One of the Trash's two folders, opened.
struct TrashFolder {
  State state = State::Missing;
  std::optional<FailureReason> refused;  // why, when Refused
  FileDescriptor fd;
  std::string path;  // physical
  FileIdentity identity;
};

struct OpenedTrash {
  std::optional<FailureReason> refused;
  TrashFolder files;
  TrashFolder info;
};

// The only parts a Trash row may have: ctx's own "files" and "info".
std::vector<std::string> trashParts(const EngineContext& ctx) {
  const std::string trash = base::standardize(ctx.trashHome);
  return {joinPath(trash, "files"), joinPath(trash, "info")};
}

// Where a Trash may not lie, wherever $XDG_DATA_HOME points: at "/", the
// home or above it, in or around a credential; and inside the home, the
// deletion gate still rules (no Trash emptied inside Documents). The rule
// that refuses it, or none.
std::optional<FailureReason> misplacement(const std::string& trash, const EngineContext& ctx) {
  if (trash.empty() || trash[0] != '/' || trash == "/") return FailureReason{Kind::outsideAreas};
  const std::string home = base::standardize(ctx.home);
  const std::string physicalHome = platform::physicalPath(home).value_or(home);
  for (const std::string& h : {home, physicalHome})
    if (isSameOrBelow(h, trash)) return FailureReason{Kind::outsideAreas};
  if (PathSafety::touchesCredential(trash, ctx)) return FailureReason{Kind::credential};
  for (const std::string& h : {home, physicalHome}) {
    if (isBelow(trash, h)) {
      for (const char* part : {"files", "info"}) {
        if (auto refused = PathSafety::refusal(joinPath(trash, part), h, {}, ctx.extraUserFolders))
          return refused;
      }
    }
  }
  return std::nullopt;
}

// files/ or info/ of the open Trash folder: a real folder on the Trash's
// own mount, owned by the user and writable by nobody else.
void openPart(int trashFd, const char* name, const std::string& trashPath,
              const platform::MountPlace& trashPlace, uid_t uid, TrashFolder& folder) {
  folder.path = joinPath(trashPath, name);
  const int fd = openat(trashFd, name, kFolderFlags);
  if (fd < 0) {
    folder.state = errno == ENOENT ? State::Missing : State::Refused;
    if (errno != ENOENT) folder.refused = FailureReason{Kind::openFailed, errno};
    return;
  }
  folder.fd.reset(fd);
  struct stat st {};
  const auto place = platform::mountPlace(fd, ".");
  if (fstat(fd, &st) != 0 || !place)
    folder.refused = FailureReason{Kind::lookFailed, errno};
  else if (!platform::isPrivateFolder(st, uid))
    folder.refused = FailureReason{Kind::notOwnTrash};
  else if (place->startsMountBelow(trashPlace))
    folder.refused = FailureReason{Kind::mountPoint};
  folder.state = folder.refused ? State::Refused : State::Present;
  folder.identity = {st.st_dev, st.st_ino};
}

// Opened in place: the folders hold descriptors.
void openTrash(const EngineContext& ctx, OpenedTrash& opened) {
  const std::string trashHome = base::standardize(ctx.trashHome);
  if (!ctx.homeUsable()) {
    opened.refused = FailureReason{Kind::homeUnusable};
    return;
  }
  if (trashHome.empty() || trashHome[0] != '/' || trashHome == "/") {
    opened.refused = FailureReason{Kind::noTrash};
    return;
  }
  // Judged where it really lies: the Trash may sit behind a link.
  const auto physical = platform::physicalPath(trashHome);
  if (!physical) {
    struct stat st {};
    if (lstat(trashHome.c_str(), &st) == 0)
      opened.refused = FailureReason{Kind::noTrash};
    else if (!platform::isNothingThere(errno))
      opened.refused = FailureReason{Kind::lookFailed, errno};
    return;
  }
  opened.refused = misplacement(*physical, ctx);
  if (opened.refused) return;
  FileDescriptor trash(open(physical->c_str(), kFolderFlags));
  if (!trash.ok()) {
    if (errno != ENOENT) opened.refused = FailureReason{Kind::openFailed, errno};
    return;
  }
  struct stat st {};
  const auto place = platform::mountPlace(trash.get(), ".");
  if (fstat(trash.get(), &st) != 0 || !place) {
    opened.refused = FailureReason{Kind::lookFailed, errno};
    return;
  }
  if (!platform::isPrivateFolder(st, ctx.uid)) {
    opened.refused = FailureReason{Kind::notOwnTrash};
    return;
  }
  openPart(trash.get(), "files", *physical, *place, ctx.uid, opened.files);
  openPart(trash.get(), "info", *physical, *place, ctx.uid, opened.info);
  opened.refused = opened.files.refused ? opened.files.refused : opened.info.refused;
}

// Whether the entry `name` is in the open folder; true when it cannot be
// told, so that nothing is removed on a guess.
bool holds(const TrashFolder& folder, const std::string& name) {
  if (folder.state != State::Present) return false;
  struct stat st {};
  return fstatat(folder.fd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT;
}

int64_t sizeOf(const TrashFolder& folder) {
  return folder.state == State::Present ? DiskScanner::allocatedSize(folder.path) : 0;
}

std::optional<FailureReason> removeEverything(const std::string&) { return std::nullopt; }

// Removes the info file `name` of an item that is gone; done when it is
// gone too.
Attempt removeInfo(const TrashFolder& info, const std::string& name, int64_t& released) {
  struct stat st {};
  if (fstatat(info.fd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
    return errno == ENOENT ? Attempt::done() : Attempt::failed(Kind::lookFailed, errno);
  if (SafeRemover::unlinkCounting(info.fd.get(), name.c_str(), st, released) == 0 || errno == ENOENT)
    return Attempt::done();
  return Attempt::failed(Kind::removeFailed, errno);
}

}  // namespace

bool TrashEmptier::isTrashRow(const CleanupTarget& target) { return target.id == "trash"; }

std::optional<CleanupItem> TrashEmptier::scan(const CleanupTarget& target, const EngineContext& ctx) {
  if (!ctx.homeUsable()) return std::nullopt;
  std::vector<std::string> written;
  for (const std::string& path : target.paths) written.push_back(base::standardize(path));
  if (written != trashParts(ctx)) return std::nullopt;

  OpenedTrash trash;
  openTrash(ctx, trash);
  if (trash.refused) return std::nullopt;
  CleanupItem item;
  bool holdsAnything = false;
  for (const TrashFolder* folder : {&trash.files, &trash.info}) {
    std::vector<std::string> names;
    if (folder->state == State::Present) platform::directoryNamesAt(folder->fd.get(), names);
    holdsAnything = holdsAnything || !names.empty();
    const int64_t size = sizeOf(*folder);
    item.measuredParts.push_back({folder->identity, size});
    item.sizeBytes += size;
  }
  if (!holdsAnything) return std::nullopt;
  // Links, empty folders and empty files occupy no blocks, yet they are
  // in the Trash all the same.
  item.sizeBytes = std::max<int64_t>(item.sizeBytes, 1);
  item.resolvedPaths = written;
  item.target = target;
  item.isSelected = target.safety == SafetyLevel::safe;
  return item;
}

DiskScanner::CleanResult TrashEmptier::clean(const CleanupItem& item, const EngineContext& ctx) {
  return clean(item, ctx, removeItem);
}

DiskScanner::CleanResult TrashEmptier::clean(const CleanupItem& item, const EngineContext& ctx,
                                             const ItemRemover& remove) {
  const auto refused = [&item](FailureReason why) {
    return DiskScanner::CleanResult{0, item.target.title, why};
  };
  if (!ctx.homeUsable()) return refused({Kind::homeUnusable});
  if (!remove || item.measuredParts.size() != 2) return refused({Kind::notScanned});
  std::vector<std::string> written;
  for (const std::string& path : item.resolvedPaths) written.push_back(base::standardize(path));
  if (written != trashParts(ctx)) return refused({Kind::notScanned});

  OpenedTrash trash;
  openTrash(ctx, trash);
  if (trash.refused) return refused(*trash.refused);
  const TrashFolder* folders[] = {&trash.files, &trash.info};
  for (size_t i = 0; i < 2; ++i) {
    if (folders[i]->state == State::Present && folders[i]->identity != item.measuredParts[i].identity)
      return refused({Kind::notScanned});
  }

  // Every failure marks the item; the first one says why.
  std::optional<FailureReason> failure;
  const auto fail = [&failure](const FailureReason& why) {
    if (!failure) failure = why;
  };
  int64_t released = 0;
  const std::time_t started = std::time(nullptr);
  // Items first; an info file goes only once its item is completely gone,
  // so whatever stays behind can still be listed and restored.
  if (trash.files.state == State::Present) {
    std::vector<std::string> names;
    if (!platform::directoryNamesAt(trash.files.fd.get(), names)) fail({Kind::listFailed, errno});
    for (const std::string& name : names) {
      const Attempt removed = remove(trash.files.fd.get(), trash.files.path, name, released);
      if (!removed || holds(trash.files, name)) {
        fail(removed.failure.value_or(FailureReason{Kind::removeFailed}));
        continue;
      }
      if (trash.info.state != State::Present) continue;
      if (const Attempt gone = removeInfo(trash.info, name + std::string(kInfoExtension), released); !gone)
        fail(*gone.failure);
    }
  }
  // Then what info/ holds without an item: records of items that are gone,
  // and anything that is no record at all.
  if (trash.info.state == State::Present) {
    std::vector<std::string> names;
    if (!platform::directoryNamesAt(trash.info.fd.get(), names)) fail({Kind::listFailed, errno});
    for (const std::string& name : names) {
      if (name.size() > kInfoExtension.size() && name.ends_with(kInfoExtension)) {
        if (holds(trash.files, name.substr(0, name.size() - kInfoExtension.size()))) continue;
        struct stat st {};
        if (fstatat(trash.info.fd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(st.st_mode) && st.st_mtime > started - kFreshInfoSeconds) continue;
      }
      if (const Attempt removed = remove(trash.info.fd.get(), trash.info.path, name, released); !removed)
        fail(*removed.failure);
    }
  }

  DiskScanner::CleanResult result;
  result.freedBytes = std::max<int64_t>(0, released);
  if (failure) {
    result.failedTitle = item.target.title;
    result.reason = failure;
  }
  return result;
}

Attempt TrashEmptier::removeItem(int folderFd, const std::string& folderPath, const std::string& name,
                                 int64_t& releasedBytes) {
  struct stat st {};
  if (fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
    return errno == ENOENT ? Attempt::done() : Attempt::failed(Kind::lookFailed, errno);
  const auto unlinked = [&](int status) {
    return status == 0 || errno == ENOENT ? Attempt::done() : Attempt::failed(Kind::removeFailed, errno);
  };
  if (!S_ISDIR(st.st_mode))
    return unlinked(SafeRemover::unlinkCounting(folderFd, name.c_str(), st, releasedBytes));
  // The remover refuses a folder mounted in the Trash: not the Trash's to
  // remove. It works in the folder held, never looked up again by its path.
  const SafeRemover::Cleared cleared =
      SafeRemover::clearAt(folderFd, joinPath(folderPath, name), {st.st_dev, st.st_ino}, removeEverything);
  releasedBytes += cleared.releasedBytes;
  switch (cleared.outcome) {
    case SafeRemover::Outcome::Vanished:
      return Attempt::done();
    case SafeRemover::Outcome::Removed:
      return unlinked(unlinkat(folderFd, name.c_str(), AT_REMOVEDIR));
    default:
      return Attempt::failed(cleared.reason.value_or(FailureReason{Kind::removeFailed}));
  }
}

}  // namespace tidewell::engine
