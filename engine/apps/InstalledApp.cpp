#include "engine/apps/InstalledApp.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace tidewell::engine {

std::string InstalledApp::lastUsedDescription(base::TimePoint now) const {
  if (!lastUsed) return "No recent use on record";
  return "Used " + base::relativeAgeText(*lastUsed, now);
}

std::string InstalledApp::lastUsedDescription() const {
  return lastUsedDescription(std::chrono::system_clock::now());
}

int64_t InstalledApp::monthsSinceLastUse(base::TimePoint now) const {
  if (!lastUsed) return std::numeric_limits<int64_t>::max();
  // Integer division truncates toward zero, so a date in the future lands on 0 or below.
  return std::max<int64_t>(0, base::elapsedLocalDays(*lastUsed, now) / 30);
}

int64_t InstalledApp::monthsSinceLastUse() const {
  return monthsSinceLastUse(std::chrono::system_clock::now());
}

}  // namespace tidewell::engine
