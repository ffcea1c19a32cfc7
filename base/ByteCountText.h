#pragma once
// The one way sizes and whole percentages are written, pinned in English.

#include <cstdint>
#include <string>
#include <vector>

namespace tidewell::base {

// File-style byte count in decimal units (1 KB = 1000 bytes): "Zero KB",
// "1 byte", "999 bytes", "1 KB", "1.5 MB", "1.23 GB", "98 GB". KB has no
// decimals, MB one, GB and above two; rounded half up, trailing zeros
// dropped, and a value that rounds up to 1000 moves to the next unit.
// Negative counts are written as "Zero KB".
std::string byteCountText(int64_t bytes);

// Counts from low to high (either way round, negative ones as 0) whose
// texts take every form byteCountText gives that range: for any count in
// it, one of them is written in the same unit with at least as many digits
// before and after the point. Where digits are equally wide, the widest
// text a count running through the range can show is one of theirs. In
// ascending order, at most two for each unit.
std::vector<int64_t> byteCountTextForms(int64_t low, int64_t high);

// A fraction (0.29) as a whole percentage (29), truncated like the screens
// expect but without the floating-point error that would make 0.29 read 28.
int wholePercent(double fraction);

}  // namespace tidewell::base
