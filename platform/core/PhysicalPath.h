#pragma once
// Where a path physically lies, for the gates that must judge the real
// location rather than a spelling that passes through links.

#include <optional>
#include <string>

namespace tidewell::platform {

// The path with every link resolved (realpath), standardized; absent when
// it does not exist or cannot be resolved.
std::optional<std::string> physicalPath(const std::string& path);

// The parent resolved and the last component kept as written, so a link at
// the path itself stays a link: the location a rename or unlink acts on.
// Absent when the parent cannot be resolved.
std::optional<std::string> physicalLocation(const std::string& path);

}  // namespace tidewell::platform
