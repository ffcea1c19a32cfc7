#include "widget/timeline/SpaceSources.h"

#include "platform/core/HomeFolder.h"
#include "platform/core/VolumeCapacity.h"

namespace tidewell::widget {

namespace {
VolumeReading readSystemVolume(const std::string& folder) {
  const auto capacity = platform::readVolumeCapacity(folder);
  if (!capacity) return {};
  return {capacity->freeBytes, capacity->totalBytes};
}

std::optional<base::TimePoint> addHour(base::TimePoint moment) {
  constexpr auto hour = std::chrono::hours(1);
  // An hour in absolute time, as a calendar adds it across a DST change.
  if (moment > base::TimePoint::max() - hour) return std::nullopt;
  return moment + hour;
}
}  // namespace

SpaceSources SpaceSources::system() {
  return {[] { return std::chrono::system_clock::now(); }, [] { return platform::readHomeFolder(); },
          readSystemVolume, addHour};
}

}  // namespace tidewell::widget
