#pragma once
// "Nothing there": the path, or one of the folders on the way to it, is
// gone (ENOENT, ENOTDIR). Any other reason a path cannot be looked at says
// nothing about what it holds, so gates and measurements treat it apart.

#include <cerrno>

namespace tidewell::platform {

inline bool isNothingThere(int error) { return error == ENOENT || error == ENOTDIR; }

}  // namespace tidewell::platform
