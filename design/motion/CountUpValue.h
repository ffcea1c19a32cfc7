#pragma once
// The rule of the byte counter: how far a count has come after some
// seconds and which byte count it shows then. Pure functions.

#include <cstdint>
#include <optional>

namespace tidewell::design {

// The counter's frames (30 a second) and how long it keeps ticking past
// the end before it rests.
inline constexpr int kCountUpFrameMs = 1000 / 30;
inline constexpr double kCountUpTail = 0.2;

// Fraction of the count done: elapsed / duration limited to 0...1 (0 before
// the start, that is with no elapsed time or a negative one), and 1 for a
// duration of 0 or less.
double countUpFraction(std::optional<double> elapsed, double duration);

// The bytes shown at fraction f: (1 - (1 - f)^3) x target truncated toward
// zero, 0 when negative, and exactly target once f is 1 (no rounding of a
// large count through floating point).
int64_t countUpShownBytes(int64_t target, double fraction);

// The same ease from a count already shown (from, 0 when negative) to
// target: from at f = 0, exactly target (0 when negative) once f is 1, in
// between never outside the two. A count may run down as well as up.
int64_t countUpShownBytes(int64_t from, int64_t target, double fraction);

}  // namespace tidewell::design
