#include "base/ByteCountText.h"

#include <cmath>
#include <limits>

namespace tidewell::platform {

std::string byteCountText(int64_t bytes) {
  if (bytes <= 0) return "Zero KB";
  if (bytes == 1) return "1 byte";
  if (bytes < 1000) return std::to_string(bytes) + " bytes";

  static constexpr const char* kUnits[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
  static constexpr int kDecimals[] = {0, 1, 2, 2, 2, 2};
  unsigned __int128 divisor = 1000;
  for (int unit = 0; unit < 6; ++unit, divisor *= 1000) {
    const int decimals = kDecimals[unit];
    unsigned __int128 scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    // Exact half-up rounding in integers: no binary fraction can tip it.
    const unsigned __int128 scaled = ((unsigned __int128)bytes * scale * 2 + divisor) / (divisor * 2);
    if (scaled >= 1000 * scale && unit < 5) continue;

    const auto whole = (unsigned long long)(scaled / scale);
    auto fraction = (unsigned long long)(scaled % scale);
    std::string text = std::to_string(whole);
    if (fraction) {
      std::string digits = std::to_string(fraction);
      digits.insert(0, size_t(decimals) - digits.size(), '0');
      while (!digits.empty() && digits.back() == '0') digits.pop_back();
      text += "." + digits;
    }
    return text + " " + kUnits[unit];
  }
  return "Zero KB";  // unreachable: EB always fits
}

int wholePercent(double fraction) {
  if (!std::isfinite(fraction)) return 0;
  const double value = std::floor(fraction * 100.0 + 1e-9);
  if (value >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (value <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return int(value);
}

}  // namespace tidewell::platform
