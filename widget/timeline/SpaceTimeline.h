#pragma once
// What the provider hands the host: the entries to show, and the moment
// after which the host should ask for a new timeline.

#include <vector>

#include "widget/timeline/SpaceEntry.h"

namespace tidewell::widget {

struct SpaceTimeline {
  std::vector<SpaceEntry> entries;
  base::TimePoint reloadAfter;
};

}  // namespace tidewell::widget
