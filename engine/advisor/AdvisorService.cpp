#include "engine/advisor/AdvisorService.h"

#include <sys/stat.h>

#include <algorithm>

#include <nlohmann/json.hpp>

#include "base/FileNameText.h"
#include "engine/clean/DiskScanner.h"
#include "platform/core/ProcessRunner.h"

namespace tidewell::engine {

namespace {

// Ordered, so entries keep the tool's document order for the stable sort.
using Json = nlohmann::ordered_json;

constexpr const char* kTimeMachineMarker = "com.apple.TimeMachine";

std::optional<Json> parseJson(std::string_view text) {
  Json doc = Json::parse(text, nullptr, false);
  if (doc.is_discarded()) return std::nullopt;
  return doc;
}

std::optional<std::string> stringField(const Json& entry, const char* key) {
  auto it = entry.find(key);
  if (it == entry.end() || !it->is_string()) return std::nullopt;
  return it->get<std::string>();
}

// A JSON number as a 64-bit integer: floats truncate toward zero; a value
// outside the 64-bit range (or not a number at all) counts 0 rather than
// converting with undefined behaviour.
int64_t int64Value(const Json& value) {
  if (value.is_number_unsigned()) {
    const uint64_t u = value.get<uint64_t>();
    return u > uint64_t(INT64_MAX) ? 0 : int64_t(u);
  }
  if (value.is_number_integer()) return value.get<int64_t>();
  if (value.is_number_float()) {
    const double d = value.get<double>();
    // -2^63 is representable, 2^63 is not; NaN fails both comparisons.
    if (d >= -9223372036854775808.0 && d < 9223372036854775808.0) return int64_t(d);
  }
  return 0;
}

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) pieces.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

AdvisorService::SimRuntime parseEntry(std::string_view key, const Json& entry,
                                      const AdvisorService::DeviceNames& deviceNames) {
  static const Json empty = Json::object();
  const Json& e = entry.is_object() ? entry : empty;
  AdvisorService::SimRuntime r;
  const std::optional<std::string> runtimeIdentifier = stringField(e, "runtimeIdentifier");
  r.id = stringField(e, "identifier").value_or(std::string(key));
  if (auto name = stringField(e, "name")) {
    r.name = *name;
  } else {
    r.name = AdvisorService::prettyRuntimeName(runtimeIdentifier).value_or("Simulator runtime");
  }
  r.build = stringField(e, "build").value_or("");
  if (auto it = e.find("sizeBytes"); it != e.end()) r.sizeBytes = int64Value(*it);
  if (auto it = e.find("deletable"); it != e.end() && it->is_boolean()) r.deletable = it->get<bool>();
  if (auto lastUsed = stringField(e, "lastUsedAt")) r.lastUsed = base::parseIso8601(*lastUsed);
  if (runtimeIdentifier) {
    if (auto it = deviceNames.find(*runtimeIdentifier); it != deviceNames.end()) r.deviceNames = it->second;
  }
  return r;
}

// The device list's "devices": runtime identifier -> array of device
// objects. Anything else anywhere in that shape is no answer at all.
std::optional<Json> deviceLists(const platform::EngineContext& ctx) {
  auto text = AdvisorService::run(ctx.tools.xcrun, {"simctl", "list", "devices", "-j"});
  if (!text) return std::nullopt;
  auto doc = parseJson(*text);
  if (!doc || !doc->is_object()) return std::nullopt;
  auto devices = doc->find("devices");
  if (devices == doc->end() || !devices->is_object()) return std::nullopt;
  for (const auto& [runtime, list] : devices->items()) {
    if (!list.is_array()) return std::nullopt;
    for (const Json& device : list) {
      if (!device.is_object()) return std::nullopt;
    }
  }
  return std::move(*devices);
}

}  // namespace

std::string AdvisorService::SimRuntime::usageSummary() const {
  const size_t count = deviceNames.size();
  if (count == 0) return "No simulators currently use it";
  std::string text = "Used by " + std::to_string(count) + " simulator" + (count == 1 ? "" : "s") + ": ";
  for (size_t i = 0; i < std::min<size_t>(count, 3); ++i) {
    if (i > 0) text += ", ";
    text += deviceNames[i];
  }
  if (count >= 4) text += " +" + std::to_string(count - 3) + " more";
  return text;
}

std::optional<std::string> AdvisorService::run(const std::string& executable,
                                               const std::vector<std::string>& arguments) {
  return platform::ProcessRunner::run(executable, arguments);
}

