#pragma once
// The user's own folders as the desktop names them in
// ~/.config/user-dirs.dirs (XDG_VIDEOS_DIR="$HOME/Videos" and the like), so
// the deletion gate can protect them beside the fixed names, and the folder
// one key names (XDG_DOWNLOAD_DIR), so scanners can search it. Pure text
// rules plus one small file read; callable from any thread.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tidewell::platform {

// The names of the first-level home folders the file's lines name, in order
// of appearance, each once. Only XDG_*_DIR lines whose double-quoted value is
// "$HOME/<name>" or an absolute path directly below home count; the home
// itself, deeper folders, folders elsewhere, values with escapes or
// without quotes and everything else are ignored. Empty for an unusable home.
std::vector<std::string> parseXdgUserDirs(std::string_view text, std::string_view home);

// The folder the last line for `key` (such as "XDG_DOWNLOAD_DIR") names,
// standardized, when it lies strictly below the home (at any depth). Absent
// when no line names one, or the value is the home itself, lies elsewhere,
// or is written in a form parseXdgUserDirs ignores.
std::optional<std::string> parseXdgUserDir(std::string_view text, std::string_view key,
                                           std::string_view home);

// The text of <home>/.config/user-dirs.dirs; "" when it is missing or
// unreadable, is no regular file (a FIFO is not waited on) or holds more
// than kMaxUserDirsBytes, or the home is unusable.
inline constexpr size_t kMaxUserDirsBytes = 64 * 1024;
std::string readXdgUserDirsFile(const std::string& home);

// parseXdgUserDirs of that file.
std::vector<std::string> readXdgUserDirs(const std::string& home);

}  // namespace tidewell::platform
