#pragma once
// What an uninstall did: the Apps model keeps it as its last result and
// removes the application from its list only when the bundle was moved.

#include <cstdint>
#include <string>
#include <vector>

namespace tidewell::engine {

struct [[nodiscard]] UninstallResult {
  std::string appName;
  // Items moved to the Trash.
  int movedCount = 0;
  // Sum of the moved items' sizes as measured when the plan was built.
  int64_t freedBytes = 0;
  // The last path component of each item that was refused or failed to
  // move, or the one refusal message when the application is running.
  std::vector<std::string> failed;
  // True when the application bundle itself reached the Trash.
  bool appBundleMoved = false;

  bool operator==(const UninstallResult&) const = default;
};

}  // namespace tidewell::engine