platform::Attempt AdvisorService::perform(const Command& command) {
  return platform::ProcessRunner::attempt(command.executable, command.arguments);
}

std::vector<AdvisorService::SimRuntime> AdvisorService::runtimes(const platform::EngineContext& ctx) {
  auto text = run(ctx.tools.xcrun, {"simctl", "runtime", "list", "-j"});
  if (!text) return {};
  auto doc = parseJson(*text);
  if (!doc || !doc->is_object()) return {};
  for (const auto& [key, entry] : doc->items()) {
    if (!entry.is_object()) return {};
  }
  const DeviceNames names = deviceNamesByRuntime(ctx);
  std::vector<SimRuntime> list;
  list.reserve(doc->size());
  for (const auto& [key, entry] : doc->items()) list.push_back(parseEntry(key, entry, names));
  std::stable_sort(list.begin(), list.end(),
                   [](const SimRuntime& a, const SimRuntime& b) { return a.sizeBytes > b.sizeBytes; });
  return list;
}

AdvisorService::DeviceNames AdvisorService::deviceNamesByRuntime(const platform::EngineContext& ctx) {
  auto devices = deviceLists(ctx);
  if (!devices) return {};
  DeviceNames names;
  for (const auto& [runtime, list] : devices->items()) {
    std::vector<std::string>& forRuntime = names[runtime];
    for (const Json& device : list) {
      if (auto name = stringField(device, "name")) forRuntime.push_back(*name);
    }
  }
  return names;
}

std::optional<std::string> AdvisorService::prettyRuntimeName(const std::optional<std::string>& identifier) {
  if (!identifier) return std::nullopt;
  const std::vector<std::string> dotted = split(*identifier, '.');
  if (dotted.empty()) return std::nullopt;
  const std::string& last = dotted.back();
  const std::vector<std::string> parts = split(last, '-');
  if (parts.size() < 2) return last;
  std::string pretty = parts[0] + " ";
  for (size_t i = 1; i < parts.size(); ++i) {
    if (i > 1) pretty += ".";
    pretty += parts[i];
  }
  return pretty;
}

AdvisorService::SimRuntime AdvisorService::parseRuntime(std::string_view key, std::string_view entryJson,
                                                        const DeviceNames& deviceNames) {
  const Json entry = parseJson(entryJson).value_or(Json::object());
  return parseEntry(key, entry, deviceNames);
}

platform::Attempt AdvisorService::deleteRuntime(const SimRuntime& runtime,
                                                const platform::EngineContext& ctx) {
  return platform::ProcessRunner::attempt(ctx.tools.xcrun, {"simctl", "runtime", "delete", runtime.id});
}

int AdvisorService::unavailableSimulatorCount(const platform::EngineContext& ctx) {
  auto devices = deviceLists(ctx);
  if (!devices) return 0;
  int count = 0;
  for (const auto& [runtime, list] : devices->items()) {
    for (const Json& device : list) {
      auto it = device.find("isAvailable");
      if (it != device.end() && it->is_boolean() && !it->get<bool>()) ++count;
    }
  }
  return count;
}

int AdvisorService::localSnapshotCount(const platform::EngineContext& ctx) {
  auto text = run(ctx.tools.tmutil, {"listlocalsnapshots", "/"});
  if (!text || !base::isUtf8(*text)) return 0;
  int count = 0;
  for (const std::string& line : split(*text, '\n')) {
    if (line.find(kTimeMachineMarker) != std::string::npos) ++count;
  }
  return count;
}

int64_t AdvisorService::dockerDiskBytes(const platform::EngineContext& ctx) {
  if (!ctx.homeUsable()) return 0;
  const std::string vms = ctx.inHome("Library/Containers/com.docker.docker/Data/vms");
  struct stat st {};
  if (::stat(vms.c_str(), &st) != 0) return 0;
  return DiskScanner::allocatedSize(vms);
}

AdvisorService::Command AdvisorService::deleteUnavailableCommand(const platform::EngineContext& ctx) {
  return {ctx.tools.xcrun, {"simctl", "delete", "unavailable"}};
}

AdvisorService::Command AdvisorService::thinSnapshotsCommand(const platform::EngineContext& ctx) {
  return {ctx.tools.tmutil, {"thinlocalsnapshots", "/", "999999999999", "4"}};
}

}  // namespace tidewell::engine
