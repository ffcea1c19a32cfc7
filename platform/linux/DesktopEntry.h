#pragma once
// The freedesktop desktop entries that name graphical applications, read
// from the XDG "applications" folders. The first folder holding an entry id
// decides it (so a user's copy, or a Hidden one, overrides the system's);
// only entries of Type=Application that are shown in menus (not NoDisplay,
// not Hidden) and run in their own windows (not Terminal) are listed.
// Plain values; callable from any thread.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tidewell::platform {

struct DesktopEntry {
  std::string id;       // "org.gnome.gedit": path below the folder, "/" as "-", no ".desktop"
  std::string path;     // the entry file
  std::string name;     // Name (the unlocalized one); "" when absent
  std::string program;  // the first word of Exec, unquoted; "" when absent
  std::string tryExec;  // TryExec; "" when absent
  std::string icon;     // Icon (a theme icon name or an absolute file); "" when absent
  bool noDisplay = false;
  bool hidden = false;
  bool terminal = false;

  bool shown() const { return !noDisplay && !hidden && !terminal; }

  // An entry file is read only when it is a regular file of at most this
  // size; anything else (a FIFO, a folder, a device) is skipped without
  // waiting on it and decides no id.
  static constexpr size_t kMaxBytes = 256 * 1024;

  // The [Desktop Entry] group of an entry file's text (id and path left
  // empty). Absent when the group is missing or Type is not Application.
  static std::optional<DesktopEntry> parse(std::string_view text);

  // Every shown entry of the folders, in folder order and, inside a folder,
  // by file name; subfolders are entered, links to folders are not.
  static std::vector<DesktopEntry> readFolders(const std::vector<std::string>& folders);
};

}  // namespace tidewell::platform
