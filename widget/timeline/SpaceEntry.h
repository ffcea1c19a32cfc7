#pragma once
// One reading of the home volume, shown until the next timeline arrives.

#include <cstdint>

#include "base/LocalTime.h"

namespace tidewell::widget {

struct SpaceEntry {
  base::TimePoint date;  // the moment of the reading
  int64_t free = 0;      // bytes available to the user
  int64_t total = 1;     // capacity in bytes; 1 when it could not be read
  bool operator==(const SpaceEntry&) const = default;
};

}  // namespace tidewell::widget
