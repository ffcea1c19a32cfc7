#pragma once
// What one step that deletes, trashes or runs a deleting tool came to: done,
// or the reason it was not. Tests true when done, so a caller that only asks
// "did it work?" reads as it did with a plain bool.

#include <optional>

#include "platform/core/FailureReason.h"

namespace tidewell::platform {

struct [[nodiscard]] Attempt {
  // Absent when the step was done.
  std::optional<FailureReason> failure;

  static Attempt done() { return {}; }
  static Attempt failed(FailureReason reason) { return {reason}; }
  static Attempt failed(FailureReason::Kind kind, int code = 0) { return {FailureReason{kind, code}}; }

  explicit operator bool() const { return !failure; }
  bool operator==(const Attempt&) const = default;
};

}  // namespace tidewell::platform
