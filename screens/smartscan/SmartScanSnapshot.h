#pragma once
// What the Smart Scan screen shows, copied from the controller and its four
// models at one moment: the step under way, whether the run was stopped,
// and for each tool whether it has finished, how far it has come and what
// it found. The screen's rules (SmartScanRules) read only this. A plain
// value.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/LocalTime.h"
#include "models/smartscan/SmartScanController.h"

namespace tidewell::screens {

// The controller's step: idle, one of the four scans, or done.
using SmartScanPhase = models::SmartScanController::Phase;

// A finding's name and size (the largest Clean item, the largest big item).
struct NamedSize {
  QString name;
  int64_t bytes = 0;
  bool operator==(const NamedSize&) const = default;
};

struct SmartScanSnapshot {
  SmartScanPhase phase = SmartScanPhase::idle;
  bool stopped = false;
  // The controller's line under the running headline.
  QString statusLine;

  // Clean: finished in review or done.
  bool cleanFinished = false;
  double cleanProgress = 0;
  int64_t cleanTotalBytes = 0;
  std::optional<NamedSize> largestCleanItem;  // the first item: its row's title and size

  // Apps: finished in list. One entry per application: its last use.
  bool appsFinished = false;
  double appsProgress = 0;
  std::vector<std::optional<base::TimePoint>> appsLastUsed;

  // Deep Scan: finished in list.
  bool deepScanFinished = false;
  double deepScanProgress = 0;
  int64_t deepScanTotalBytes = 0;
  std::optional<NamedSize> largestBigItem;  // the first item: its name and size

  // Advisor: finished in list; it reports no progress.
  bool advisorFinished = false;
  int64_t advisorRuntimeBytes = 0;
  bool advisorHasFindings = false;

  // "Now", for the apps' ages.
  base::TimePoint now{};
};

// The controller and its four models as they stand.
SmartScanSnapshot smartScanSnapshot(const models::SmartScanController& controller, base::TimePoint now);

}  // namespace tidewell::screens
