#include "design/motion/CountUpValue.h"

#include <algorithm>
#include <cmath>

namespace tidewell::design {

double countUpFraction(std::optional<double> elapsed, double duration) {
  if (!(duration > 0)) return 1.0;
  if (!elapsed || !(*elapsed > 0)) return 0.0;
  return std::min(*elapsed / duration, 1.0);
}

int64_t countUpShownBytes(int64_t target, double fraction) {
  if (target <= 0) return 0;
  if (fraction >= 1) return target;
  if (!(fraction > 0)) return 0;
  const double remaining = 1 - fraction;
  const double eased = 1 - remaining * remaining * remaining;
  const double shown = eased * double(target);
  // An ease that rounds up to 1 shows the target itself; anything below
  // double(target) (at most 2^63) converts without overflow.
  if (shown >= double(target)) return target;
  return std::min(int64_t(std::trunc(shown)), target);
}

int64_t countUpShownBytes(int64_t from, int64_t target, double fraction) {
  from = std::max<int64_t>(from, 0);
  target = std::max<int64_t>(target, 0);
  if (from == 0) return countUpShownBytes(target, fraction);
  if (fraction >= 1) return target;
  if (!(fraction > 0)) return from;
  const double remaining = 1 - fraction;
  const double eased = 1 - remaining * remaining * remaining;
  const double shown = double(from) + eased * (double(target) - double(from));
  const int64_t low = std::min(from, target), high = std::max(from, target);
  // Both ends are at most 2^63 - 1; clamping in floating point keeps the
  // conversion in range.
  if (shown >= double(high)) return high;
  if (shown <= double(low)) return low;
  return std::clamp(int64_t(std::trunc(shown)), low, high);
}

}  // namespace tidewell::design
