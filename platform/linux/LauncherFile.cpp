#include "platform/core/LauncherFile.h"

#include "platform/core/SmallFile.h"
#include "platform/linux/DesktopEntry.h"

namespace tidewell::platform {

bool LauncherFile::isLauncherName(std::string_view fileName) { return fileName.ends_with(".desktop"); }

std::string LauncherFile::iconOf(const std::string& path) {
  const auto text = readSmallFile(path, DesktopEntry::kMaxBytes);
  const auto entry = text ? DesktopEntry::parse(*text) : std::nullopt;
  return entry ? entry->icon : std::string();
}

std::vector<std::string> LauncherFile::pixmapFolders() { return {"/usr/share/pixmaps"}; }

}  // namespace tidewell::platform
