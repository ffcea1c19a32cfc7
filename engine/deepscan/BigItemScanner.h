#pragma once
// Two finders over the home folder that share a name and nothing else:
//  - the build-artifact finder: rebuildable output folders of the user's own
//    projects (dependency folders, virtual environments, build directories),
//    returned as cleanup rows the Clean and Dev Mode scans append to the
//    catalog;
//  - the big-item scanner: single files and folders of at least 80 MiB among
//    the direct children of the places where large things collect, each with
//    its kind and an optional note, and the move of one of them to the Trash.
// Stateless: every call builds its own lists, so any thread may call any of
// these, several at once. Nothing here throws; an unusable home gives empty
// results and refusals. Every call names the context it works on.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/clean/CleanupTarget.h"
#include "engine/deepscan/BigItem.h"
#include "engine/walk/SizeMeasure.h"
#include "platform/core/EngineContext.h"
#include "platform/core/FailureReason.h"

namespace tidewell::engine {

class BigItemScanner {
 public:
  // The result of one trash request: the item's name, its size when it was
  // moved (else 0), whether it was moved, and if not, why.
  struct [[nodiscard]] TrashOutcome {
    TrashOutcome() = default;
    TrashOutcome(std::string itemName, int64_t freed, bool moved,
                 std::optional<platform::FailureReason> why = std::nullopt)
        : name(std::move(itemName)), freedBytes(freed), success(moved), reason(why) {}

    std::string name;
    int64_t freedBytes = 0;
    bool success = false;
    std::optional<platform::FailureReason> reason;

    bool operator==(const TrashOutcome&) const = default;
  };

  // Called with (i + 1) / n after each of the n candidates is measured, on
  // the scanning thread.
  using Progress = std::function<void(double)>;

  // A big item is at least this many allocated bytes (80 MiB).
  static constexpr int64_t sizeThreshold = 83'886'080;

  // ---- Build-artifact finder ----

  // File names whose presence beside a "build" or "target" folder marks it
  // as a project's output; a sibling ending in ".xcodeproj" counts as well.
  static const std::set<std::string, std::less<>>& projectMarkers();
  // First-level folders of the home folder the finder never walks.
  static const std::set<std::string, std::less<>>& artifactSkippedTopLevelNames();
  // Folder name to the sentence a row explains it with; a name without an
  // entry gets artifactFallbackDescription.
  static const std::map<std::string, std::string, std::less<>>& artifactDescriptions();
  static constexpr std::string_view artifactFallbackDescription =
      "Build artifact. Re-created on the next build";

  // One walk of the home folder (directory entries only, at most 7 levels
  // deep, no hidden or skipped first-level folders, no links, no other file
  // systems, never inside a found folder); a found folder that is a mount
  // point is left out. Besides the fixed skipped names, the desktop's own
  // first-level user folders (ctx.extraUserFolders) are skipped, except its
  // folders for documents, downloads and the desktop. Rows are ordered by
  // folder name (localized, case-insensitive), then by path.
  static std::vector<CleanupTarget> findBuildArtifacts(const platform::EngineContext& ctx);

  // True for a developer artefact name; for "build" and "target" only when
  // the parent folder of path lists a project marker (false when the parent
  // cannot be listed); false for any other name.
  static bool isBuildArtifact(const std::string& path, std::string_view name);

  // The cleanup row for the artefact folder name at the absolute path.
  static CleanupTarget artifactTarget(std::string_view name, const std::string& path,
                                      const platform::EngineContext& ctx);

  // ---- Big-item scanner ----

  // The folders whose direct children are candidates: the five Library
  // roots, then every visible folder of the home folder but Library and
  // Applications, in plain name order. Empty for an unusable home.
  static std::vector<std::string> scanRoots(const platform::EngineContext& ctx);

  // What an item at path named name is, from its name and place alone
  // (never container or installer). extraUserFolders names first-level home
  // folders the desktop calls the user's own (such as "Videos"), which count
  // like Documents; scan() passes the context's.
  static BigItem::Kind kind(std::string_view path, std::string_view name, std::string_view home,
                            const std::vector<std::string>& extraUserFolders = {});

  // Every direct child of the scan roots of at least sizeThreshold bytes,
  // each with the identity of the entry found, largest first, leaving out links (trashing one frees nothing),
  // mount points, and anything that is or holds a credential where it physically lies
  // (PathSafety::touchesCredential); equal sizes keep the order found. measure defaults to
  // DiskScanner::allocatedSize. Unreadable roots are passed over.
  static std::vector<BigItem> scan(const Progress& progress, const platform::EngineContext& ctx,
                                   const SizeMeasure& measure = {});

  // Moves the item to the user's Trash. Refused, with the disk untouched,
  // for a container, for a record without the identity a scan gives it,
  // for anything not at least two levels below the home folder (also where
  // it physically lies, reached from the home without following a link),
  // for an item that is now a link, a mount point or no longer the entry
  // the scan found, and for one that is or holds a credential where it
  // physically lies; the outcome names the rule that refused, or the
  // Trash's reason. Never deletes.
  static TrashOutcome trash(const BigItem& item, const platform::EngineContext& ctx);
};

}  // namespace tidewell::engine
