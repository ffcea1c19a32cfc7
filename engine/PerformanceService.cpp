#include "engine/PerformanceService.h"

#include <dirent.h>
#include <plist/plist.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <string_view>

#include "platform/core/HostMemory.h"
#include "platform/core/NameCollator.h"
#include "platform/core/Paths.h"
#include "platform/core/RunningApplications.h"
#include "platform/core/SmallFile.h"

namespace tidewell::engine {

namespace {

constexpr const char* kNoProgram = "—";
constexpr std::string_view kPlistSuffix = ".plist";
// Launch property lists are a few kilobytes; anything far larger is not one.
constexpr size_t kMaxPlistBytes = 1024 * 1024;

struct PlistFree {
  void operator()(plist_t node) const { plist_free(node); }
};
using Plist = std::unique_ptr<void, PlistFree>;

std::optional<std::string> stringValue(plist_t node) {
  if (!node || plist_get_node_type(node) != PLIST_STRING) return std::nullopt;
  char* value = nullptr;
  plist_get_string_val(node, &value);
  if (!value) return std::nullopt;
  std::string text(value);
  std::free(value);
  return text;
}

// "Program"; else the first of "ProgramArguments" when that is a non-empty
// array of strings only.
std::optional<std::string> programOf(plist_t dict) {
  if (auto program = stringValue(plist_dict_get_item(dict, "Program"))) return program;
  plist_t args = plist_dict_get_item(dict, "ProgramArguments");
  if (!args || plist_get_node_type(args) != PLIST_ARRAY) return std::nullopt;
  const uint32_t count = plist_array_get_size(args);
  if (count == 0) return std::nullopt;
  std::optional<std::string> first;
  for (uint32_t i = 0; i < count; ++i) {
    auto value = stringValue(plist_array_get_item(args, i));
    if (!value) return std::nullopt;
    if (i == 0) first = std::move(value);
  }
  return first;
}

std::string freshUuid() {
  thread_local std::mt19937_64 random{std::random_device{}()};
  const uint64_t hi = random(), lo = random();
  unsigned char b[16];
  for (int i = 0; i < 8; ++i) b[i] = static_cast<unsigned char>(hi >> (56 - 8 * i));
  for (int i = 0; i < 8; ++i) b[8 + i] = static_cast<unsigned char>(lo >> (56 - 8 * i));
  b[6] = static_cast<unsigned char>((b[6] & 0x0F) | 0x40);  // version 4
  b[8] = static_cast<unsigned char>((b[8] & 0x3F) | 0x80);  // RFC 4122 variant
  char text[37];
  std::snprintf(text, sizeof text, "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14],
                b[15]);
  return text;
}

std::vector<std::string> sortedNames(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return names;
  while (dirent* e = readdir(dir)) {
    const std::string_view n = e->d_name;
    if (n != "." && n != "..") names.emplace_back(n);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<LoginItem> readLoginItem(const std::string& path, std::string_view fileName,
                                       const char* scope) {
  auto data = platform::readSmallFile(path, kMaxPlistBytes);
  if (!data || data->empty()) return std::nullopt;
  plist_t raw = nullptr;
  plist_from_memory(data->data(), uint32_t(data->size()), &raw);
  Plist root(raw);
  if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return std::nullopt;
  LoginItem item;
  item.id = freshUuid();
  item.label = stringValue(plist_dict_get_item(root.get(), "Label"))
                   .value_or(std::string(fileName.substr(0, fileName.size() - kPlistSuffix.size())));
  item.program = programOf(root.get()).value_or(kNoProgram);
  item.plistURL = path;
  item.scope = scope;
  return item;
}

}  // namespace

std::vector<RunningApp> PerformanceService::runningApps(const platform::EngineContext& ctx) {
  std::vector<RunningApp> apps;
  for (platform::RunningApplication& a : platform::RunningApplications::list(ctx)) {
    if (a.pid == ctx.pid) continue;
    apps.push_back({int32_t(a.pid), a.name.empty() ? "App" : std::move(a.name), std::move(a.identifier),
                    std::move(a.entryPath), a.memoryBytes});
  }
  std::stable_sort(apps.begin(), apps.end(),
                   [](const RunningApp& a, const RunningApp& b) { return a.memoryBytes > b.memoryBytes; });
  return apps;
}

std::vector<RunningApp> PerformanceService::runningApps() {
  return runningApps(platform::EngineContext::machine());
}

PerformanceService::MemoryStats PerformanceService::memoryStats(const platform::EngineContext& ctx) {
  const platform::HostMemory memory = platform::readHostMemory(ctx);
  return {memory.used, memory.total};
}

PerformanceService::MemoryStats PerformanceService::memoryStats() {
  return memoryStats(platform::EngineContext::machine());
}

std::vector<LoginItem> PerformanceService::loginItems(const platform::EngineContext& ctx) {
  struct Folder {
    std::string path;
    const char* scope;
  };
  std::vector<Folder> folders;
  if (ctx.homeUsable()) folders.push_back({ctx.inHome("Library/LaunchAgents"), "You"});
  folders.push_back({ctx.systemPath("/Library/LaunchAgents"), "System"});
  folders.push_back({ctx.systemPath("/Library/LaunchDaemons"), "System"});

  std::vector<LoginItem> items;
  for (const Folder& folder : folders) {
    for (const std::string& name : sortedNames(folder.path)) {
      // Exactly ".plist", case and all, with a name before it.
      if (name.size() <= kPlistSuffix.size() || !name.ends_with(kPlistSuffix)) continue;
      if (auto item = readLoginItem(platform::joinPath(folder.path, name), name, folder.scope))
        items.push_back(std::move(*item));
    }
  }
  platform::NameCollator::shared().stableSort(
      items, [](const LoginItem& i) -> const std::string& { return i.label; });
  return items;
}

std::vector<LoginItem> PerformanceService::loginItems() {
  return loginItems(platform::EngineContext::machine());
}

}  // namespace tidewell::engine
