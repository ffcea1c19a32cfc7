#pragma once
// What the popover says about the home volume, as pure rules over one
// reading and the freed total: the used fraction and its percentage, the
// health level, the free size, the total and the reclaimed badge.

#include <QString>
#include <cstdint>
#include <optional>

#include "design/accessibility/AccessibleTraits.h"
#include "design/theme/ThemePalette.h"

namespace tidewell::app {

// One reading as the popover holds it. Before the first measurement it is
// 0 free of 1 byte (100 % used, the level of a zero free fraction).
struct VolumeFigures {
  int64_t freeBytes = 0;
  int64_t totalBytes = 1;
  bool operator==(const VolumeFigures&) const = default;
};

// 0 when the total is below 1, else (total - free) / total.
double usedFraction(const VolumeFigures& figures);
// The level of free / total, or of 0.5 when the total is below 1.
design::ThemePalette popoverPalette(const VolumeFigures& figures);

// The used fraction as a whole percentage, truncated toward zero: "73%";
// the donut reads as it.
design::GaugeReading usedPercentReading(double usedFraction);
QString usedPercentText(double usedFraction);
// The free size: "61.23 GB" (a negative count reads as zero).
QString freeSizeText(const VolumeFigures& figures);
// "free of 494.38 GB".
QString freeOfTotalText(const VolumeFigures& figures);
// "+1.5 GB reclaimed" once anything was freed (1 byte or more), else none.
std::optional<QString> reclaimedBadgeText(int64_t totalFreedBytes);

}  // namespace tidewell::app
