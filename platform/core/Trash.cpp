#include "platform/core/Trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <optional>

#include "platform/core/Paths.h"
#include "platform/core/PhysicalPath.h"
#include "platform/core/TopDirectory.h"
#include "platform/core/TrashDirectory.h"
#include "platform/core/TrashInfo.h"

namespace tidewell::platform {

namespace {

struct Location {
  std::string physical;  // links in every existing folder resolved
  dev_t device = 0;      // of the deepest folder that exists
};

// Where a folder that may not exist yet would live: its deepest existing
// ancestor resolved, the missing rest appended as written.
std::optional<Location> locate(const std::string& path) {
  std::string existing = path;
  std::string missing;
  for (;;) {
    struct stat st {};
    if (stat(existing.c_str(), &st) == 0) {
      auto real = physicalPath(existing);
      if (!real) return std::nullopt;
      return Location{missing.empty() ? *real : joinPath(*real, missing), st.st_dev};
    }
    if (existing == "/") return std::nullopt;
    const std::string name(lastComponent(existing));
    missing = missing.empty() ? name : name + "/" + missing;
    existing = std::string(parentPath(existing));
  }
}

// Moving path would move the Trash, or move something already in it.
bool touches(const std::string& path, const std::string& trash) {
  return isSameOrBelow(trash, path) || isSameOrBelow(path, trash);
}

class ParentFolder {
 public:
  explicit ParentFolder(const std::string& path)
      : fd_(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
  ~ParentFolder() {
    if (fd_ >= 0) ::close(fd_);
  }
  ParentFolder(const ParentFolder&) = delete;
  ParentFolder& operator=(const ParentFolder&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

bool Trash::moveToTrash(const std::string& path, const EngineContext& ctx, std::string* trashedPath) {
  return moveToTrash(path, ctx, trashedPath, topDirectory);
}

bool Trash::moveToTrash(const std::string& path, const EngineContext& ctx, std::string* trashedPath,
                        const TopDirectoryFinder& topDirectoryOf) {
  if (!ctx.homeUsable()) return false;
  const std::string trashHome = standardize(ctx.trashHome);
  const std::string item = standardize(path);
  if (trashHome.empty() || trashHome[0] != '/' || trashHome == "/") return false;
  if (item.empty() || item[0] != '/' || item == "/") return false;

  const std::string name(lastComponent(item));
  const std::string parent(parentPath(item));
  ParentFolder folder(parent);
  struct stat entry {};
  struct stat parentInfo {};
  if (folder.fd() < 0 || fstat(folder.fd(), &parentInfo) != 0 ||
      fstatat(folder.fd(), name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
    return false;
  // A mount point cannot be renamed.
  if (entry.st_dev != parentInfo.st_dev) return false;

  const auto physicalParent = physicalPath(parent);
  if (!physicalParent) return false;
  const std::string physical = joinPath(*physicalParent, name);
  const std::optional<Location> home = locate(trashHome);
  if (!home || touches(physical, home->physical)) return false;

  std::optional<TrashDirectory> trash;
  std::string recordedPath;
  if (home->device == entry.st_dev) {
    trash = TrashDirectory::openHome(trashHome);
    recordedPath = item;
  } else {
    const std::string top = topDirectoryOf ? standardize(topDirectoryOf(physical)) : std::string();
    struct stat topInfo {};
    if (top.empty() || top[0] != '/' || !isBelow(physical, top) || stat(top.c_str(), &topInfo) != 0 ||
        !S_ISDIR(topInfo.st_mode) || topInfo.st_dev != entry.st_dev)
      return false;
    const std::string base = top == "/" ? "" : top;
    if (touches(physical, base + "/.Trash") || touches(physical, base + "/.Trash-" + std::to_string(ctx.uid)))
      return false;
    trash = TrashDirectory::openTop(top, ctx.uid);
    recordedPath = physical.substr(base.size() + 1);
  }
  if (!trash) return false;

  const std::string trashName = trash->claim(name, trashInfoText(recordedPath, std::time(nullptr)));
  if (trashName.empty() || !trash->moveIn(folder.fd(), name, trashName)) return false;
  if (trashedPath) *trashedPath = joinPath(trash->path(), "files/" + trashName);
  return true;
}

}  // namespace tidewell::platform
