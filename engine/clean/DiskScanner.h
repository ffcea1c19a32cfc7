#pragma once
// Measuring and in-place cleaning of catalog rows, and the measuring
// primitives shared by every scanner and model: the allocated size of a
// file or folder tree and the free space of the home volume.
//
// Stateless; every operation is synchronous and may be slow (it walks whole
// trees on the engine-wide WorkPool). Callable from any thread, several at
// once; cleaning is meant to run one item after another. Nothing throws:
// unreadable entries shrink a measurement, and removal trouble shows only as
// CleanResult::failedTitle with its reason and as bytes not freed.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "engine/clean/CleanupItem.h"
#include "engine/clean/CleanupTarget.h"
#include "platform/core/EngineContext.h"
#include "platform/core/FailureReason.h"

namespace tidewell::engine {

class DiskScanner {
 public:
  struct [[nodiscard]] CleanResult {
    CleanResult() = default;
    CleanResult(int64_t freed, std::optional<std::string> title,
                std::optional<platform::FailureReason> why = std::nullopt)
        : freedBytes(freed), failedTitle(std::move(title)), reason(why) {}

    int64_t freedBytes = 0;                  // never negative
    std::optional<std::string> failedTitle;  // the row's title when any part failed or was refused
    // With failedTitle: why the first part that failed or was refused did.
    std::optional<platform::FailureReason> reason;
    bool operator==(const CleanResult&) const = default;
  };

  // Measures one row. Each path has its "~" expanded with ctx's home; a
  // sweep row measures each child of its root except the covered and
  // never-swept names. A part is offered only when it is not a symlink nor
  // a mount point, its physical location passes the deletion gate, and it
  // occupies at least 1 byte. Absent when no part was found, or the home is
  // unusable. The "trash" row is measured as one unit by TrashEmptier::scan.
  static std::optional<CleanupItem> scan(const CleanupTarget& target, const platform::EngineContext& ctx);

  // Empties each folder part in place (the folder stays) and removes each
  // file part, in order. A part is refused (and the item marked failed) when
  // it is a mount point, when its physical location fails the gate, when it
  // is no longer the file or folder measured (a symlink now, another inode),
  // and so is each entry below it that the gate refuses (a credential);
  // mount points below are not entered. A part that vanished (nothing there:
  // ENOENT or ENOTDIR) is not a failure. freedBytes is what the cleaning
  // itself gave back: the allocated bytes of each regular file it unlinked
  // whose last link that was (SafeRemover::Cleared). So a part that vanished
  // or was emptied since the scan frees 0, a file still linked from
  // elsewhere frees nothing, and a refused part, or one that cannot be
  // looked at, frees 0.
  // The "trash" row is emptied as one unit by TrashEmptier::clean.
  static CleanResult clean(const CleanupItem& item, const platform::EngineContext& ctx);

  // Allocated bytes (st_blocks * 512) of the regular files at or below path:
  // hidden files included, every folder entered, symlinks inside the tree,
  // FIFOs, sockets and devices add nothing, unreadable entries are skipped,
  // each hard-linked file counts once, and mount points below path are not
  // crossed. A symlink at path itself is followed. 0 when nothing is there.
  static int64_t allocatedSize(const std::string& path);

  // Allocated bytes of the one regular file at path (a symlink at path is
  // followed); 0 for anything else or when it cannot be read.
  static int64_t allocatedFileSize(const std::string& path);

  // When the file at path was last used, from ctx.lastUsedDate; Linux keeps
  // no such record, so without one there is no date.
  static std::optional<std::chrono::system_clock::time_point> lastUsedDate(
      const std::string& path, const platform::EngineContext& ctx);

  // Free bytes of the volume holding the home folder; 0 when it cannot be read.
  static int64_t availableBytes(const platform::EngineContext& ctx);
};

}  // namespace tidewell::engine
