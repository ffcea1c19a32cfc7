#include "engine/deepscan/InstallerScanner.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "base/Paths.h"
#include "engine/clean/DiskScanner.h"
#include "engine/safety/PathSafety.h"
#include "engine/walk/TreeWalker.h"

namespace tidewell::engine {

namespace {

constexpr std::array<std::string_view, 4> installerExtensions = {"dmg", "pkg", "mpkg", "iso"};

// Folders the file manager shows as one item; what is inside them is the
// owning app's business, never a loose download.
constexpr std::array<std::string_view, 24> packageExtensions = {
    "app",    "appex",     "bundle",        "framework",   "plugin",     "kext",
    "xpc",    "prefpane",  "saver",         "qlgenerator", "mdimporter", "pkg",
    "mpkg",   "xcodeproj", "xcworkspace",   "xcarchive",   "playground", "dsym",
    "docset", "rtfd",      "photoslibrary", "pages",       "numbers",    "key"};

// ext equals lower once its ASCII letters are lower-cased.
bool equalsLowered(std::string_view ext, std::string_view lower) {
  if (ext.size() != lower.size()) return false;
  for (size_t i = 0; i < ext.size(); ++i) {
    char c = ext[i];
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    if (c != lower[i]) return false;
  }
  return true;
}

bool isOneOf(std::string_view ext, const auto& lowerList) {
  return std::any_of(lowerList.begin(), lowerList.end(),
                     [ext](std::string_view lower) { return equalsLowered(ext, lower); });
}

// The text after the last dot; a name that only begins with a dot (".dmg")
// has none.
std::string_view extensionOf(std::string_view name) {
  size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  return name.substr(dot + 1);
}

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
  return out;
}

base::TimePoint modificationTime(const struct stat& st) {
  using namespace std::chrono;
  return system_clock::from_time_t(st.st_mtim.tv_sec) +
         duration_cast<system_clock::duration>(nanoseconds(st.st_mtim.tv_nsec));
}

// Decides, on the walker's threads, what the search looks at: hidden
// entries, anything deeper than deepestLevel and links are passed over;
// package folders are not entered; an entry named like an installer is
// taken as it is, so a matched folder is not entered either.
WalkAction installerRule(const WalkDirectory& parent, const WalkEntry& entry) {
  if (entry.name.empty() || entry.name[0] == '.' || parent.level + 1 > InstallerScanner::deepestLevel)
    return WalkAction::Skip;
  std::string_view ext = extensionOf(entry.name);
  if (isOneOf(ext, installerExtensions)) {
    // Trashing a link frees nothing, and a pipe or device is no download.
    bool real = entry.type == EntryType::File || entry.type == EntryType::Directory;
    return real ? WalkAction::Report : WalkAction::Skip;
  }
  if (entry.type != EntryType::Directory || isOneOf(ext, packageExtensions)) return WalkAction::Skip;
  return WalkAction::Descend;
}

}  // namespace

std::vector<std::string> InstallerScanner::candidateFolders(const platform::EngineContext& ctx) {
  if (!ctx.homeUsable()) return {};
  std::vector<std::string> folders;
  for (std::string path :
       {ctx.inHome("Downloads"), ctx.inHome("Desktop"), ctx.downloadFolder, ctx.desktopFolder}) {
    path = base::standardize(path);
    struct stat st {};
    if (path.empty() || std::find(folders.begin(), folders.end(), path) != folders.end()) continue;
    if (stat(path.c_str(), &st) == 0) folders.push_back(std::move(path));
  }
  return folders;
}

std::vector<BigItem> InstallerScanner::scan(const platform::EngineContext& ctx) {
  return scan(ctx, DiskScanner::allocatedSize, std::chrono::system_clock::now());
}

std::vector<BigItem> InstallerScanner::scan(const platform::EngineContext& ctx, const SizeMeasure& sizeOf,
                                            base::TimePoint now) {
  std::vector<BigItem> items;
  // ~/Desktop may be a link to ~/Downloads (or the reverse), and the
  // desktop's own folders may lie inside them: search each folder once and
  // count each installer once, however it is reached.
  std::set<std::pair<dev_t, ino_t>> searched;
  std::set<std::pair<dev_t, ino_t>> seenItems;
  const std::string homePrefix = ctx.home + "/";

  for (const std::string& folder : candidateFolders(ctx)) {
    struct stat folderStat {};
    if (stat(folder.c_str(), &folderStat) != 0 ||
        !searched.insert({folderStat.st_dev, folderStat.st_ino}).second)
      continue;
    for (const WalkReport& found : TreeWalker::visit(folder, installerRule, {.includeFiles = true})) {
      std::string path = base::standardize(found.path);
      struct stat st {};
      if (lstat(path.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) continue;  // gone, or a link since the walk
      if (!seenItems.insert({st.st_dev, st.st_ino}).second) continue;
      // Trashing a mount point cannot work; a credential is never offered.
      if (ctx.isMountPoint(path) || PathSafety::touchesCredential(path, ctx)) continue;
      int64_t size = sizeOf(path);
      if (size < minimumBytes) continue;
      std::string ext = lowered(extensionOf(base::lastComponent(path)));
      std::string parent(base::parentPath(path));
      BigItem item;
      item.id = path;
      item.url = path;
      item.name = std::string(base::lastComponent(path));
      item.location = parent.starts_with(homePrefix) ? parent.substr(homePrefix.size()) : parent;
      item.sizeBytes = size;
      item.isDirectory = ext == "mpkg";
      item.kind = BigItem::Kind::installer;
      item.identity = FileIdentity{st.st_dev, st.st_ino};
      item.note = note(ext, modificationTime(st), now);
      items.push_back(std::move(item));
    }
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const BigItem& a, const BigItem& b) { return a.sizeBytes > b.sizeBytes; });
  return items;
}

std::string InstallerScanner::note(std::string_view extension, std::optional<base::TimePoint> modified) {
  return note(extension, modified, std::chrono::system_clock::now());
}

std::string InstallerScanner::note(std::string_view extension, std::optional<base::TimePoint> modified,
                                   base::TimePoint now) {
  std::string text = extension == "iso"                          ? "Disc image."
                     : extension == "pkg" || extension == "mpkg" ? "Installer package."
                                                                 : "Disk image.";
  if (std::string age = ageText(modified, now); !age.empty()) text += " Added " + age + ".";
  return text + " Safe to trash once you've installed the app.";
}

std::string InstallerScanner::ageText(std::optional<base::TimePoint> date) {
  return ageText(date, std::chrono::system_clock::now());
}

std::string InstallerScanner::ageText(std::optional<base::TimePoint> date, base::TimePoint now) {
  if (!date) return {};
  int64_t days = base::elapsedLocalDays(*date, now);
  if (days < 1) return "today";
  if (days < 30) return std::to_string(days) + (days == 1 ? " day ago" : " days ago");
  if (days < 360) return std::to_string(days / 30) + (days >= 60 ? " months ago" : " month ago");
  return std::to_string(days / 360) + (days >= 720 ? " years ago" : " year ago");
}

}  // namespace tidewell::engine
