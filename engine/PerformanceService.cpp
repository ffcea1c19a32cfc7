#include "engine/PerformanceService.h"

#include <plist/plist.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/core/DirectoryListing.h"
#include "platform/core/HostMemory.h"
#include "platform/core/NameCollator.h"
#include "platform/core/Paths.h"
#include "platform/core/RunningApplications.h"
#include "platform/core/SmallFile.h"
#include "platform/core/Uuid.h"

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

std::optional<LoginItem> readLoginItem(const std::string& path, std::string_view fileName,
                                       const char* scope) {
  auto data = platform::readSmallFile(path, kMaxPlistBytes);
  if (!data || data->empty()) return std::nullopt;
  plist_t raw = nullptr;
  plist_from_memory(data->data(), uint32_t(data->size()), &raw);
  Plist root(raw);
  if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return std::nullopt;
  LoginItem item;
  item.id = platform::randomUuid();
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
    for (const std::string& name : platform::sortedDirectoryNames(folder.path)) {
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
