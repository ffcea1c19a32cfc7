#include "platform/core/HomeFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "base/Paths.h"

namespace tidewell::platform {

namespace {
bool acceptable(const char* value) { return value && value[0] == '/' && base::standardize(value) != "/"; }
}  // namespace

std::string chooseHomeFolder(const char* env, const char* passwd) {
  if (acceptable(env)) return base::standardize(env);
  if (passwd && *passwd) return base::standardize(passwd);
  return {};
}

std::string readHomeFolder() {
  std::string fromPasswd;
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
  passwd entry{};
  passwd* result = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result && result->pw_dir)
    fromPasswd = result->pw_dir;
  return chooseHomeFolder(std::getenv("HOME"), fromPasswd.c_str());
}

bool isUsableHome(std::string_view home) {
  return !home.empty() && home.front() == '/' && home != "/" && base::standardize(home) == home;
}

}  // namespace tidewell::platform
