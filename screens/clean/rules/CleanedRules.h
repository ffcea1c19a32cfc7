#pragma once
// What the cleanup result screen shows, decided from a copy of the Clean
// model's outcome: the cleaning percentage, whether the ring counts up the
// freed bytes or says "All done", the free space before and after, and the
// sentence under the failed items. Pure.

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/accessibility/AccessibleTraits.h"

namespace tidewell::screens {

struct CleanedSnapshot {
  bool cleaning = false;  // else the result is shown
  double cleanProgress = 0;
  int64_t freedBytes = 0;
  std::vector<std::string> failedTitles;  // in cleaning order
  int64_t freeSpaceBefore = 0;
  int64_t freeSpaceAfter = 0;
};

struct CleanedContent {
  bool showsCleaning = false;
  // Whole percent of the cleaning, truncated, never past "100%"; the ring
  // reads as it.
  design::GaugeReading percent;
  // The ring counts up to the freed bytes; without any, it says "All done".
  bool showsCounter = false;
  QString freeBefore;  // "41.2 GB"
  QString freeAfter;   // "43.5 GB free"
  // The failures card's sentence: absent without failures.
  std::optional<QString> failureSentence;
};

CleanedContent cleanedContent(const CleanedSnapshot& snapshot);

// "A, B. macOS may need Full Disk Access for these. Grant it in System
// Settings ▸ Privacy & Security."; absent for no titles.
std::optional<QString> failureSentence(const std::vector<std::string>& failedTitles);

}  // namespace tidewell::screens
