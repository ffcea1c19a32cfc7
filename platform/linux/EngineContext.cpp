#include "platform/core/EngineContext.h"

#include <unistd.h>

#include <cstdlib>

#include "base/Paths.h"
#include "platform/core/HomeFolder.h"
#include "platform/core/MountBoundary.h"
#include "platform/core/PhysicalPath.h"
#include "platform/linux/TemporaryRoot.h"
#include "platform/linux/TopDirectory.h"
#include "platform/linux/XdgUserDirs.h"

namespace tidewell::platform {

bool EngineContext::homeUsable() const { return isUsableHome(home); }

bool EngineContext::isMountPoint(const std::string& path) const {
  if (platform::isMountPoint(path)) return true;
  if (extraMountPoints.empty()) return false;
  const std::string p = base::standardize(path);
  const std::string located = physicalLocation(p).value_or(p);
  for (const std::string& extra : extraMountPoints) {
    const std::string e = base::standardize(extra);
    if (e == p || e == located) return true;
  }
  return false;
}

std::string EngineContext::systemPath(std::string_view absolutePath) const {
  return systemRoot + std::string(absolutePath);
}

std::string EngineContext::inHome(std::string_view relative) const { return base::joinPath(home, relative); }

EngineContext EngineContext::fromEnvironment(std::string home, const char* tmpdir, const char* xdgDataHome,
                                             const char* xdgDataDirs, uid_t uid, pid_t pid,
                                             const char* xdgRuntimeDir) {
  EngineContext ctx;
  ctx.home = base::standardize(home);
  ctx.uid = uid;
  ctx.pid = pid;
  if (!ctx.homeUsable()) return ctx;
  ctx.topDirectoryOf = topDirectory;

  if (auto root = validatedTemporaryRoot(tmpdir, ctx.home, uid, runtimeFolders(xdgRuntimeDir, uid)))
    ctx.temporaryRoots.push_back(*root);
  const std::string userDirs = readXdgUserDirsFile(ctx.home);
  ctx.extraUserFolders = parseXdgUserDirs(userDirs, ctx.home);
  ctx.downloadFolder = parseXdgUserDir(userDirs, "XDG_DOWNLOAD_DIR", ctx.home).value_or("");
  ctx.desktopFolder = parseXdgUserDir(userDirs, "XDG_DESKTOP_DIR", ctx.home).value_or("");
  ctx.documentsFolder = parseXdgUserDir(userDirs, "XDG_DOCUMENTS_DIR", ctx.home).value_or("");

  // The XDG rules: relative values are invalid and fall back to the defaults.
  std::string dataHome =
      (xdgDataHome && xdgDataHome[0] == '/') ? base::standardize(xdgDataHome) : ctx.inHome(".local/share");
  ctx.trashHome = base::joinPath(dataHome, "Trash");
  ctx.desktopEntryFolders.push_back(base::joinPath(dataHome, "applications"));

  std::string dirs = (xdgDataDirs && *xdgDataDirs) ? xdgDataDirs : "/usr/local/share:/usr/share";
  size_t pos = 0;
  while (pos <= dirs.size()) {
    size_t colon = dirs.find(':', pos);
    if (colon == std::string::npos) colon = dirs.size();
    std::string dir = dirs.substr(pos, colon - pos);
    if (!dir.empty() && dir[0] == '/')
      ctx.desktopEntryFolders.push_back(base::joinPath(base::standardize(dir), "applications"));
    pos = colon + 1;
  }
  return ctx;
}

const EngineContext& EngineContext::machine() {
  static const EngineContext ctx =
      fromEnvironment(readHomeFolder(), std::getenv("TMPDIR"), std::getenv("XDG_DATA_HOME"),
                      std::getenv("XDG_DATA_DIRS"), getuid(), getpid(), std::getenv("XDG_RUNTIME_DIR"));
  return ctx;
}

EngineContext EngineContext::forFixture(std::string_view root) {
  const std::string r = base::standardize(root);
  EngineContext ctx;
  ctx.home = base::joinPath(r, "home");
  ctx.uid = getuid();
  ctx.pid = getpid();
  ctx.systemRoot = base::joinPath(r, "system");
  ctx.procRoot = base::joinPath(r, "proc");
  ctx.trashHome = ctx.inHome(".local/share/Trash");
  // A test that mounts something inside the fixture gets that mount's top
  // directory; anything else (the fixture's own file system, a real mount)
  // has none, so nothing is ever trashed outside the fixture.
  const std::string physicalRoot = physicalPath(r).value_or(r);
  ctx.topDirectoryOf = [physicalRoot](const std::string& physical) {
    std::string top = topDirectory(physical);
    return base::isSameOrBelow(top, physicalRoot) ? top : std::string();
  };
  ctx.desktopEntryFolders = {ctx.inHome(".local/share/applications")};
  ctx.tools.xcrun = base::joinPath(r, "tools/xcrun");
  ctx.tools.tmutil = base::joinPath(r, "tools/tmutil");
  ctx.tools.launchctl = base::joinPath(r, "tools/launchctl");
  return ctx;
}

}  // namespace tidewell::platform
