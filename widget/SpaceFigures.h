#pragma once
// The numbers a view draws from an entry, worked out on every draw. Pure
// functions; any thread.

#include <string>

#include "widget/timeline/SpaceEntry.h"

namespace tidewell::widget {

// (total - free) / total when total > 0, else 0. Not clamped: a free count
// above the total gives a negative fraction.
double usedFraction(const SpaceEntry& entry);

// The used share in whole percent, cut toward zero (59.9 gives 59), worked
// out in integers so that 29 of 100 reads 29; 0 when total <= 0.
int usedPercent(const SpaceEntry& entry);

// "60%".
std::string percentText(const SpaceEntry& entry);

// The byte-count texts of free and total, negative counts shown as zero.
std::string freeText(const SpaceEntry& entry);
std::string totalText(const SpaceEntry& entry);

// Width of the bar's filled capsule: trackWidth x fraction, at least 4.
double barFillWidth(double trackWidth, double fraction);

// How far round the ring its arc runs, as a share of a full turn: the
// fraction, at least 0.001 and at most one turn.
double ringEnd(double fraction);

}  // namespace tidewell::widget
