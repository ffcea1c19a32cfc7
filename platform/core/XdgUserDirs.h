#pragma once
// The user's own folders as the desktop names them in
// ~/.config/user-dirs.dirs (XDG_VIDEOS_DIR="$HOME/Videos" and the like), so
// the deletion gate can protect them beside the fixed names. Pure text
// rules plus one small file read; callable from any thread.

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

// parseXdgUserDirs of <home>/.config/user-dirs.dirs; empty when it is
// missing or unreadable.
std::vector<std::string> readXdgUserDirs(const std::string& home);

}  // namespace tidewell::platform
