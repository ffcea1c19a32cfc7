#pragma once
// The user's freedesktop Trash: the home trash ($XDG_DATA_HOME/Trash) for
// items on the home file system, the top-directory trash of any other file
// system. An item is only ever renamed into the Trash, never copied and
// deleted, so it can always be restored by any Trash client.
// Any thread may call it; requests that overlap, even for items of the same
// name, each get a name of their own.

#include <functional>
#include <string>

#include "platform/core/EngineContext.h"

namespace tidewell::platform {

class Trash {
 public:
  // Finds the top directory of the file system holding a physical path
  // (no links in its parent folders); topDirectory() on the real machine.
  using TopDirectoryFinder = std::function<std::string(const std::string& physicalPath)>;

  // Moves the file, folder or link at path (not following a link at path)
  // into the Trash with a matching .trashinfo. False when nothing is at
  // path, the item is a Trash, holds one or lies in one, or it cannot be moved
  // without copying; nothing is left behind on failure. trashedPath, when
  // given, receives the item's new path.
  static bool moveToTrash(const std::string& path, const EngineContext& ctx,
                          std::string* trashedPath = nullptr);

  // As above, with the top directory of an item that is not on the home
  // trash's file system taken from topDirectoryOf. Its answer is used only
  // when it is a folder above the item on the item's file system.
  static bool moveToTrash(const std::string& path, const EngineContext& ctx, std::string* trashedPath,
                          const TopDirectoryFinder& topDirectoryOf);
};

}  // namespace tidewell::platform
