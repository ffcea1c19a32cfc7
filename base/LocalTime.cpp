#include "base/LocalTime.h"

#include <ctime>

namespace tidewell::base {

namespace {

using namespace std::chrono;

struct Local {
  int64_t day;  // days since 1970-01-01 of the local calendar date
  int year, month, mday;
  int64_t secondOfDay;
  int hour, minute;
};

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
  return int64_t(sys_days(year_month_day(year(int(y)), month(m), day(d))).time_since_epoch().count());
}

Local local(TimePoint t) {
  std::time_t secs = system_clock::to_time_t(t);
  // to_time_t truncates toward zero; keep whole seconds toward the past.
  if (system_clock::from_time_t(secs) > t) --secs;
  std::tm tm{};
  localtime_r(&secs, &tm);
  Local l{};
  l.year = tm.tm_year + 1900;
  l.month = tm.tm_mon + 1;
  l.mday = tm.tm_mday;
  l.day = daysFromCivil(l.year, unsigned(l.month), unsigned(l.mday));
  l.hour = tm.tm_hour;
  l.minute = tm.tm_min;
  l.secondOfDay = tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec;
  return l;
}

std::string plural(int64_t n, const char* unit) {
  std::string s = std::to_string(n) + " " + unit;
  if (n != 1) s += "s";
  return s;
}

std::string clockText(const Local& l) {
  int h = l.hour % 12 == 0 ? 12 : l.hour % 12;
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d:%02d %s", h, l.minute, l.hour < 12 ? "AM" : "PM");
  return buf;
}

bool digits(std::string_view s, size_t pos, size_t count, int& out) {
  if (pos + count > s.size()) return false;
  int v = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
  }
  out = v;
  return true;
}

}  // namespace

int64_t elapsedLocalDays(TimePoint from, TimePoint to) {
  Local a = local(from), b = local(to);
  int64_t days = b.day - a.day;
  if (days > 0 && b.secondOfDay < a.secondOfDay) --days;
  if (days < 0 && b.secondOfDay > a.secondOfDay) ++days;
  return days;
}

std::optional<TimePoint> parseIso8601(std::string_view s) {
  int y, mo, d, h, mi, sec;
  if (!digits(s, 0, 4, y) || s.size() < 19 || s[4] != '-' || !digits(s, 5, 2, mo) || s[7] != '-' ||
      !digits(s, 8, 2, d) || s[10] != 'T' || !digits(s, 11, 2, h) || s[13] != ':' || !digits(s, 14, 2, mi) ||
      s[16] != ':' || !digits(s, 17, 2, sec))
    return std::nullopt;
  if (mo < 1 || mo > 12 || h > 23 || mi > 59 || sec > 59) return std::nullopt;
  year_month_day date{year(y), month(unsigned(mo)), day(unsigned(d))};
  if (!date.ok()) return std::nullopt;

  size_t pos = 19;
  nanoseconds fraction{0};
  if (pos < s.size() && s[pos] == '.') {
    ++pos;
    size_t start = pos;
    int64_t scale = 100000000, ns = 0;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
      ns += (s[pos] - '0') * scale;
      scale /= 10;
      ++pos;
    }
    if (pos == start) return std::nullopt;
    fraction = nanoseconds(ns);
  }

  if (pos >= s.size()) return std::nullopt;  // the zone is required
  int offsetMinutes = 0;
  if (s[pos] == 'Z') {
    ++pos;
  } else if (s[pos] == '+' || s[pos] == '-') {
    int sign = s[pos] == '-' ? -1 : 1, oh = 0, om = 0;
    ++pos;
    if (!digits(s, pos, 2, oh)) return std::nullopt;
    pos += 2;
    if (pos < s.size()) {
      if (s[pos] == ':') ++pos;
      if (!digits(s, pos, 2, om)) return std::nullopt;
      pos += 2;
    }
    if (oh > 23 || om > 59) return std::nullopt;
    offsetMinutes = sign * (oh * 60 + om);
  } else {
    return std::nullopt;
  }
  if (pos != s.size()) return std::nullopt;

  auto utc = sys_days(date) + hours(h) + minutes(mi) + seconds(sec) - minutes(offsetMinutes);
  return time_point_cast<system_clock::duration>(utc + fraction);
}

std::string relativeAgeText(TimePoint date, TimePoint now) {
  const bool past = date <= now;
  const TimePoint early = past ? date : now, late = past ? now : date;
  const int64_t totalSeconds = duration_cast<seconds>(late - early).count();
  if (totalSeconds < 1) return "now";

  Local a = local(early), b = local(late);
  int64_t months = int64_t(b.year - a.year) * 12 + (b.month - a.month);
  if (b.mday < a.mday || (b.mday == a.mday && b.secondOfDay < a.secondOfDay)) --months;

  std::string amount;
  if (months >= 12) {
    amount = plural(months / 12, "year");
  } else if (months > 0) {
    amount = plural(months, "month");
  } else if (int64_t days = elapsedLocalDays(early, late); days >= 7) {
    amount = plural(days / 7, "week");
  } else if (days > 0) {
    amount = plural(days, "day");
  } else if (totalSeconds >= 3600) {
    amount = plural(totalSeconds / 3600, "hour");
  } else if (totalSeconds >= 60) {
    amount = plural(totalSeconds / 60, "minute");
  } else {
    amount = plural(totalSeconds, "second");
  }
  return past ? amount + " ago" : "in " + amount;
}

std::string relativeDateTimeText(TimePoint date, TimePoint now) {
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  Local d = local(date), n = local(now);
  if (d.day == n.day) return "Today at " + clockText(d);
  if (d.day == n.day - 1) return "Yesterday at " + clockText(d);
  return std::string(kMonths[d.month - 1]) + " " + std::to_string(d.mday) + ", " + std::to_string(d.year) +
         " at " + clockText(d);
}

}  // namespace tidewell::base
