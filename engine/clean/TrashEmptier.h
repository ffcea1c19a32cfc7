#pragma once
// Measures and empties the user's Trash for the catalog's "trash" row, as
// one unit: an item in files/ never loses its info/NAME.trashinfo, so
// every Trash client can still list and restore whatever is left after a
// failure or an interruption.
//
// The row is judged by where the Trash itself lies (it may be outside the
// home through $XDG_DATA_HOME), through its own gate: only ctx's Trash,
// only its "files" and "info" folders; the Trash and both folders private
// to the user (platform::isPrivateFolder, the rule the Trash applies before
// it moves anything in), the two folders real (not links, not mount
// points) and still the folders measured; never a Trash that is "/", the
// home or an ancestor of it, or that lies in, or holds, a credential path;
// a Trash inside the home must also pass the deletion gate there. Nothing
// below "files" or "info" is followed through a link or across a mount
// point.
//
// Stateless; callable from any thread, one clean at a time per Trash.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/clean/CleanupItem.h"
#include "engine/clean/CleanupTarget.h"
#include "engine/clean/DiskScanner.h"
#include "platform/core/Attempt.h"
#include "platform/core/EngineContext.h"

namespace tidewell::engine {

class TrashEmptier {
 public:
  // Removes the entry `name` of the open folder filesFd (at the physical
  // path filesPath) with everything inside it, never through a link or
  // across a mount point, adding to releasedBytes what that gave back (as
  // SafeRemover::Cleared counts it). Done when nothing of it is left, else
  // why not. Tests hand in one that fails half way, as a read-only
  // subfolder or an interruption would.
  using ItemRemover = std::function<platform::Attempt(int filesFd, const std::string& filesPath,
                                                      const std::string& name, int64_t& releasedBytes)>;

  // An info file without its item younger than this is kept: another
  // client may be between claiming the name and moving the item in.
  static constexpr int kFreshInfoSeconds = 60;

  // The catalog's "trash" row (by its id).
  static bool isTrashRow(const CleanupTarget& target);

  // The row measured when its paths are ctx's Trash "files" and "info"
  // folders and the Trash passes its gate: offered whenever either folder
  // holds any entry, even of 0 bytes (the size is then at least 1). Both
  // folders are parts, in that order. Absent otherwise.
  static std::optional<CleanupItem> scan(const CleanupTarget& target, const platform::EngineContext& ctx);

  // For every name in files/: files/NAME is removed, and only once it is
  // completely gone is info/NAME.trashinfo removed. Then every entry of
  // info/ whose item is not in files/ goes (an info file younger than
  // kFreshInfoSeconds stays). The item fails when the Trash no longer
  // passes its gate, is not the one measured, or anything in it could not
  // be removed (the reason names the first such cause); a Trash that
  // vanished frees 0 and is not failed. freedBytes is what the emptying
  // gave back, never what was measured: an item still linked from outside
  // the Trash frees nothing.
  static DiskScanner::CleanResult clean(const CleanupItem& item, const platform::EngineContext& ctx);
  static DiskScanner::CleanResult clean(const CleanupItem& item, const platform::EngineContext& ctx,
                                        const ItemRemover& removeItem);

  // The ItemRemover used by clean().
  static platform::Attempt removeItem(int filesFd, const std::string& filesPath, const std::string& name,
                                      int64_t& releasedBytes);
};

}  // namespace tidewell::engine
