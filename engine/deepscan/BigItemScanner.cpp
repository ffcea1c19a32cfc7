#include "engine/deepscan/BigItemScanner.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <unordered_set>

#include "base/Paths.h"
#include "engine/clean/DiskScanner.h"
#include "engine/deepscan/FolderKnowledge.h"
#include "engine/safety/PathSafety.h"
#include "platform/core/DirectoryListing.h"
#include "platform/core/MountBoundary.h"
#include "platform/core/NothingThere.h"
#include "platform/core/PhysicalPath.h"
#include "platform/core/ReachedItem.h"
#include "platform/core/Trash.h"

namespace tidewell::engine {

namespace {

using platform::EngineContext;
using platform::FailureReason;
using Kind = FailureReason::Kind;

constexpr std::string_view libraryRoots[] = {
    "Library/Caches",           "Library/Application Support", "Library/Containers",
    "Library/Group Containers", "Library/Developer",
};

// A direct child of a scan root, as listed.
struct Candidate {
  std::string path;
  std::string root;
  std::string name;
  bool isDirectory = false;
  FileIdentity identity;
};

// Appends the children of root, in listing order, that are neither links,
// mount points nor already seen; a root that cannot be listed adds nothing.
void listCandidates(const std::string& root, const EngineContext& ctx, std::unordered_set<std::string>& seen,
                    std::vector<Candidate>& out) {
  for (auto& name : platform::directoryNames(root)) {
    std::string path = base::joinPath(root, name);
    if (!seen.insert(path).second) continue;
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) continue;
    // Trashing a link frees nothing, yet its target's size would be shown.
    if (S_ISLNK(st.st_mode)) continue;
    // Trashing a mount point cannot work, and what it holds lives elsewhere.
    if (ctx.isMountPoint(path)) continue;
    const bool isDirectory = S_ISDIR(st.st_mode);
    out.push_back({std::move(path), root, std::move(name), isDirectory, {st.st_dev, st.st_ino}});
  }
}

std::string locationOf(const std::string& root, const std::string& home) {
  if (base::isBelow(root, home)) return root.substr(home.size() + 1);
  return root;
}

// The gate an item must pass before it is trashed: not a container, found
// by a scan (its identity known), at least two levels below the home, and
// neither a credential nor holding one, both as written and where it
// physically lies. It is reached from the physical home without following
// any link (a linked folder the user made counts where it leads), so a
// folder swapped for a link cannot lead the move outside the home; what is
// there now is judged through the folder reached: the item itself (not a
// link), not a mount point. The move then acts on that same folder.
// Sets why to the rule that refused, or the call that failed.
std::optional<platform::ReachedItem> reachTrashable(const BigItem& item, const EngineContext& ctx,
                                                    FailureReason& why) {
  const auto refuse = [&why](FailureReason reason) -> std::optional<platform::ReachedItem> {
    why = reason;
    return std::nullopt;
  };
  if (item.kind == BigItem::Kind::container) return refuse({Kind::container});
  if (!item.identity) return refuse({Kind::notScanned});
  if (!ctx.homeUsable()) return refuse({Kind::homeUnusable});
  const std::string path = base::standardize(item.url);
  if (!PathSafety::isNestedBelow(path, ctx.home)) return refuse({Kind::outsideAreas});
  if (ctx.isMountPoint(path)) return refuse({Kind::mountPoint});
  if (PathSafety::touchesCredential(path, ctx)) return refuse({Kind::credential});
  auto reached = platform::ReachedItem::reach(ctx.home, path);
  if (!reached) {
    // Its folder leads outside the home, or cannot be reached without a link at all.
    const auto located = platform::physicalLocation(path);
    const auto home = platform::physicalPath(ctx.home);
    if (located && home && !PathSafety::isNestedBelow(*located, *home)) return refuse({Kind::outsideAreas});
    return refuse({Kind::unreachable});
  }
  if (!PathSafety::isNestedBelow(reached->path(), reached->root())) return refuse({Kind::outsideAreas});
  if (PathSafety::touchesCredential(reached->path(), ctx)) return refuse({Kind::credential});
  struct stat st {};
  if (!reached->look(st)) {
    const int error = errno;
    return refuse(platform::isNothingThere(error) ? FailureReason{Kind::gone}
                                                  : FailureReason{Kind::lookFailed, error});
  }
  if (S_ISLNK(st.st_mode)) return refuse({Kind::link});
  if (platform::isMountPointAt(reached->parentFd(), reached->name().c_str()))
    return refuse({Kind::mountPoint});
  return reached;
}

}  // namespace

