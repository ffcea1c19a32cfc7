#pragma once
// Readable test failures for the reasons the deleting paths give: a
// mismatch prints "rename failed: Permission denied", not raw bytes.

#include <ostream>

#include "platform/core/Attempt.h"
#include "platform/core/FailureReason.h"

namespace tidewell::platform {

inline void PrintTo(const FailureReason& reason, std::ostream* out) { *out << reasonText(reason); }

inline void PrintTo(FailureReason::Kind kind, std::ostream* out) { *out << reasonText({kind}); }

inline void PrintTo(const Attempt& attempt, std::ostream* out) {
  if (attempt.failure)
    *out << "failed: " << reasonText(*attempt.failure);
  else
    *out << "done";
}

}  // namespace tidewell::platform
