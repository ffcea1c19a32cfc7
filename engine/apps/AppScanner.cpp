#include "engine/apps/AppScanner.h"

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

#include "base/Paths.h"
#include "engine/apps/PropertyList.h"
#include "engine/clean/DiskScanner.h"
#include "platform/core/DirectoryListing.h"
#include "platform/core/MountBoundary.h"
#include "platform/core/PhysicalPath.h"
#include "platform/core/ProcessRunner.h"
#include "platform/core/ReachedItem.h"
#include "platform/core/RunningBundleCheck.h"
#include "platform/core/Trash.h"

namespace tidewell::engine {

using base::isBelow;
using base::joinPath;
using base::lastComponent;
using base::parentPath;
using base::standardize;
using platform::EngineContext;
using platform::FailureReason;

namespace {

using Kind = FailureReason::Kind;

constexpr std::string_view kBundleSuffix = ".app";
constexpr std::string_view kSystemPrefix = "com.apple.";

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool isDirectory(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Whether anything, a dangling link included, is at path, and what.
bool existsNoFollow(const std::string& path, bool& isLink, FileIdentity& identity) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return false;
  isLink = S_ISLNK(st.st_mode);
  identity = {st.st_dev, st.st_ino};
  return true;
}

// Names from an application's own information list are untrusted: these
// would name a Library folder itself or a place outside it.
bool isUsableName(const std::optional<std::string>& name) {
  return name && !name->empty() && *name != "." && *name != ".." && name->find('/') == std::string::npos &&
         name->find('\0') == std::string::npos;
}

std::optional<PropertyList> readInformation(const std::string& bundle) {
  if (!isDirectory(bundle)) return std::nullopt;
  if (auto info = PropertyList::readFile(bundle + "/Contents/Info.plist")) return info;
  return PropertyList::readFile(bundle + "/Info.plist");  // a shallow bundle
}

// "Foo.app" gives "Foo"; a name that is only an extension keeps it.
std::string nameWithoutExtension(std::string_view fileName) {
  auto dot = fileName.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return std::string(fileName);
  return std::string(fileName.substr(0, dot));
}

// A reverse-domain identifier: at least two labels, none empty.
bool isReverseDomain(std::string_view id) {
  if (id.empty() || id.front() == '.' || id.back() == '.') return false;
  return id.find('.') != std::string_view::npos && id.find("..") == std::string_view::npos;
}

// Whether name holds id as whole labels: starting at the beginning of the
// name or right after a ".", ending at its end or right before a ".".
bool holdsLabels(std::string_view name, std::string_view id) {
  for (size_t at = name.find(id); at != std::string_view::npos; at = name.find(id, at + 1)) {
    const size_t end = at + id.size();
    if ((at == 0 || name[at - 1] == '.') && (end == name.size() || name[end] == '.')) return true;
  }
  return false;
}

std::string resolvedOrSame(const std::string& path) { return platform::physicalPath(path).value_or(path); }

struct Areas {
  std::string system;
  std::string applications;
  std::string homeApplications;
  std::string library;
};

bool passes(const std::string& path, const Areas& areas) {
  if (isBelow(path, areas.system)) return false;
  // Library's own folders (Caches, Preferences, ...) are never an item.
  if (parentPath(path) == areas.library) return false;
  return isBelow(path, areas.applications) || isBelow(path, areas.homeApplications) ||
         isBelow(path, areas.library);
}

// The uninstaller's gate, judged where the item physically lies and on
// what is there now. The path must pass the area rule as written; then
// the item is reached from the physical root of the area it lies in
// (each area resolved once, the item's parent too, so links the user made
// count where they lead) without following any link, and the place it was
// reached at must pass the same rule. A folder swapped for a link cannot
// lead the move outside the areas: the move acts on the folder reached.
// Sets why to the rule that refused.
std::optional<platform::ReachedItem> reachPermitted(const std::string& path, const EngineContext& ctx,
                                                    FailureReason& why) {
  const auto refuse = [&why](Kind kind) -> std::optional<platform::ReachedItem> {
    why = {kind};
    return std::nullopt;
  };
  if (!ctx.homeUsable()) return refuse(Kind::homeUnusable);
  // A NUL would cut the path short at the system call, so the path judged
  // here would not be the one moved.
  if (path.find('\0') != std::string::npos) return refuse(Kind::badPath);
  const std::string item = standardize(path);
  if (item.empty() || item.front() != '/' || item == "/") return refuse(Kind::badPath);

  const Areas textual{ctx.systemPath("/System"), ctx.systemPath("/Applications"), ctx.inHome("Applications"),
                      ctx.inHome("Library")};
  if (!passes(item, textual)) return refuse(Kind::outsideAreas);
  const Areas real{resolvedOrSame(textual.system), resolvedOrSame(textual.applications),
                   resolvedOrSame(textual.homeApplications), resolvedOrSame(textual.library)};
  for (const std::string* area : {&textual.applications, &textual.homeApplications, &textual.library}) {
    auto reached = platform::ReachedItem::reach(*area, item);
    if (!reached) continue;
    if (!passes(reached->path(), real)) return refuse(Kind::outsideAreas);
    // A mount point cannot be renamed, and what it holds lives elsewhere.
    if (ctx.isMountPoint(item) || platform::isMountPointAt(reached->parentFd(), reached->name().c_str()))
      return refuse(Kind::mountPoint);
    return reached;
  }
  // No area reached it: its folder leads outside them, or cannot be
  // reached without a link at all.
  const auto located = platform::physicalLocation(item);
  if (located && !passes(*located, real)) return refuse(Kind::outsideAreas);
  return refuse(Kind::unreachable);
}

}  // namespace

AppScanner::AppScanner() : AppScanner(std::vector<std::string>{}) {}

AppScanner::AppScanner(std::vector<std::string> dirs)
    : searchDirs(std::move(dirs)),
      lastUsedDate([](const std::string&) { return std::optional<base::TimePoint>{}; }),
      isRunning([](const InstalledApp& app, const EngineContext& ctx) {
        return platform::RunningBundleCheck::isRunning(app.url, ctx);
      }) {}

std::vector<std::string> AppScanner::standardSearchDirs(const EngineContext& ctx) {
  return {ctx.systemPath("/Applications"), ctx.systemPath("/Applications/Utilities"),
          ctx.inHome("Applications")};
}

std::vector<InstalledApp> AppScanner::scanApps(const Progress& progress, const EngineContext& ctx) const {
  std::vector<std::string> candidates;
  std::set<std::string> seen;
  auto consider = [&](const std::string& path) {
    std::string key = standardize(path);
    // A bundle that is a mount point cannot be moved to the Trash.
    if (seen.insert(key).second && !ctx.isMountPoint(key)) candidates.push_back(std::move(key));
  };

  for (const auto& folder : searchDirs) {
    for (const auto& name : platform::directoryNames(folder)) {
      std::string path = joinPath(folder, name);
      if (endsWith(name, kBundleSuffix)) {
        consider(path);
      } else if (name[0] != '.' && isDirectory(path)) {
        for (const auto& inner : platform::directoryNames(path))
          if (endsWith(inner, kBundleSuffix)) consider(joinPath(path, inner));
      }
    }
  }

  std::vector<InstalledApp> apps;
  const double count = double(std::max<size_t>(candidates.size(), 1));
  for (size_t i = 0; i < candidates.size(); ++i) {
    if (auto app = makeApp(candidates[i], ctx)) apps.push_back(std::move(*app));
    if (progress) progress(double(i + 1) / count);
  }
  return apps;
}

std::optional<InstalledApp> AppScanner::makeApp(const std::string& path, const EngineContext& ctx) const {
  if (isBelow(standardize(path), ctx.systemPath("/System"))) return std::nullopt;

  auto info = readInformation(path);
  // An empty identifier identifies nothing; it counts as none.
  const std::string identifier = info ? info->string("CFBundleIdentifier").value_or("") : std::string();
  if (identifier.starts_with(kSystemPrefix)) return std::nullopt;

  InstalledApp app;
  std::optional<std::string> name;
  if (info) {
    name = info->string("CFBundleName");
    if (!name) name = info->string("CFBundleDisplayName");
    app.version = info->string("CFBundleShortVersionString");
    if (!app.version) app.version = info->string("CFBundleVersion");
  }
  app.name = name ? *name : nameWithoutExtension(lastComponent(standardize(path)));
  app.id = identifier.empty() ? path : identifier;
  app.url = path;
  if (!identifier.empty()) app.bundleID = identifier;
  bool isLink = false;
  if (FileIdentity found; existsNoFollow(path, isLink, found)) {
    app.identity = found;
    // A link frees nothing when trashed, so it is measured as itself, never
    // through to what it points at.
    if (!isLink) app.sizeBytes = DiskScanner::allocatedSize(path);
  }
  if (lastUsedDate) app.lastUsed = lastUsedDate(path);
  return app;
}

std::vector<AppScanner::Candidate> AppScanner::entries(const std::string& folder,
                                                       const std::string& containing,
                                                       const std::string& category) {
  std::vector<Candidate> found;
  // "com" or "" would be found in the names of every other application.
  if (!isReverseDomain(containing)) return found;
  for (const auto& name : platform::directoryNames(folder))
    if (holdsLabels(name, containing)) found.push_back({joinPath(folder, name), category});
  return found;
}

std::vector<LeftoverFile> AppScanner::findLeftovers(const InstalledApp& app, const EngineContext& ctx) const {
  if (!ctx.homeUsable()) return {};
  const std::string library = ctx.inHome("Library");
  const bool byID = isUsableName(app.bundleID);
  const bool byName = isUsableName(app.name);
  const std::string id = byID ? *app.bundleID : std::string();

  // Each row remembers the Library folder it names, so a value that slipped
  // past the name rules still cannot point anywhere else.
  struct Row {
    std::string folder;
    Candidate candidate;
  };
  std::vector<Row> rows;
  auto add = [&](std::string_view sub, const std::string& name, const char* category) {
    std::string folder = joinPath(library, sub);
    rows.push_back({folder, {joinPath(folder, name), category}});
  };
  if (byID) {
    add("Caches", id, "Cache");
    add("Preferences", id + ".plist", "Preferences");
    add("Containers", id, "Container");
    add("Saved Application State", id + ".savedState", "Saved State");
    add("HTTPStorages", id, "Web Storage");
    add("WebKit", id, "WebKit Data");
    add("Application Support", id, "Application Support");
  }
  if (byName) {
    add("Application Support", app.name, "Application Support");
    add("Caches", app.name, "Cache");
    add("Logs", app.name, "Logs");
  }
  if (byID) {
    for (const auto& [sub, category] :
         {std::pair{"Group Containers", "Group Container"}, std::pair{"LaunchAgents", "Launch Agent"}}) {
      std::string folder = joinPath(library, sub);
      for (auto& candidate : entries(folder, id, category)) rows.push_back({folder, std::move(candidate)});
    }
  }

  std::vector<LeftoverFile> leftovers;
  std::set<std::string> seen;
  for (const auto& row : rows) {
    std::string path = standardize(row.candidate.path);
    if (parentPath(path) != row.folder || !seen.insert(path).second) continue;
    bool isLink = false;
    FileIdentity found;
    if (!existsNoFollow(path, isLink, found) || ctx.isMountPoint(path)) continue;
    int64_t size = isLink ? 0 : DiskScanner::allocatedSize(path);
    leftovers.push_back({LeftoverFile::makeIdentifier(), path, row.candidate.category, size, found});
  }
  std::stable_sort(leftovers.begin(), leftovers.end(),
                   [](const LeftoverFile& a, const LeftoverFile& b) { return a.sizeBytes > b.sizeBytes; });
  return leftovers;
}

bool AppScanner::isPermitted(const std::string& path, const EngineContext& ctx) {
  return !whyNotPermitted(path, ctx);
}

std::optional<FailureReason> AppScanner::whyNotPermitted(const std::string& path, const EngineContext& ctx) {
  FailureReason why;
  if (reachPermitted(path, ctx, why)) return std::nullopt;
  return why;
}

void AppScanner::unloadLaunchAgent(const std::string& path, const EngineContext& ctx) {
  platform::ProcessRunner::runDiscardingOutput(ctx.tools.launchctl, {"unload", path});
}

UninstallResult AppScanner::uninstall(const UninstallPlan& plan, const EngineContext& ctx) const {
  UninstallResult result;
  result.appName = plan.app.name;
  if (plan.app.bundleID && !plan.app.bundleID->empty() && isRunning && isRunning(plan.app, ctx)) {
    result.failed.push_back({plan.app.name + " is still running. Quit it and try again", {Kind::running}});
    return result;
  }

  struct WorkItem {
    std::string url;
    int64_t sizeBytes;
    bool isApp;
    bool isLaunchAgent;
    std::optional<FileIdentity> identity;
  };
  std::vector<WorkItem> work;
  work.push_back({plan.app.url, plan.app.sizeBytes, true, false, plan.app.identity});
  for (const auto& leftover : plan.leftovers)
    work.push_back(
        {leftover.url, leftover.sizeBytes, false, leftover.category == "Launch Agent", leftover.identity});

  for (const auto& item : work) {
    const std::string path = standardize(item.url);
    // Only what the scan found is moved: a record without its identity is
    // refused like one outside the areas.
    FailureReason refused{Kind::notScanned};
    const auto reached = item.identity ? reachPermitted(path, ctx, refused) : std::nullopt;
    if (!reached) {
      result.failed.push_back({std::string(lastComponent(path)), refused});
      continue;
    }
    if (item.isLaunchAgent) unloadLaunchAgent(path, ctx);
    if (const platform::Attempt moved = platform::Trash::moveToTrash(*reached, *item.identity, ctx)) {
      result.movedCount += 1;
      result.freedBytes += item.sizeBytes;
      if (item.isApp) result.appBundleMoved = true;
    } else {
      result.failed.push_back({std::string(lastComponent(path)), *moved.failure});
    }
  }
  return result;
}

}  // namespace tidewell::engine
