#pragma once
// The widget's data side: measures the home volume each time it is asked
// and hands the host entries and timelines. Holds only its sources; caches
// nothing, writes nothing, and never fails (a failed reading becomes free 0
// of total 1). Any thread may call it, as long as its sources allow that.

#include <functional>

#include "widget/timeline/SpaceEntry.h"
#include "widget/timeline/SpaceSources.h"
#include "widget/timeline/SpaceTimeline.h"
#include "widget/timeline/WidgetFamily.h"

namespace tidewell::widget {

class SpaceProvider {
 public:
  static constexpr int64_t kPlaceholderFree = 98'000'000'000;
  static constexpr int64_t kPlaceholderTotal = 245'000'000'000;

  explicit SpaceProvider(SpaceSources sources = SpaceSources::system());

  // The stand-in figures, dated now; measures nothing.
  SpaceEntry placeholder(const TimelineContext& context) const;
  // Calls completion once, before returning, with readEntry().
  void getSnapshot(const TimelineContext& context,
                   const std::function<void(const SpaceEntry&)>& completion) const;
  // Calls completion once, before returning, with one entry from
  // readEntry() and a reload date one hour after the call (the call's own
  // moment when the calendar cannot add the hour), worked out first.
  void getTimeline(const TimelineContext& context,
                   const std::function<void(const SpaceTimeline&)>& completion) const;
  // One fresh reading; each value missing from it takes its default by
  // itself, and the date is taken after the reading.
  SpaceEntry readEntry() const;

 private:
  SpaceSources sources_;
};

}  // namespace tidewell::widget
