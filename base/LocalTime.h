#pragma once
// Calendar arithmetic and date texts in local time (the process time zone,
// TZ). Every function takes "now" explicitly, so callers and tests decide
// what the current moment is.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tidewell::base {

using TimePoint = std::chrono::system_clock::time_point;

// Whole days elapsed from `from` to `to` on the local wall clock: 23:00
// yesterday to 08:00 today is 0, 08:00 yesterday to 08:00 today is 1.
// Negative when `to` lies before `from`.
int64_t elapsedLocalDays(TimePoint from, TimePoint to);

// Strict ISO 8601 date-time: "YYYY-MM-DDTHH:MM:SS", optional fractional
// seconds, then a required zone ("Z", "+HH:MM", "+HHMM" or "+HH").
// Absent for anything else, including impossible dates.
std::optional<TimePoint> parseIso8601(std::string_view text);

// "2 months ago", "1 day ago", "in 3 days", "now" (within a second): the
// largest non-zero unit of year, month, week, day, hour, minute, second.
std::string relativeAgeText(TimePoint date, TimePoint now);

// "Today at 3:45 PM", "Yesterday at 3:45 PM", else "Dec 8, 2026 at 3:45 PM".
std::string relativeDateTimeText(TimePoint date, TimePoint now);

}  // namespace tidewell::base
