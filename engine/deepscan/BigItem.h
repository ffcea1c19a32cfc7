#pragma once
// One big file or folder, installer or container disk, as the big-item,
// installer and container scanners report it and the Deep Scan screen shows
// it. A plain value; copy it freely between threads.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/walk/FileIdentity.h"

namespace tidewell::engine {

struct BigItem {
  // What the item is: decides how it is presented and whether it may be
  // trashed (a container never is).
  enum class Kind { container, installer, cache, rebuildable, appData, personal, other };

  // The item's full path; unique within one scan result.
  std::string id;
  // The file the item's URL names, as a native path (paths stay byte
  // strings from listing to removal; the screens make a file URL from it).
  std::string url;
  // The last path component.
  std::string name;
  // Where the item was found, as a short path (each scanner says which).
  std::string location;
  // Allocated bytes on disk.
  int64_t sizeBytes = 0;
  bool isDirectory = false;
  Kind kind = Kind::other;
  // Sentences shown with the item; absent when nothing is known.
  std::optional<std::string> note;
  // A shell command that reclaims the space inside the owning tool
  // (containers only).
  std::optional<std::string> reclaimCommand;
  // The entry the scanner found at the path (not following a link there):
  // trashing acts only on that very entry. Absent in a record made by
  // hand, which is never trashed.
  std::optional<FileIdentity> identity;

  bool operator==(const BigItem&) const = default;
};

}  // namespace tidewell::engine
