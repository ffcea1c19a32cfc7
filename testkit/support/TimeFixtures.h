#pragma once
// Helpers for tests that depend on the local time zone or on fixed moments.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "base/LocalTime.h"

namespace tidewell::testing {

// Zones written as POSIX rules, which need no tzdata installed: the rules
// of 2007 onwards for the United States and of 1996 onwards for the
// European Union.
inline constexpr const char* kUtc = "UTC0";
inline constexpr const char* kNewYork = "EST5EDT,M3.2.0,M11.1.0";
inline constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

// Pins the process time zone (TZ) for one scope and restores it afterwards.
// Give it a POSIX rule (above) rather than a zone name, which would need
// tzdata and silently fall back to UTC without it.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old, had_ = true;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    had_ ? setenv("TZ", saved_.c_str(), 1) : unsetenv("TZ");
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::string saved_;
  bool had_ = false;
};

// The moment an ISO 8601 text names; a test failure when it does not parse.
inline base::TimePoint isoTime(const char* iso) {
  auto t = base::parseIso8601(iso);
  EXPECT_TRUE(t) << iso;
  return t.value_or(base::TimePoint{});
}

}  // namespace tidewell::testing