std::vector<std::string> BigItemScanner::scanRoots(const EngineContext& ctx) {
  std::vector<std::string> roots;
  if (!ctx.homeUsable()) return roots;
  for (auto root : libraryRoots) roots.push_back(ctx.inHome(root));

  std::vector<std::string> names = platform::sortedDirectoryNames(ctx.home);
  std::erase_if(names, [](const std::string& name) {
    return name.front() == '.' || name == "Library" || name == "Applications";
  });
  for (const auto& name : names) {
    std::string path = ctx.inHome(name);
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) roots.push_back(std::move(path));
  }
  return roots;
}

BigItem::Kind BigItemScanner::kind(std::string_view path, std::string_view name, std::string_view home,
                                   const std::vector<std::string>& extraUserFolders) {
  using Kind = BigItem::Kind;
  if (PathSafety::developerArtefactFolders().count(name) || PathSafety::buildFolders().count(name))
    return Kind::rebuildable;
  const std::string library = base::joinPath(home, "Library");
  const std::string caches = base::joinPath(library, "Caches");
  if (base::isSameOrBelow(path, caches) || name == "Cache" || name == "Caches") return Kind::cache;
  if (base::isBelow(path, library)) return Kind::appData;
  if (base::isBelow(path, home)) {
    std::string_view rest = path.substr(home.size() + 1);
    while (!rest.empty() && rest.front() == '/') rest.remove_prefix(1);
    std::string_view first = rest.substr(0, rest.find('/'));
    if (PathSafety::userFolders().count(first) ||
        std::find(extraUserFolders.begin(), extraUserFolders.end(), first) != extraUserFolders.end())
      return Kind::personal;
  }
  return Kind::other;
}

std::vector<BigItem> BigItemScanner::scan(const Progress& progress, const EngineContext& ctx,
                                          const SizeMeasure& measure) {
  std::vector<BigItem> items;
  const std::string& home = ctx.home;
  std::unordered_set<std::string> seen;
  std::vector<Candidate> candidates;
  for (const auto& root : scanRoots(ctx)) listCandidates(root, ctx, seen, candidates);

  const double n = double(std::max<size_t>(candidates.size(), 1));
  for (size_t i = 0; i < candidates.size(); ++i) {
    Candidate& c = candidates[i];
    const int64_t size = measure ? measure(c.path) : DiskScanner::allocatedSize(c.path);
    if (progress) progress(double(i + 1) / n);
    if (size < sizeThreshold) continue;
    // A root reached through a link may lead to a credential folder (a
    // linked Library/Caches holding huggingface and its token).
    if (PathSafety::touchesCredential(c.path, ctx)) continue;

    BigItem item;
    item.kind = kind(c.path, c.name, home, ctx.extraUserFolders);
    if (auto fact = FolderKnowledge::fact(c.name)) {
      if (fact->verdict == FolderKnowledge::Verdict::keepUserData) item.kind = BigItem::Kind::personal;
      if (fact->verdict == FolderKnowledge::Verdict::safeToClear) item.kind = BigItem::Kind::cache;
      item.note = fact->note;
    }
    item.location = locationOf(c.root, home);
    item.id = c.path;
    item.url = std::move(c.path);
    item.name = std::move(c.name);
    item.sizeBytes = size;
    item.isDirectory = c.isDirectory;
    item.identity = c.identity;
    items.push_back(std::move(item));
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const BigItem& a, const BigItem& b) { return a.sizeBytes > b.sizeBytes; });
  return items;
}

BigItemScanner::TrashOutcome BigItemScanner::trash(const BigItem& item, const EngineContext& ctx) {
  FailureReason refused;
  const auto reached = reachTrashable(item, ctx, refused);
  if (!reached) return {item.name, 0, false, refused};
  const platform::Attempt moved = platform::Trash::moveToTrash(*reached, *item.identity, ctx);
  if (!moved) return {item.name, 0, false, moved.failure};
  return {item.name, item.sizeBytes, true, std::nullopt};
}

}  // namespace tidewell::engine
