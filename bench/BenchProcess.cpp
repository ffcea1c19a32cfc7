#include "bench/BenchProcess.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace tidewell::bench {

std::string resolvedPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

bool holdsRealHome(const std::string& home) {
  std::vector<std::string> real;
  if (const char* env = std::getenv("HOME")) real.push_back(resolvedPath(env));
  if (const passwd* pw = getpwuid(getuid())) real.push_back(resolvedPath(pw->pw_dir));
  return std::any_of(real.begin(), real.end(), [&](const std::string& r) {
    return !r.empty() && (r == home || home == "/" || r.rfind(home + "/", 0) == 0);
  });
}

}  // namespace tidewell::bench
