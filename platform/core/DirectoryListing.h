#pragma once
// The names in one folder, for the shallow listings scanners make (sweep
// roots, application folders, launchd folders). Deep walks use the engine's
// tree walker instead.

#include <string>
#include <vector>

namespace tidewell::platform {

// Every name but "." and "..", hidden ones included, in the order the file
// system returns them; empty when the folder cannot be listed.
std::vector<std::string> directoryNames(const std::string& folder);

// directoryNames() in plain byte order, for listings that must not depend on
// the file system's order.
std::vector<std::string> sortedDirectoryNames(const std::string& folder);

}  // namespace tidewell::platform
