#include "widget/timeline/SpaceProvider.h"

#include <utility>

namespace tidewell::widget {

SpaceProvider::SpaceProvider(SpaceSources sources) : sources_(std::move(sources)) {}

SpaceEntry SpaceProvider::placeholder(const TimelineContext&) const {
  return {sources_.now(), kPlaceholderFree, kPlaceholderTotal};
}

void SpaceProvider::getSnapshot(const TimelineContext&,
                                const std::function<void(const SpaceEntry&)>& completion) const {
  completion(readEntry());
}

void SpaceProvider::getTimeline(const TimelineContext&,
                                const std::function<void(const SpaceTimeline&)>& completion) const {
  const base::TimePoint built = sources_.now();
  const base::TimePoint reloadAfter = sources_.oneHourLater(built).value_or(built);
  completion(SpaceTimeline{{readEntry()}, reloadAfter});
}

SpaceEntry SpaceProvider::readEntry() const {
  const VolumeReading reading = sources_.readVolume(sources_.home());
  SpaceEntry entry;
  entry.free = reading.available.value_or(0);
  entry.total = reading.total.value_or(1);
  entry.date = sources_.now();
  return entry;
}

}  // namespace tidewell::widget
