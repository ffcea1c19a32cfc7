#include "testkit/support/TestEnvironment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace tidewell::testing {

namespace {
std::string gOriginalHome;
std::string gPasswdHome;
std::string gDecoy;
}  // namespace

const std::string& originalHome() { return gOriginalHome; }
const std::string& passwdHome() { return gPasswdHome; }

std::string fixtureParent() {
  const char* dir = std::getenv("TIDEWELL_FIXTURE_DIR");
  if (dir && dir[0] == '/') return dir;
  return std::filesystem::temp_directory_path().string();
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
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(gDecoy, ec);
  });
}

}  // namespace tidewell::testing
