#include "bench/BenchProcess.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace tidewell::bench {

long peakResidentKib() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

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
