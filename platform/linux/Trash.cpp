#include "platform/core/Trash.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <ctime>
#include <optional>

#include "base/Paths.h"
#include "platform/core/MountBoundary.h"
#include "platform/core/NothingThere.h"
#include "platform/core/PhysicalPath.h"
#include "platform/linux/TrashDirectory.h"
#include "platform/linux/TrashInfo.h"

namespace tidewell::platform {

namespace {

using Kind = FailureReason::Kind;

struct Location {
  std::string physical;  // links in every existing folder resolved
  MountPlace place;      // of the deepest folder that exists
};

// Where a folder that may not exist yet would live: its deepest existing
// ancestor resolved, the missing rest appended as written (made later, it
// lands on that ancestor's mount).
std::optional<Location> locate(const std::string& path) {
  std::string existing = path;
  std::string missing;
  for (;;) {
    struct stat st {};
    if (stat(existing.c_str(), &st) == 0) {
      auto real = physicalPath(existing);
      auto place = real ? mountPlace(AT_FDCWD, real->c_str()) : std::nullopt;
      if (!real || !place) return std::nullopt;
      return Location{missing.empty() ? *real : base::joinPath(*real, missing), *place};
    }
    if (existing == "/") return std::nullopt;
    const std::string name(base::lastComponent(existing));
    missing = missing.empty() ? name : name + "/" + missing;
    existing = std::string(base::parentPath(existing));
  }
}

// Why the entry `item` reached is not the one expected: nothing is there
// now, it cannot be looked at, or something else took its name.
FailureReason whyNotHeld(const ReachedItem& item) {
  struct stat st {};
  if (item.look(st)) return {Kind::notScanned};
  const int error = errno;
  if (isNothingThere(error)) return {Kind::gone};
  return {Kind::lookFailed, error};
}

// Moving path would move the Trash, or move something already in it.
bool touches(const std::string& path, const std::string& trash) {
  return base::isSameOrBelow(trash, path) || base::isSameOrBelow(path, trash);
}

}  // namespace

Attempt Trash::moveToTrash(const ReachedItem& item, const FileIdentity& expected, const EngineContext& ctx,
                           std::string* trashedPath) {
  return moveToTrash(item, expected, ctx, trashedPath, ctx.topDirectoryOf);
}

Attempt Trash::moveToTrash(const ReachedItem& item, const FileIdentity& expected, const EngineContext& ctx,
                           std::string* trashedPath, const TopDirectoryFinder& topDirectoryOf) {
  if (!ctx.homeUsable()) return Attempt::failed(Kind::homeUnusable);
  const std::string trashHome = base::standardize(ctx.trashHome);
  if (trashHome.empty() || trashHome[0] != '/' || trashHome == "/") return Attempt::failed(Kind::noTrash);

  // Everything below acts on the folder the item was reached through, and
  // only while the entry there is still the one that was found.
  const int folder = item.parentFd();
  const std::string& name = item.name();
  if (folder < 0) return Attempt::failed(Kind::unreachable);
  if (!item.holds(expected)) return Attempt::failed(whyNotHeld(item));
  const auto parentPlace = mountPlace(folder, ".");
  if (!parentPlace) return Attempt::failed(Kind::lookFailed, errno);
  const auto entry = mountPlace(folder, name.c_str());
  if (!entry) return Attempt::failed(Kind::lookFailed, errno);
  // A mount point is never moved: it is not the user's to throw away, and
  // the kernel would refuse to rename it half way through.
  if (entry->startsMountBelow(*parentPlace)) return Attempt::failed(Kind::mountPoint);

  const std::string& physical = item.path();
  const std::optional<Location> home = locate(trashHome);
  if (!home) return Attempt::failed(Kind::noTrash);
  if (touches(physical, home->physical)) return Attempt::failed(Kind::inTrash);

  // A rename works only within one mount, so the item goes to the Trash of
  // its own mount: the home Trash, or the top-directory Trash of another
  // mount, even one of the home's own file system (a bind mount).
  std::optional<TrashDirectory> trash;
  std::string recordedPath;
  FailureReason unopened{Kind::noTrash};
  if (home->place.sameMountAs(*parentPlace)) {
    trash = TrashDirectory::openHome(trashHome, ctx.uid, &unopened);
    recordedPath = item.written();
  } else {
    const std::string top = topDirectoryOf ? base::standardize(topDirectoryOf(physical)) : std::string();
    struct stat topInfo {};
    if (top.empty() || top[0] != '/' || !base::isBelow(physical, top) || stat(top.c_str(), &topInfo) != 0 ||
        !S_ISDIR(topInfo.st_mode))
      return Attempt::failed(Kind::noTrash);
    const auto topPlace = mountPlace(AT_FDCWD, top.c_str());
    if (!topPlace || !topPlace->sameMountAs(*parentPlace)) return Attempt::failed(Kind::noTrash);
    const std::string base = top == "/" ? "" : top;
    if (touches(physical, base + "/.Trash") || touches(physical, base + "/.Trash-" + std::to_string(ctx.uid)))
      return Attempt::failed(Kind::inTrash);
    trash = TrashDirectory::openTop(top, ctx.uid, &unopened);
    recordedPath = physical.substr(base.size() + 1);
  }
  if (!trash) return Attempt::failed(unopened);

  const std::string trashName = trash->claim(name, trashInfoText(recordedPath, std::time(nullptr)));
  if (trashName.empty()) return Attempt::failed(Kind::recordFailed, errno);
  if (!trash->moveIn(folder, name, trashName)) return Attempt::failed(Kind::renameFailed, errno);
  if (trashedPath) *trashedPath = base::joinPath(trash->path(), "files/" + trashName);
  return Attempt::done();
}

}  // namespace tidewell::platform
