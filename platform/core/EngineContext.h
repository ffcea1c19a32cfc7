#pragma once
// Everything an engine entry point may learn about the machine: the home
// folder, the temporary roots, where system folders, tools, /proc and the
// Trash live. Entry points take a context so tests run against a fixture
// home and fake tools; only the application itself hands them machine().
// A context is a plain value: copy it into each request.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tidewell::platform {

struct ToolPaths {
  std::string xcrun = "/usr/bin/xcrun";
  std::string tmutil = "/usr/bin/tmutil";
  std::string launchctl = "/bin/launchctl";
};

struct EngineContext {
  // Standardized home folder; see isUsableHome() for when it may be used.
  std::string home;
  // Folders that cleaning may empty even outside the home (0 or 1 on Linux).
  std::vector<std::string> temporaryRoots;
  // Prefix for absolute system folders such as "/Applications" or
  // "/Library/LaunchAgents": "" on the real machine, a fixture folder in tests.
  std::string systemRoot;
  std::string procRoot = "/proc";
  // The home Trash ($XDG_DATA_HOME/Trash), holding "files" and "info".
  std::string trashHome;
  // Where the top-directory Trash of another mount may be: asked, with the
  // physical path of an item that is not on the home Trash's mount, for the
  // top directory of that item's mount. machine() uses topDirectory();
  // forFixture() answers only with folders inside the fixture, so no test
  // can reach "/", /dev/shm or a real mount's Trash. Empty: such items are
  // never trashed.
  std::function<std::string(const std::string& physicalPath)> topDirectoryOf;
  // Folders holding desktop entries (XDG "applications" folders), in lookup order.
  std::vector<std::string> desktopEntryFolders;
  // First-level home folders the desktop names as the user's own
  // (~/.config/user-dirs.dirs, e.g. "Videos"); the deletion gate protects
  // them like Documents. Empty in fixtures unless a test fills it.
  std::vector<std::string> extraUserFolders;
  // The desktop's own folders for downloads, the desktop and documents
  // (XDG_DOWNLOAD_DIR, XDG_DESKTOP_DIR and XDG_DOCUMENTS_DIR of the same
  // file), standardized and strictly below the home; "" when it names none
  // there. Empty in fixtures unless a test fills them.
  std::string downloadFolder;
  std::string desktopFolder;
  std::string documentsFolder;
  // Paths treated as mount points beside those the kernel reports, for
  // tests that may not mount anything; it can only ever refuse more.
  std::vector<std::string> extraMountPoints;
  ToolPaths tools;
  // Where the last-used date of a file comes from. Linux keeps no such
  // record, so machine() and forFixture() leave it empty (no date); tests
  // that need dates set it.
  std::function<std::optional<std::chrono::system_clock::time_point>(const std::string& path)> lastUsedDate;
  uid_t uid = 0;
  pid_t pid = 0;

  bool homeUsable() const;
  // Whether path is a mount point (platform::isMountPoint) or one of
  // extraMountPoints. Nothing that is one is offered or acted on.
  bool isMountPoint(const std::string& path) const;
  // systemRoot + absolutePath, e.g. systemPath("/Applications").
  std::string systemPath(std::string_view absolutePath) const;
  // home + "/" + relative.
  std::string inHome(std::string_view relative) const;

  // The real machine, read once per process (thread-safe).
  static const EngineContext& machine();
  // A context built from the environment values given (tests and machine()).
  // xdgRuntimeDir is $XDG_RUNTIME_DIR (nullptr when unset): the temporary
  // root is never the session's runtime folder.
  static EngineContext fromEnvironment(std::string home, const char* tmpdir, const char* xdgDataHome,
                                       const char* xdgDataDirs, uid_t uid, pid_t pid,
                                       const char* xdgRuntimeDir = nullptr);
  // A context that keeps everything inside one fixture folder: the home is
  // root/home, system folders root/system, /proc root/proc, the tools
  // root/tools/NAME and top directories only folders inside root, so a test
  // touches nothing real unless it sets a field on purpose. No temporary
  // roots.
  static EngineContext forFixture(std::string_view root);
};

}  // namespace tidewell::platform
