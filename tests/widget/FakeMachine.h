#pragma once
// A scripted machine for the widget's provider: a clock that can step on
// every look, a home folder, a volume reading and a calendar, with a log of
// what was asked in which order.

#include <chrono>
#include <string>
#include <vector>

#include "widget/timeline/SpaceSources.h"

namespace tidewell::widget::testing {

inline base::TimePoint moment(int64_t seconds) { return base::TimePoint(std::chrono::seconds(seconds)); }

struct FakeMachine {
  base::TimePoint clock = moment(1'700'000'000);
  std::chrono::seconds stepPerLook{0};  // the clock moves on by this after each look
  std::string home = "/fixture/home";
  VolumeReading reading{50'000, 200'000};
  bool calendarFails = false;
  std::vector<std::string> log;  // "now", "home", "read /fixture/home", "calendar"

  int reads() const {
    int n = 0;
    for (const auto& entry : log) n += entry.rfind("read ", 0) == 0;
    return n;
  }

  SpaceSources sources() {
    SpaceSources s;
    s.now = [this] {
      log.push_back("now");
      const auto seen = clock;
      clock += stepPerLook;
      return seen;
    };
    s.home = [this] {
      log.push_back("home");
      return home;
    };
    s.readVolume = [this](const std::string& folder) {
      log.push_back("read " + folder);
      return reading;
    };
    s.oneHourLater = [this](base::TimePoint t) -> std::optional<base::TimePoint> {
      log.push_back("calendar");
      if (calendarFails) return std::nullopt;
      return t + std::chrono::hours(1);
    };
    return s;
  }
};

}  // namespace tidewell::widget::testing
