#pragma once
// "Now", injected wherever a model reads the time, so tests pin it.

#include <chrono>
#include <functional>

namespace tidewell::models {

struct Clock {
  using TimePoint = std::chrono::system_clock::time_point;
  std::function<TimePoint()> now;

  // Seconds since 1 January 1970, as stored under "lastCleanupAt".
  double secondsSince1970() const;

  static Clock system();
  static Clock fixed(TimePoint at);
};

}  // namespace tidewell::models
