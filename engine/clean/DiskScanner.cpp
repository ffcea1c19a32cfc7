#include "engine/clean/DiskScanner.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <set>
#include <string_view>
#include <vector>

#include "base/Paths.h"
#include "engine/clean/TrashEmptier.h"
#include "engine/safety/PathSafety.h"
#include "engine/safety/SafeRemover.h"
#include "engine/walk/TreeWalker.h"
#include "platform/core/DirectoryListing.h"
#include "platform/core/NothingThere.h"
#include "platform/core/VolumeCapacity.h"

namespace tidewell::engine {

namespace {

// A part may be offered for cleaning only if it is not a link (removing a
// link frees nothing, and emptying through one would reach its target), not
// a mount point (emptying one empties another file system, or a folder that
// lives elsewhere), and it passes the gate where it physically lies.
bool offerable(const std::string& path, const platform::EngineContext& ctx, FileIdentity& identity) {
  return SafeRemover::identify(path, identity) && !ctx.isMountPoint(path) &&
         PathSafety::isSafeToTouchPhysically(path, ctx);
}

void addPart(CleanupItem& item, const std::string& path, const platform::EngineContext& ctx) {
  FileIdentity identity;
  if (!offerable(path, ctx, identity)) return;
  const int64_t size = DiskScanner::allocatedSize(path);
  if (size < 1) return;
  item.resolvedPaths.push_back(path);
  item.measuredParts.push_back({identity, size});
  item.sizeBytes += size;
}

}  // namespace

std::optional<CleanupItem> DiskScanner::scan(const CleanupTarget& target,
                                             const platform::EngineContext& ctx) {
  if (!ctx.homeUsable()) return std::nullopt;
  if (TrashEmptier::isTrashRow(target)) return TrashEmptier::scan(target, ctx);
  CleanupItem item;
  for (const std::string& written : target.paths) {
    const std::string path = base::standardize(base::expandTilde(written, ctx.home));
    if (path.empty() || path[0] != '/') continue;
    // addPart looks at the part itself, so a part that is not there adds nothing.
    if (!target.isSweep) {
      addPart(item, path, ctx);
      continue;
    }
    const std::vector<std::string> names = platform::directoryNames(path);
    if (names.empty()) continue;
    std::set<std::string> excluded = CleanupTarget::coveredChildNames(path, ctx);
    const auto& skipped = CleanupTarget::sweepSkipNames();
    excluded.insert(skipped.begin(), skipped.end());
    for (const std::string& name : names) {
      if (!excluded.count(name)) addPart(item, base::joinPath(path, name), ctx);
    }
  }
  if (item.resolvedPaths.empty() || item.sizeBytes < 1) return std::nullopt;
  item.target = target;
  item.isSelected = target.safety == SafetyLevel::safe;
  return item;
}

DiskScanner::CleanResult DiskScanner::clean(const CleanupItem& item, const platform::EngineContext& ctx) {
  if (TrashEmptier::isTrashRow(item.target)) return TrashEmptier::clean(item, ctx);
  using Kind = platform::FailureReason::Kind;
  bool failed = false;
  std::optional<platform::FailureReason> firstReason;
  // Only what this cleaning gave back counts. What was measured may have
  // gone since by another hand (the other section cleaning the same cache,
  // the tool itself), and a file unlinked here may still be held by a link
  // elsewhere.
  int64_t released = 0;
  const auto refusalOf = [&ctx](const std::string& path) { return PathSafety::refusal(path, ctx); };
  for (size_t i = 0; i < item.resolvedPaths.size(); ++i) {
    const std::string& path = item.resolvedPaths[i];
    const MeasuredPart* part = i < item.measuredParts.size() ? &item.measuredParts[i] : nullptr;
    SafeRemover::Cleared cleared;
    if (!part)
      cleared.reason = platform::FailureReason{Kind::notScanned};
    else if (ctx.isMountPoint(path))
      cleared.reason = platform::FailureReason{Kind::mountPoint};
    else
      cleared.reason = PathSafety::physicalRefusal(path, ctx);
    if (cleared.reason) {
      // A part that vanished is no failure, refused or not. Asked only
      // here: the remover tells a vanished part itself.
      struct stat st {};
      if (lstat(path.c_str(), &st) != 0 && platform::isNothingThere(errno)) continue;
    } else {
      cleared = SafeRemover::clear(path, part->identity, refusalOf);
    }
    if (cleared.outcome == SafeRemover::Outcome::Refused ||
        cleared.outcome == SafeRemover::Outcome::Incomplete) {
      failed = true;
      if (!firstReason) firstReason = cleared.reason;
    }
    released += cleared.releasedBytes;
  }
  CleanResult result;
  result.freedBytes = std::max<int64_t>(0, released);
  if (failed) {
    result.failedTitle = item.target.title;
    result.reason = firstReason;
  }
  return result;
}

int64_t DiskScanner::allocatedSize(const std::string& path) { return TreeWalker::allocatedSize(path); }

int64_t DiskScanner::allocatedFileSize(const std::string& path) {
  struct stat st {};
  if (path.empty() || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  return int64_t(st.st_blocks) * 512;
}

std::optional<std::chrono::system_clock::time_point> DiskScanner::lastUsedDate(
    const std::string& path, const platform::EngineContext& ctx) {
  if (!ctx.lastUsedDate) return std::nullopt;
  return ctx.lastUsedDate(path);
}

int64_t DiskScanner::availableBytes(const platform::EngineContext& ctx) {
  if (!ctx.homeUsable()) return 0;
  auto capacity = platform::readVolumeCapacity(ctx.home);
  return capacity ? capacity->freeBytes : 0;
}

}  // namespace tidewell::engine
