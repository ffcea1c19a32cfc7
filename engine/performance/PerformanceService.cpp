#include "engine/performance/PerformanceService.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

#include "base/NameCollator.h"
#include "base/Paths.h"
#include "base/Uuid.h"
#include "engine/apps/PropertyList.h"
#include "platform/core/DirectoryListing.h"
#include "platform/core/HostMemory.h"
#include "platform/core/RunningApplications.h"
#include "platform/core/SmallFile.h"

namespace tidewell::engine {

namespace {

constexpr const char* kNoProgram = "—";
constexpr std::string_view kPlistSuffix = ".plist";
// Launch property lists are a few kilobytes; anything far larger is not one.
constexpr size_t kMaxPlistBytes = 1024 * 1024;

// "Program"; else the first of "ProgramArguments" when that is a non-empty
// array of strings only.
std::optional<std::string> programOf(const PropertyList& list) {
  if (auto program = list.string("Program")) return program;
  auto arguments = list.strings("ProgramArguments");
  if (!arguments || arguments->empty()) return std::nullopt;
  return arguments->front();
}

std::optional<LoginItem> readLoginItem(const std::string& path, std::string_view fileName,
                                       const char* scope) {
  // Agents are often installed as links to a package's own copy; follow them.
  auto list = PropertyList::readFile(path, platform::LinkAtPath::Follow, kMaxPlistBytes);
  if (!list) return std::nullopt;
  LoginItem item;
  item.id = base::randomUuid();
  item.label =
      list->string("Label").value_or(std::string(fileName.substr(0, fileName.size() - kPlistSuffix.size())));
  item.program = programOf(*list).value_or(kNoProgram);
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
                    std::move(a.entryPath), a.memoryBytes, a.startTime});
  }
  std::stable_sort(apps.begin(), apps.end(),
                   [](const RunningApp& a, const RunningApp& b) { return a.memoryBytes > b.memoryBytes; });
  return apps;
}

PerformanceService::MemoryStats PerformanceService::memoryStats(const platform::EngineContext& ctx) {
  const platform::HostMemory memory = platform::readHostMemory(ctx);
  return {memory.used, memory.total};
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
      if (auto item = readLoginItem(base::joinPath(folder.path, name), name, folder.scope))
        items.push_back(std::move(*item));
    }
  }
  base::NameCollator::shared().stableSort(items,
                                          [](const LoginItem& i) -> const std::string& { return i.label; });
  return items;
}

}  // namespace tidewell::engine
