#include <chrono>

#include <gtest/gtest.h>

#include "engine/advisor/AdvisorService.h"

namespace tidewell::engine {
namespace {

using namespace std::chrono;
using Runtime = AdvisorService::SimRuntime;

const char* const kIOS = "com.apple.CoreSimulator.SimRuntime.iOS-17-4";

base::TimePoint utc(int y, unsigned mo, unsigned d, int h, int mi, int s, int ms = 0) {
  return sys_days{year{y} / month{mo} / day{d}} + hours{h} + minutes{mi} + seconds{s} + milliseconds{ms};
}

Runtime runtime(std::string id, std::string name, std::string build, int64_t size, bool deletable,
                std::optional<base::TimePoint> lastUsed, std::vector<std::string> devices) {
  return {std::move(id), std::move(name), std::move(build), size, deletable, lastUsed, std::move(devices)};
}

TEST(AdvisorServiceParse, ParseRuntimeFieldsAndFallbacks) {
  const AdvisorService::DeviceNames names = {{kIOS, {"iPhone 15", "iPad"}},
                                             {"com.apple.CoreSimulator.SimRuntime.watchOS-10-2", {"Watch"}}};
  struct Case {
    const char* what;
    const char* entry;
    Runtime expected;
  };
  const Case cases[] = {
      {"every field",
       R"j({"identifier": "ID-1", "runtimeIdentifier": "com.apple.CoreSimulator.SimRuntime.iOS-17-4",
           "name": "iOS 17.4 (21E213)", "build": "21E213", "sizeBytes": 7340032000, "deletable": false,
           "lastUsedAt": "2024-03-05T10:20:30.250Z"})j",
       runtime("ID-1", "iOS 17.4 (21E213)", "21E213", 7340032000, false, utc(2024, 3, 5, 10, 20, 30, 250),
               {"iPhone 15", "iPad"})},
      {"neither name nor runtime identifier", "{}",
       runtime("KEY", "Simulator runtime", "", 0, true, std::nullopt, {})},
      {"name from the runtime identifier",
       R"j({"runtimeIdentifier": "com.apple.CoreSimulator.SimRuntime.watchOS-10-2"})j",
       runtime("KEY", "watchOS 10.2", "", 0, true, std::nullopt, {"Watch"})},
      {"runtime identifier without simulators", R"j({"runtimeIdentifier": "com.apple.x.tvOS-17-0"})j",
       runtime("KEY", "tvOS 17.0", "", 0, true, std::nullopt, {})},
      {"values of the wrong type count as absent",
       R"j({"identifier": 5, "name": ["x"], "build": 1, "sizeBytes": "12", "deletable": "no",
           "lastUsedAt": 12, "runtimeIdentifier": 7})j",
       runtime("KEY", "Simulator runtime", "", 0, true, std::nullopt, {})},
      {"a Boolean is not a size", R"j({"sizeBytes": true, "deletable": 0})j",
       runtime("KEY", "Simulator runtime", "", 0, true, std::nullopt, {})},
      {"date without fractional seconds", R"j({"lastUsedAt": "2024-03-05T10:20:30Z"})j",
       runtime("KEY", "Simulator runtime", "", 0, true, utc(2024, 3, 5, 10, 20, 30), {})},
      {"date with an offset", R"j({"lastUsedAt": "2024-03-05T12:20:30+02:00"})j",
       runtime("KEY", "Simulator runtime", "", 0, true, utc(2024, 3, 5, 10, 20, 30), {})},
      {"garbage date", R"j({"lastUsedAt": "last Tuesday"})j",
       runtime("KEY", "Simulator runtime", "", 0, true, std::nullopt, {})},
      {"date without a time", R"j({"lastUsedAt": "2024-03-05"})j",
       runtime("KEY", "Simulator runtime", "", 0, true, std::nullopt, {})},
      {"entry that is not an object", "[1, 2]",
       runtime("KEY", "Simulator runtime", "", 0, true, std::nullopt, {})},
      {"entry that is not JSON", "{oops", runtime("KEY", "Simulator runtime", "", 0, true, std::nullopt, {})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AdvisorService::parseRuntime("KEY", c.entry, names), c.expected) << c.what;
  }
}

TEST(AdvisorServiceParse, SizeIsA64BitIntegerOrZero) {
  struct Case {
    const char* json;
    int64_t expected;
  };
  const Case cases[] = {
      {"0", 0},
      {"9223372036854775807", INT64_MAX},
      {"-5", -5},
      {"18446744073709551615", 0},  // above the signed range
      {"12.9", 12},
      {"1.5e10", 15000000000},
      {"-9.2233720368547758e18", INT64_MIN},
      {"9.2233720368547758e18", 0},  // 2^63, one past the range
      {"1e30", 0},
      {"-1e30", 0},
      {"null", 0},
  };
  for (const Case& c : cases) {
    const std::string entry = std::string(R"j({"sizeBytes": )j") + c.json + "}";
    EXPECT_EQ(AdvisorService::parseRuntime("k", entry, {}).sizeBytes, c.expected) << c.json;
  }
}

TEST(AdvisorServiceParse, PrettyRuntimeName) {
  struct Case {
    std::optional<std::string> identifier;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {std::nullopt, std::nullopt},
      {"", std::nullopt},
      {"...", std::nullopt},
      {kIOS, "iOS 17.4"},
      {"com.apple.CoreSimulator.SimRuntime.watchOS-10-2", "watchOS 10.2"},
      {"com.apple.CoreSimulator.SimRuntime.xrOS-1-0-1", "xrOS 1.0.1"},
      {"com.apple.CoreSimulator.SimRuntime.iOS-17-4.", "iOS 17.4"},
      {"x.iOS--17--4-", "iOS 17.4"},
      {"iOS", "iOS"},
      {"a.b.tvOS-", "tvOS-"},
      {"-17", "-17"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AdvisorService::prettyRuntimeName(c.identifier), c.expected) << c.identifier.value_or("(none)");
  }
}

TEST(AdvisorServiceParse, UsageSummary) {
  struct Case {
    std::vector<std::string> names;
    const char* expected;
  };
  const Case cases[] = {
      {{}, "No simulators currently use it"},
      {{"iPhone 15"}, "Used by 1 simulator: iPhone 15"},
      {{"A", "B"}, "Used by 2 simulators: A, B"},
      {{"A", "B", "C"}, "Used by 3 simulators: A, B, C"},
      {{"A", "B", "C", "D"}, "Used by 4 simulators: A, B, C +1 more"},
      {{"A", "B", "C", "D", "E"}, "Used by 5 simulators: A, B, C +2 more"},
  };
  for (const Case& c : cases) {
    Runtime r;
    r.deviceNames = c.names;
    EXPECT_EQ(r.usageSummary(), c.expected);
  }
}

}  // namespace
}  // namespace tidewell::engine
