#include "testkit/support/TestEnvironment.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <stdexcept>

namespace tidewell::testing {

namespace {
std::string gOriginalHome;
std::string gPasswdHome;
std::string gDecoy;
std::once_flag gFolderMade;
std::string gFolder;
pid_t gFolderMaker = 0;
}  // namespace

const std::string& originalHome() { return gOriginalHome; }
const std::string& passwdHome() { return gPasswdHome; }

std::string fixtureParent() {
  const char* dir = std::getenv("TIDEWELL_FIXTURE_DIR");
  if (dir && dir[0] == '/') return dir;
  return std::filesystem::temp_directory_path().string();
}

const std::string& fixtureFolder() {
  std::call_once(gFolderMade, [] {
    std::string pattern = fixtureParent() + "/tidewell-fixtures-" + std::to_string(getpid()) + "-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
    // Until the lock is taken, the pid in the name (alive) keeps sweeps
    // away. The descriptor stays open for the process's life; its end gives
    // the lock up.
    const int held = open(pattern.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (held < 0 || flock(held, LOCK_SH) != 0) throw std::runtime_error("cannot lock " + pattern);
    gFolder = pattern;
    gFolderMaker = getpid();
    std::atexit([] {
      if (getpid() == gFolderMaker) rmdir(gFolder.c_str());
    });
  });
  return gFolder;
}

void installTestEnvironment() {
  if (!gDecoy.empty()) return;
  if (const char* home = std::getenv("HOME")) gOriginalHome = home;
  if (passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) gPasswdHome = pw->pw_dir;

  std::string pattern = fixtureParent() + "/tidewell-decoy-home-XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create the decoy home");
  gDecoy = pattern;
  setenv("HOME", gDecoy.c_str(), 1);
  setenv("XDG_DATA_HOME", (gDecoy + "/.local/share").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (gDecoy + "/.config").c_str(), 1);
  setenv("XDG_CACHE_HOME", (gDecoy + "/.cache").c_str(), 1);
  // The user's runtime folder holds the running program's socket: a test
  // that starts the program must not reach a real instance through it.
  const std::string runtime = gDecoy + "/runtime";
  if (mkdir(runtime.c_str(), 0700) != 0) throw std::runtime_error("cannot create " + runtime);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(gDecoy, ec);
  });
}

}  // namespace tidewell::testing
