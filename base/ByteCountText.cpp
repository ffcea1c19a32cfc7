#include "base/ByteCountText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tidewell::base {

namespace {

using u128 = unsigned __int128;

constexpr int kUnitCount = 6;  // KB to EB
constexpr int kUnitDecimals[kUnitCount] = {0, 1, 2, 2, 2, 2};

u128 unitDivisor(int unit) {
  u128 divisor = 1000;
  for (int i = 0; i < unit; ++i) divisor *= 1000;
  return divisor;
}

u128 unitScale(int unit) {
  u128 scale = 1;
  for (int i = 0; i < kUnitDecimals[unit]; ++i) scale *= 10;
  return scale;
}

// The count written as scaled / scale of the unit, rounded half up exactly
// in integers: no binary fraction can tip it.
u128 scaledCount(u128 bytes, int unit) {
  return (bytes * unitScale(unit) * 2 + unitDivisor(unit)) / (unitDivisor(unit) * 2);
}

// The smallest count that rounds to scaled in the unit.
u128 firstCountOf(u128 scaled, int unit) {
  const u128 twiceScale = unitScale(unit) * 2;
  return ((2 * scaled - 1) * unitDivisor(unit) + twiceScale - 1) / twiceScale;
}

// The smallest count written in the unit: the one that rounds up to 1000
// of the unit below.
u128 firstCountInUnit(int unit) {
  return unit == 0 ? 1000 : firstCountOf(1000 * unitScale(unit - 1), unit - 1);
}

}  // namespace

std::string byteCountText(int64_t bytes) {
  if (bytes <= 0) return "Zero KB";
  if (bytes == 1) return "1 byte";
  if (bytes < 1000) return std::to_string(bytes) + " bytes";

  static constexpr const char* kUnits[kUnitCount] = {"KB", "MB", "GB", "TB", "PB", "EB"};
  for (int unit = 0; unit < kUnitCount; ++unit) {
    const u128 scale = unitScale(unit);
    const u128 scaled = scaledCount(u128(bytes), unit);
    if (scaled >= 1000 * scale && unit + 1 < kUnitCount) continue;

    const auto whole = (unsigned long long)(scaled / scale);
    auto fraction = (unsigned long long)(scaled % scale);
    std::string text = std::to_string(whole);
    if (fraction) {
      std::string digits = std::to_string(fraction);
      digits.insert(0, size_t(kUnitDecimals[unit]) - digits.size(), '0');
      while (!digits.empty() && digits.back() == '0') digits.pop_back();
      text += "." + digits;
    }
    return text + " " + kUnits[unit];
  }
  return "Zero KB";  // unreachable: EB always fits
}

std::vector<int64_t> byteCountTextForms(int64_t low, int64_t high) {
  low = std::max<int64_t>(low, 0);
  high = std::max<int64_t>(high, 0);
  if (low > high) std::swap(low, high);
  std::vector<int64_t> counts;
  const auto add = [&](u128 count) {
    if (count >= u128(low) && count <= u128(high)) counts.push_back(int64_t(count));
  };
  // "Zero KB", "1 byte", and the longest count in bytes.
  add(0);
  add(1);
  add(u128(std::min<int64_t>(high, 999)));

  for (int unit = 0; unit < kUnitCount; ++unit) {
    const u128 first = std::max(u128(low), firstCountInUnit(unit));
    const u128 last =
        unit + 1 < kUnitCount ? std::min(u128(high), firstCountInUnit(unit + 1) - 1) : u128(high);
    if (first > last) continue;
    const u128 from = scaledCount(first, unit), to = scaledCount(last, unit);
    const auto addScaled = [&](u128 scaled) { add(std::max(first, firstCountOf(scaled, unit))); };
    // The top of the range and the count below it: one of the two ends in
    // a digit other than 0, so it keeps every decimal, and no text with
    // fewer whole digits is wider. Only when the top is the first of its
    // length (10 GB) is the one below shorter, and then it is that shorter
    // length's longest (9.99 GB).
    addScaled(to);
    if (to > from) addScaled(to - 1);
  }
  std::sort(counts.begin(), counts.end());
  counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
  return counts;
}

int wholePercent(double fraction) {
  if (!std::isfinite(fraction)) return 0;
  const double value = std::floor(fraction * 100.0 + 1e-9);
  if (value >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (value <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return int(value);
}

}  // namespace tidewell::base
