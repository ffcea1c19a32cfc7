#pragma once
// Everything the provider reads from the machine, as replaceable functions:
// the clock, the home folder, the volume and the calendar. Tests pass fakes;
// system() reads the real machine on every call, caching nothing.

#include <functional>
#include <optional>
#include <string>

#include "base/LocalTime.h"

namespace tidewell::widget {

// A volume reading in which each value may be missing on its own.
struct VolumeReading {
  std::optional<int64_t> available;  // bytes the user may still write
  std::optional<int64_t> total;
};

struct SpaceSources {
  std::function<base::TimePoint()> now;
  std::function<std::string()> home;
  std::function<VolumeReading(const std::string& folder)> readVolume;
  // The moment one hour after the given one on the user's calendar; absent
  // when the calendar cannot say.
  std::function<std::optional<base::TimePoint>(base::TimePoint)> oneHourLater;

  // The wall clock, $HOME (else the password database), statvfs of that
  // folder (both values or neither) and plain hour arithmetic.
  static SpaceSources system();
};

}  // namespace tidewell::widget
