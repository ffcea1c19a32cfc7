#pragma once
// Path text helpers shared by every scanner. Paths are native byte strings
// from listing to removal; these helpers work purely on the text and never
// touch the file system.

#include <string>
#include <string_view>

namespace tidewell::base {

// Absolute paths only: collapses "//", drops ".", resolves ".." textually
// (never above "/") and strips a trailing "/". A relative or empty input
// comes back unchanged, so callers can tell it was not absolute.
std::string standardize(std::string_view path);

// "~" and "~/x" become home and home + "/x"; anything else is returned as it
// is ("~user" forms are not expanded).
std::string expandTilde(std::string_view path, std::string_view home);

// True when path begins with root followed by "/" (so a sibling such as
// "/a/bc" is never below "/a/b", and root itself is not below root). Both
// are compared as given; standardize them first.
bool isBelow(std::string_view path, std::string_view root);

// path == root, or isBelow(path, root).
bool isSameOrBelow(std::string_view path, std::string_view root);

// The text after the last "/" ("" for "/").
std::string_view lastComponent(std::string_view path);

// Everything before the last "/" ("/" for a first-level path, "" when the
// path holds no "/").
std::string_view parentPath(std::string_view path);

// dir + "/" + name, without doubling the "/" when dir is "/".
std::string joinPath(std::string_view dir, std::string_view name);

}  // namespace tidewell::base
