#pragma once
// The user's freedesktop Trash: the home trash ($XDG_DATA_HOME/Trash) for
// items on the home trash's mount, the top-directory trash of any other
// mount (another file system, or a bind mount of the same one). An item is
// only ever renamed into the Trash, never copied and deleted, so it can
// always be restored by any Trash client. Any thread may call it; requests
// that overlap, even for items of the same name, each get a name of their
// own.

#include <functional>
#include <string>

#include "platform/core/Attempt.h"
#include "platform/core/EngineContext.h"
#include "platform/core/FileIdentity.h"
#include "platform/core/ReachedItem.h"

namespace tidewell::platform {

class Trash {
 public:
  // Finds the top directory of the mount holding a physical path (no links
  // in its parent folders); EngineContext::topDirectoryOf.
  using TopDirectoryFinder = std::function<std::string(const std::string& physicalPath)>;

  // Moves the file, folder or link (never followed) that `item` reached
  // into the Trash with a matching .trashinfo, renaming it relative to the
  // folder it was reached through, and naming it in the record as it was
  // written. Fails, saying why, when what is there now is not `expected`
  // (gone, or something else took its name), the item is a mount point, a
  // Trash, holds one or lies in one, the home Trash is not the user's own
  // (see TrashDirectory::openHome), or it cannot be moved without copying;
  // nothing is left behind on failure. trashedPath, when given, receives
  // the item's new path. The top directory of another mount comes from
  // ctx.topDirectoryOf.
  static Attempt moveToTrash(const ReachedItem& item, const FileIdentity& expected, const EngineContext& ctx,
                             std::string* trashedPath = nullptr);

  // As above, with the top directory of an item that is not on the home
  // trash's mount taken from topDirectoryOf. Its answer is used only when
  // it is a folder above the item on the item's own mount.
  static Attempt moveToTrash(const ReachedItem& item, const FileIdentity& expected, const EngineContext& ctx,
                             std::string* trashedPath, const TopDirectoryFinder& topDirectoryOf);
};

}  // namespace tidewell::platform
