#include "widget/SpaceFigures.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/ByteCountText.h"

namespace tidewell::widget {

double usedFraction(const SpaceEntry& entry) {
  if (entry.total <= 0) return 0;
  // 128 bits: a negative free count cannot overflow the difference.
  const __int128 used = __int128(entry.total) - entry.free;
  return double(used) / double(entry.total);
}

int usedPercent(const SpaceEntry& entry) {
  if (entry.total <= 0) return 0;
  // Integer division cuts toward zero, exactly; a product in doubles would
  // make 0.29 x 100 read 28.
  const __int128 percent = (__int128(entry.total) - entry.free) * 100 / entry.total;
  return int(std::clamp<__int128>(percent, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::string percentText(const SpaceEntry& entry) { return std::to_string(usedPercent(entry)) + "%"; }

std::string freeText(const SpaceEntry& entry) {
  return base::byteCountText(std::max<int64_t>(entry.free, 0));
}

std::string totalText(const SpaceEntry& entry) {
  return base::byteCountText(std::max<int64_t>(entry.total, 0));
}

double barFillWidth(double trackWidth, double fraction) { return std::max(trackWidth * fraction, 4.0); }

double ringEnd(double fraction) { return std::min(std::max(fraction, 0.001), 1.0); }

}  // namespace tidewell::widget
