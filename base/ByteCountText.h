#pragma once
// The one way sizes and whole percentages are written, pinned in English.

#include <cstdint>
#include <string>

namespace tidewell::platform {

// File-style byte count in decimal units (1 KB = 1000 bytes): "Zero KB",
// "1 byte", "999 bytes", "1 KB", "1.5 MB", "1.23 GB", "98 GB". KB has no
// decimals, MB one, GB and above two; rounded half up, trailing zeros
// dropped, and a value that rounds up to 1000 moves to the next unit.
// Negative counts are written as "Zero KB".
std::string byteCountText(int64_t bytes);

// A fraction (0.29) as a whole percentage (29), truncated like the screens
// expect but without the floating-point error that would make 0.29 read 28.
int wholePercent(double fraction);

}  // namespace tidewell::platform
