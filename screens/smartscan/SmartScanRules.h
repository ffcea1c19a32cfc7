#pragma once
// Every text, number, state and visibility of the Smart Scan screen, from a
// snapshot: the current tool, the overall progress and the ring's
// segments, each card's status, the headline, the found total, the insight
// sentences and the review button. Pure; any thread.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "design/accessibility/AccessibleTraits.h"
#include "design/symbols/SymbolTable.h"
#include "design/theme/SectionPalette.h"
#include "screens/smartscan/ScanTool.h"
#include "screens/smartscan/SegmentedScanRing.h"
#include "screens/smartscan/SmartScanSnapshot.h"
#include "screens/smartscan/ToolCardStatus.h"

namespace tidewell::screens {

// The tool of a scanning phase; none for idle and done.
std::optional<ScanTool> currentTool(SmartScanPhase phase);
// Any phase but idle and done.
bool isRunning(SmartScanPhase phase);

bool isFinished(const SmartScanSnapshot& scan, ScanTool tool);
// The tool model's scan progress; the Advisor reports none (0).
double toolProgress(const SmartScanSnapshot& scan, ScanTool tool);

// A quarter per tool: 1 when finished, else the progress of the tool whose
// step is under way (never the Advisor's), else 0.
double overallProgress(const SmartScanSnapshot& scan);
// The ring centre's "37%": the overall progress truncated; the ring reads
// as it.
design::GaugeReading overallProgressReading(const SmartScanSnapshot& scan);
QString overallProgressText(const SmartScanSnapshot& scan);

// One segment per tool in order, in the tool's primary colour: full when
// finished, the progress while it is the current tool, else empty; only
// the Advisor's, during its own step, is warming.
std::vector<ScanRingSegment> scanSegments(const SmartScanSnapshot& scan);

// active while current, done with doneText once finished, skipped when the
// run is over, else waiting.
ToolCardStatus toolStatus(const SmartScanSnapshot& scan, ScanTool tool);
// "Spotless" or the Clean total; "N apps"; "Tidy" or the Deep Scan total;
// the Advisor's runtime bytes, else "Wins found" or "All clear".
QString doneText(const SmartScanSnapshot& scan, ScanTool tool);

// A tool card's tap opens its section only once the run is done and the
// tool finished.
bool opensTool(const SmartScanSnapshot& scan, ScanTool tool);

// The bytes found: Clean + Deep Scan + the Advisor's runtimes (apps do not
// count).
int64_t foundTotal(const SmartScanSnapshot& scan);

// The headline over the status line while running ("Looking for junk…",
// …; empty for idle and done), and the done form's ("Scan stopped" or
// "All scanned.") with the line under it.
QString runningHeadline(SmartScanPhase phase);
QString doneHeadline(bool stopped);
QString doneSubline();
// The headline shown for the scan's phase, running or done; it also names
// the ring.
QString scanHeadline(const SmartScanSnapshot& scan);
// What the done ring says: the bytes found and "found" ("4 GB found"), or
// "all clear" when nothing was found.
QString foundSummary(const SmartScanSnapshot& scan);

// Applications last used 90 or more local calendar days before now; those
// without a date never count.
int untouchedAppCount(const std::vector<std::optional<base::TimePoint>>& lastUsed, base::TimePoint now);

struct ScanInsight {
  design::SymbolName symbol{QString()};
  QString text;
  design::SectionPalette palette;
  bool operator==(const ScanInsight&) const = default;
};
// Up to three sentences: the biggest Clean win, the untouched apps, then
// the Advisor's runtimes or else the largest big item.
std::vector<ScanInsight> scanInsights(const SmartScanSnapshot& scan);

struct ReviewAction {
  QString title;
  ScanTool tool;
  bool operator==(const ReviewAction&) const = default;
};
// The tool with the most to review: Clean's junk, else big items, else the
// Advisor's wins; none when there is nothing.
std::optional<ReviewAction> reviewAction(const SmartScanSnapshot& scan);

}  // namespace tidewell::screens
