#pragma once
// Every text, number and visibility of the Home page, from a snapshot: the
// used share of the disk, the won-back line, the stats, the Full Disk
// Access banner, the four tiles' status lines and the reminder row. Pure;
// the date text reads the process time zone.

#include <QString>
#include <cstdint>
#include <optional>

#include "base/LocalTime.h"
#include "design/accessibility/AccessibleTraits.h"
#include "screens/home/HomeSnapshot.h"
#include "screens/smartscan/ScanTool.h"

namespace tidewell::screens {

// 1 - the free fraction.
double usedFraction(const HomeSnapshot& home);
// The gauge's "63%": the used share truncated; the gauge reads as it.
design::GaugeReading usedPercentReading(const HomeSnapshot& home);
QString usedPercentText(const HomeSnapshot& home);
// total - free, and total, as sizes.
QString usedBytesText(const HomeSnapshot& home);
QString totalBytesText(const HomeSnapshot& home);

struct WonBackLine {
  QString text;
  bool isTotal = false;  // the running total (green), not the invitation
  bool operator==(const WonBackLine&) const = default;
};
// "First scan = first win. Try it." below 1 byte, else the total +
// " won back with Tidewell Mac".
WonBackLine wonBackLine(int64_t totalFreedBytes);

// Only in the Clean model's review, with something found.
bool showsReadyToReview(const HomeSnapshot& home);
QString readyToReviewText(const HomeSnapshot& home);

// While Full Disk Access is missing.
bool showsAccessBanner(const HomeSnapshot& home);

// The tiles.
QString homeTileSubtitle(ScanTool tool);
QString cleanupStatus(const HomeSnapshot& home);
QString appsStatus(const HomeSnapshot& home);
QString deepScanStatus(const HomeSnapshot& home);
QString advisorStatus(const HomeSnapshot& home);
QString tileStatus(const HomeSnapshot& home, ScanTool tool);

// A stored cleanup time that counts: a finite time after 1970 and no more
// than 100 years from now either way. Anything else reads as no cleanup
// yet (a wild value would overflow the day arithmetic).
std::optional<double> validLastCleanup(std::optional<double> stored, base::TimePoint now);

// "Last cleanup: Today at 3:45 PM" (in local time), or "No cleanups yet".
QString lastCleanupText(std::optional<double> stored, base::TimePoint now);
// "Run your first scan today", "A fresh scan is due" three days on, else
// "Next scan in about N days" ("1 day").
QString scanReminderText(std::optional<double> stored, base::TimePoint now);

}  // namespace tidewell::screens
