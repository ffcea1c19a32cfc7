#pragma once
// What an uninstall did: the Apps model keeps it as its last result and
// removes the application from its list only when the bundle was moved.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/FailureReason.h"

namespace tidewell::engine {

struct [[nodiscard]] UninstallResult {
  // One item that stayed where it was, and why.
  struct FailedItem {
    // Its last path component, or the one refusal message when the
    // application is running.
    std::string name;
    platform::FailureReason reason;

    bool operator==(const FailedItem&) const = default;
  };

  std::string appName;
  // Items moved to the Trash.
  int movedCount = 0;
  // Sum of the moved items' sizes as measured when the plan was built.
  int64_t freedBytes = 0;
  // Each item that was refused or failed to move, in plan order.
  std::vector<FailedItem> failed;
  // True when the application bundle itself reached the Trash.
  bool appBundleMoved = false;

  bool operator==(const UninstallResult&) const = default;
};

}  // namespace tidewell::engine
