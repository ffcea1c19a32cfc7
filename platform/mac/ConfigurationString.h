#pragma once
// Reads a system configuration string the way confstr(3) hands it out: the
// macOS backend's source of the per-user cache folder. Linux has no such
// name and builds its temporary roots from $TMPDIR instead, so nothing on
// Linux calls this with the real confstr; it stays pure and testable.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace tidewell::platform {

// confstr's shape: (name, buffer or nullptr, buffer length) -> length
// needed including the terminating zero, 0 when the name has no value.
using ConfstrFunction = std::function<size_t(int name, char* buffer, size_t length)>;

// The per-user cache folder's name on macOS (_CS_DARWIN_USER_CACHE_DIR).
inline constexpr int kDarwinUserCacheDirName = 65538;

// Two calls: the first, without a buffer, gives the length; below 1 means
// no value. The second fills a zeroed buffer of that length and must report
// the same length, else there is no value. The text is the bytes up to the
// first zero, as UTF-8 with invalid sequences replaced by U+FFFD.
std::optional<std::string> readConfigurationString(int name, const ConfstrFunction& confstrFunction);

}  // namespace tidewell::platform
