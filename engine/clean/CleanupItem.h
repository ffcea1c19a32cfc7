#pragma once
// One catalog row measured and ready to clean: the row, the parts of it
// that were found, their total size, and whether it is ticked.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/clean/CleanupTarget.h"
#include "engine/walk/FileIdentity.h"

namespace tidewell::engine {

// What one part was when it was measured.
struct MeasuredPart {
  FileIdentity identity;
  int64_t sizeBytes = 0;
  bool operator==(const MeasuredPart&) const = default;
};

struct CleanupItem {
  CleanupTarget target;  // a full copy of the measured row
  // The parts found, absolute, in the order found: row path order, and for
  // a sweep the order in which the root's listing returned its children.
  // None is a symlink, and each passed the deletion gate where it
  // physically lies.
  std::vector<std::string> resolvedPaths;
  int64_t sizeBytes = 0;    // sum of the parts' allocated sizes; at least 1
  bool isSelected = false;  // initially: the row is safe
  // Parallel to resolvedPaths. Cleaning removes a part only while it is
  // still the file or folder measured here; a part without an entry is
  // refused.
  std::vector<MeasuredPart> measuredParts;

  const std::string& id() const { return target.id; }
  bool operator==(const CleanupItem&) const = default;
};

}  // namespace tidewell::engine
