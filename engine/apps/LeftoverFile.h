#pragma once
// One file or folder an application left in the user's Library folder, as
// the app scanner finds it for an uninstall plan. A plain value.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/walk/FileIdentity.h"

namespace tidewell::engine {

struct LeftoverFile {
  // A fresh random identifier (UUID text) made when the record is built.
  std::string id;
  // The leftover's standardized path (native bytes).
  std::string url;
  // The kind of leftover: "Cache", "Preferences", "Container", "Saved State",
  // "Web Storage", "WebKit Data", "Application Support", "Logs",
  // "Group Container" or "Launch Agent".
  std::string category;
  // Allocated bytes, a folder with everything inside it; 0 for a link.
  int64_t sizeBytes = 0;
  // The entry found at the path (a link as itself): the uninstaller moves
  // only that very entry. Absent in a record made by hand, which it never
  // moves.
  std::optional<FileIdentity> identity;

  // A new random version-4 UUID in its usual upper-case text form.
  static std::string makeIdentifier();

  bool operator==(const LeftoverFile&) const = default;
};

}  // namespace tidewell::engine
