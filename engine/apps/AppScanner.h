#pragma once
// Finds the applications a user installed, reads what the Apps tool shows
// about each, finds what one application left in the user's Library folder,
// and uninstalls it by moving the bundle and its leftovers to the Trash.
//
// A value: the search folders plus two replaceable lookups (last-used date,
// running check) that tests and other platforms swap. Every operation runs
// synchronously on the calling thread and never throws; failures become an
// empty list, an absent record or failure entries in the result. Nothing is
// ever deleted: uninstall only moves items to the Trash, and only items in
// the permitted areas (see isPermitted).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/LocalTime.h"
#include "engine/apps/InstalledApp.h"
#include "engine/apps/LeftoverFile.h"
#include "engine/apps/UninstallPlan.h"
#include "engine/apps/UninstallResult.h"
#include "platform/core/EngineContext.h"
#include "platform/core/FailureReason.h"

namespace tidewell::engine {

class AppScanner {
 public:
  // Called with a fraction in 0...1 once per candidate bundle, on the calling thread.
  using Progress = std::function<void(double fraction)>;
  // The date the system last recorded the item at path as used, or none.
  using LastUsedLookup = std::function<std::optional<base::TimePoint>(const std::string& path)>;
  // Whether the application is running now.
  using RunningCheck = std::function<bool(const InstalledApp& app, const platform::EngineContext& ctx)>;

  // A possible leftover: its path and the category it would carry.
  struct Candidate {
    std::string path;
    std::string category;
    bool operator==(const Candidate&) const = default;
  };

  // Absolute folders to walk, in order.
  std::vector<std::string> searchDirs;
  // Linux keeps no last-used dates: the default reports none.
  LastUsedLookup lastUsedDate;
  // Default: platform::RunningBundleCheck on the bundle's path.
  RunningCheck isRunning;

  AppScanner();
  explicit AppScanner(std::vector<std::string> searchDirs);

  // "/Applications", "/Applications/Utilities" and home + "/Applications",
  // in that order, placed by the context.
  static std::vector<std::string> standardSearchDirs(const platform::EngineContext& ctx);

  // Every bundle (a name ending in ".app") directly in a search folder or in
  // one of its first-level subfolders that is not hidden, each path once, in
  // listing order; system bundles and mount points are left out. No deeper
  // descent.
  std::vector<InstalledApp> scanApps(const Progress& progress, const platform::EngineContext& ctx) const;

  // Reads one bundle's information list (XML or binary). Absent for a path
  // below "/System/" or a bundle identifier beginning "com.apple.". An
  // unreadable bundle still yields a record named after its file. A bundle
  // that is a link is measured at 0. The record carries the identity of the
  // entry at path (a link as itself).
  std::optional<InstalledApp> makeApp(const std::string& path, const platform::EngineContext& ctx) const;

  // The items in ~/Library named after the application's bundle identifier
  // or name, largest first (equal sizes in table order), each path once.
  // Names that are empty, ".", "..", or hold "/" or NUL give no row; a link
  // is reported at size 0, a mount point not at all. Empty when the home is
  // unusable.
  std::vector<LeftoverFile> findLeftovers(const InstalledApp& app, const platform::EngineContext& ctx) const;

  // The names in folder that contain the bundle identifier `containing` as
  // whole labels (case-sensitive): it starts the name or follows a ".", and
  // ends the name or precedes a "." ("group.com.vendor.app" and
  // "com.vendor.app.helper.plist" hold "com.vendor.app",
  // "com.vendor.application.plist" does not). In listing order, as folder +
  // "/" + name with the category. Empty when the folder cannot be listed or
  // `containing` is no reverse-domain identifier of at least two non-empty
  // labels (so "com" and "" match nothing).
  static std::vector<Candidate> entries(const std::string& folder, const std::string& containing,
                                        const std::string& category);

  // Moves the bundle, then each leftover in plan order, to the Trash, one at
  // a time. Refuses the whole plan while an application with a bundle
  // identifier is running; refuses each item that isPermitted rejects, that
  // has no identity (a record not made by makeApp or findLeftovers) or that
  // is no longer the entry found; runs "launchctl unload" on a launch agent
  // before moving it. Each failed item carries the rule that refused it or
  // the Trash's reason.
  UninstallResult uninstall(const UninstallPlan& plan, const platform::EngineContext& ctx) const;

  // Runs ctx.tools.launchctl with "unload" and path and waits for it; a
  // failed launch and the exit status are ignored.
  static void unloadLaunchAgent(const std::string& path, const platform::EngineContext& ctx);

  // The uninstaller's gate. True only for a path strictly below
  // "/Applications", home + "/Applications" or home + "/Library", never
  // below "/System", never directly inside home + "/Library", never a mount
  // point, and only when the same holds where the item physically lies:
  // reached from the resolved root of its area without following any link
  // (so a linked folder cannot lead outside). uninstall() moves the item
  // through the folder this gate reached. False when the home is unusable
  // or the path holds a NUL.
  static bool isPermitted(const std::string& path, const platform::EngineContext& ctx);
  // The rule of that gate that refuses path, none when it is permitted:
  // homeUnusable, badPath (empty, relative, "/" or holding a NUL),
  // outsideAreas (as written or where it physically lies), unreachable
  // (no area reaches it without a link) or mountPoint.
  static std::optional<platform::FailureReason> whyNotPermitted(const std::string& path,
                                                                const platform::EngineContext& ctx);
};

}  // namespace tidewell::engine
