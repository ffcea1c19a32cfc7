#pragma once
// The text of a freedesktop .trashinfo file, which tells every Trash client
// where an item came from and when it was trashed.

#include <ctime>
#include <string>
#include <string_view>

namespace tidewell::platform {

// Percent-encodes a path for the Path= line: letters, digits, "-", ".",
// "_", "~" and "/" stay as they are; every other byte (spaces, "%", line
// breaks, non-ASCII bytes) becomes "%XX" with upper-case hex digits.
std::string percentEncodePath(std::string_view path);

// "[Trash Info]", "Path=" with the encoded path (absolute for the home
// trash, relative to the top directory for a top-directory trash) and
// "DeletionDate=" with deletedAt in local time as YYYY-MM-DDThh:mm:ss, each
// line ending in "\n". Empty when deletedAt cannot be expressed in local time.
std::string trashInfoText(std::string_view path, std::time_t deletedAt);

}  // namespace tidewell::platform
