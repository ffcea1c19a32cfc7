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

// The names in the open folder fd, read to the end before the caller
// changes anything in it (removing while listing would disturb the
// listing); fd itself stays open and unmoved. False when the listing could
// not be read to its end (names then holds what was read).
bool directoryNamesAt(int fd, std::vector<std::string>& names);

// directoryNames() in plain byte order, for listings that must not depend on
// the file system's order.
std::vector<std::string> sortedDirectoryNames(const std::string& folder);

}  // namespace tidewell::platform
