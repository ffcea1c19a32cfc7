#pragma once
// What the Home page shows, copied from the volume model, the theme engine, the settings and
// the four tool models and the permissions model at one moment. The page's
// rules (HomeRules) read only this. A plain value.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "base/LocalTime.h"
#include "design/theme/ThemePalette.h"
#include "screens/home/HomeModels.h"

namespace tidewell::screens {

// The Clean model's phase as Home tells it apart.
enum class CleanStage { other, review, done };

struct HomeSnapshot {
  // The home volume (before the first measurement: free 0, total 1).
  int64_t freeBytes = 0;
  int64_t totalBytes = 1;
  double freeFraction = 0;
  design::ThemePalette health = design::ThemePalette::forFreeFraction(1.0);

  // "totalFreedBytes".
  int64_t totalFreedBytes = 0;

  CleanStage cleanStage = CleanStage::other;
  int64_t cleanFreedBytes = 0;
  int64_t cleanTotalBytes = 0;

  std::size_t appCount = 0;
  int64_t appsTotalBytes = 0;

  std::size_t bigItemCount = 0;
  int64_t deepScanTotalBytes = 0;

  bool advisorListed = false;  // the Advisor model is in its list phase
  bool advisorHasFindings = false;

  bool hasFullDiskAccess = true;

  // "lastCleanupAt" as stored (absent when missing or not a number).
  std::optional<double> lastCleanupAt;
  base::TimePoint now{};
};

// The models and settings as they stand.
HomeSnapshot homeSnapshot(const HomeModels& models, base::TimePoint now);

}  // namespace tidewell::screens
