#include "base/LocalTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include "testkit/support/TimeFixtures.h"

namespace tidewell::base {
namespace {

using tidewell::testing::isoTime;
using tidewell::testing::ScopedTimeZone;

using namespace std::chrono;

TEST(LocalTime, ParseIso8601) {
  struct Case {
    const char* text;
    bool ok;
    int64_t unixMillis;
  } cases[] = {
      {"1970-01-01T00:00:00Z", true, 0},
      {"2026-12-08T15:45:00Z", true, 1796744700000},
      {"2026-12-08T15:45:00.250Z", true, 1796744700250},
      {"2026-12-08T16:45:00+01:00", true, 1796744700000},
      {"2026-12-08T10:15:00-0530", true, 1796744700000},
      {"2026-12-08T17:45:00+02", true, 1796744700000},
      {"2024-02-29T00:00:00Z", true, 1709164800000},
      {"2026-12-08T15:45:00", false, 0},  // zone required
      {"2026-12-08 15:45:00Z", false, 0},
      {"2026-12-08T15:45Z", false, 0},
      {"2026-13-08T15:45:00Z", false, 0},
      {"2025-02-29T00:00:00Z", false, 0},
      {"2026-12-08T24:00:00Z", false, 0},
      {"2026-12-08T15:45:00.Z", false, 0},
      {"2026-12-08T15:45:00Zjunk", false, 0},
      {"2026-12-08T15:45:00+1", false, 0},
      {"", false, 0},
  };
  for (const auto& c : cases) {
    auto t = parseIso8601(c.text);
    EXPECT_EQ(t.has_value(), c.ok) << c.text;
    if (t && c.ok) {
      EXPECT_EQ(duration_cast<milliseconds>(t->time_since_epoch()).count(), c.unixMillis) << c.text;
    }
  }
}

TEST(LocalTime, ElapsedDaysCountLocalWallClock) {
  ScopedTimeZone tz(testing::kNewYork);
  struct Case {
    const char* from;
    const char* to;
    int64_t days;
  } cases[] = {
      {"2026-12-07T23:00:00-05:00", "2026-12-08T08:00:00-05:00", 0},  // last night is not a day old
      {"2026-12-07T08:00:00-05:00", "2026-12-08T08:00:00-05:00", 1},
      {"2026-12-07T08:00:01-05:00", "2026-12-08T08:00:00-05:00", 0},
      {"2026-11-08T08:00:00-05:00", "2026-12-08T08:00:00-05:00", 30},
      {"2026-03-07T12:00:00-05:00", "2026-03-09T12:00:00-04:00", 2},  // across the spring change
      {"2026-12-08T08:00:00-05:00", "2026-12-06T09:00:00-05:00", -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(elapsedLocalDays(isoTime(c.from), isoTime(c.to)), c.days) << c.from << " → " << c.to;
}

TEST(LocalTime, RelativeAgeText) {
  ScopedTimeZone tz(testing::kUtc);
  const TimePoint now = isoTime("2026-12-10T12:00:00Z");
  struct Case {
    const char* date;
    const char* text;
  } cases[] = {
      {"2026-12-10T12:00:00Z", "now"},          {"2026-12-10T11:59:59.500Z", "now"},
      {"2026-12-10T11:59:59Z", "1 second ago"}, {"2026-12-10T11:59:15Z", "45 seconds ago"},
      {"2026-12-10T11:00:00Z", "1 hour ago"},   {"2026-12-09T13:00:00Z", "23 hours ago"},
      {"2026-12-09T12:00:00Z", "1 day ago"},    {"2026-12-04T12:00:00Z", "6 days ago"},
      {"2026-12-03T12:00:00Z", "1 week ago"},   {"2026-11-10T12:00:01Z", "4 weeks ago"},
      {"2026-11-10T12:00:00Z", "1 month ago"},  {"2026-10-01T00:00:00Z", "2 months ago"},
      {"2025-12-10T12:00:00Z", "1 year ago"},   {"2023-01-01T00:00:00Z", "3 years ago"},
      {"2026-12-13T12:00:00Z", "in 3 days"},    {"2026-12-10T12:05:00Z", "in 5 minutes"},
  };
  for (const auto& c : cases) EXPECT_EQ(relativeAgeText(isoTime(c.date), now), c.text) << c.date;
}

TEST(LocalTime, RelativeDateTimeText) {
  ScopedTimeZone tz(testing::kCentralEurope);
  const TimePoint now = isoTime("2026-12-10T09:00:00+01:00");
  struct Case {
    const char* date;
    const char* text;
  } cases[] = {
      {"2026-12-10T15:45:00+01:00", "Today at 3:45 PM"},
      {"2026-12-10T00:05:00+01:00", "Today at 12:05 AM"},
      {"2026-12-09T23:59:00+01:00", "Yesterday at 11:59 PM"},
      {"2026-12-09T12:00:00+01:00", "Yesterday at 12:00 PM"},
      {"2026-12-08T15:45:00+01:00", "Dec 8, 2026 at 3:45 PM"},
      {"2025-01-31T07:03:00+01:00", "Jan 31, 2025 at 7:03 AM"},
      {"2026-12-11T10:00:00+01:00", "Dec 11, 2026 at 10:00 AM"},
  };
  for (const auto& c : cases) EXPECT_EQ(relativeDateTimeText(isoTime(c.date), now), c.text) << c.date;
}

}  // namespace
}  // namespace tidewell::base
