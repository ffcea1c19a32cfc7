#pragma once
// Small helpers the benchmark programs share: the guard that keeps a
// benchmark off the user's real home.

#include <string>

namespace tidewell::bench {

// path with every link resolved; empty when it does not exist.
std::string resolvedPath(const std::string& path);

// Whether home (resolved) is the user's real home ($HOME or the password
// database's) or a folder holding it.
bool holdsRealHome(const std::string& home);

}  // namespace tidewell::bench
