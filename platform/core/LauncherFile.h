#pragma once
// The files a desktop starts its applications from, and the icon each one
// names: on Linux the freedesktop desktop entries (".desktop" files) and
// their "Icon" key. Plain values; callable from any thread.

#include <string>
#include <string_view>
#include <vector>

namespace tidewell::platform {

class LauncherFile {
 public:
  // True when a file of this name is a launcher file.
  static bool isLauncherName(std::string_view fileName);

  // The icon the launcher file at path names, as written there (so
  // untrusted): the absolute path of a picture, or a name to look up in
  // the icon theme. "" when the file is not a small regular file, is no
  // application's launcher, or names no icon.
  static std::string iconOf(const std::string& path);

  // The folders where the desktop keeps pictures by icon name outside the
  // icon theme, searched last.
  static std::vector<std::string> pixmapFolders();
};

}  // namespace tidewell::platform
