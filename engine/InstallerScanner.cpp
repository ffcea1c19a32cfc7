#include "engine/InstallerScanner.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "engine/DiskScanner.h"
#include "platform/core/Paths.h"

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

bool contains(const auto& list, std::string_view value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

// The text after the last dot, lower-cased; a name that only begins with a
// dot (".dmg") has none.
std::string lowerExtension(std::string_view name) {
  size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  std::string ext(name.substr(dot + 1));
  for (char& c : ext) c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
  return ext;
}

platform::TimePoint modificationTime(const struct stat& st) {
  using namespace std::chrono;
  return system_clock::from_time_t(st.st_mtim.tv_sec) +
         duration_cast<system_clock::duration>(nanoseconds(st.st_mtim.tv_nsec));
}

struct Examined {
  std::string path;
  std::string_view name;
  std::string ext;
  const struct stat& st;
};

// Depth-first walk of the open folder fd (at level - 1) in listing order.
// Hidden entries are passed over, links are never followed, nothing deeper
// than deepestLevel is examined, and package folders are not entered.
// examine() sees every other entry and answers true when it took the entry
// as an installer, so a matched folder is not entered either.
template <class Examine>
void walk(int fd, const std::string& folder, int level, Examine& examine) {
  DIR* dir = fdopendir(fd);
  if (!dir) {
    close(fd);
    return;
  }
  while (dirent* entry = readdir(dir)) {
    std::string_view name = entry->d_name;
    if (name.empty() || name[0] == '.') continue;
    struct stat st {};
    if (fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISLNK(st.st_mode)) continue;  // trashing a link frees nothing
    Examined seen{platform::joinPath(folder, name), name, lowerExtension(name), st};
    bool taken = examine(seen);
    if (taken || !S_ISDIR(st.st_mode) || level >= InstallerScanner::deepestLevel ||
        contains(packageExtensions, seen.ext))
      continue;
    int child = openat(dirfd(dir), entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (child >= 0) walk(child, seen.path, level + 1, examine);
  }
  closedir(dir);
}

}  // namespace

std::vector<std::string> InstallerScanner::candidateFolders() {
  return candidateFolders(platform::EngineContext::machine());
}

std::vector<std::string> InstallerScanner::candidateFolders(const platform::EngineContext& ctx) {
  if (!ctx.homeUsable()) return {};
  std::vector<std::string> folders;
  for (std::string_view name : {"Downloads", "Desktop"}) {
    std::string path = ctx.inHome(name);
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) folders.push_back(std::move(path));
  }
  return folders;
}

std::vector<BigItem> InstallerScanner::scan() { return scan(platform::EngineContext::machine()); }

std::vector<BigItem> InstallerScanner::scan(const platform::EngineContext& ctx) {
  return scan(ctx, DiskScanner::allocatedSize, std::chrono::system_clock::now());
}

std::vector<BigItem> InstallerScanner::scan(const platform::EngineContext& ctx, const SizeMeasure& sizeOf,
                                            platform::TimePoint now) {
  std::vector<BigItem> items;
  std::set<std::string> seenPaths;
  // ~/Desktop may be a link to ~/Downloads (or the reverse); search such a
  // folder once so no installer is counted twice.
  std::set<std::pair<dev_t, ino_t>> searched;
  const std::string homePrefix = ctx.home + "/";

  auto examine = [&](const Examined& e) {
    if (!contains(installerExtensions, e.ext)) return false;
    if (!S_ISREG(e.st.st_mode) && !S_ISDIR(e.st.st_mode)) return true;
    std::string path = platform::standardize(e.path);
    if (!seenPaths.insert(path).second) return true;
    int64_t size = sizeOf(path);
    if (size < minimumBytes) return true;
    std::string folder(platform::parentPath(path));
    BigItem item;
    item.id = path;
    item.url = path;
    item.name = std::string(e.name);
    item.location = folder.starts_with(homePrefix) ? folder.substr(homePrefix.size()) : folder;
    item.sizeBytes = size;
    item.isDirectory = e.ext == "mpkg";
    item.kind = BigItem::Kind::installer;
    item.note = note(e.ext, modificationTime(e.st), now);
    items.push_back(std::move(item));
    return true;
  };

  for (const std::string& folder : candidateFolders(ctx)) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !searched.insert({st.st_dev, st.st_ino}).second) {
      close(fd);
      continue;
    }
    walk(fd, folder, 1, examine);
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const BigItem& a, const BigItem& b) { return a.sizeBytes > b.sizeBytes; });
  return items;
}

std::string InstallerScanner::note(std::string_view extension, std::optional<platform::TimePoint> modified) {
  return note(extension, modified, std::chrono::system_clock::now());
}

std::string InstallerScanner::note(std::string_view extension, std::optional<platform::TimePoint> modified,
                                   platform::TimePoint now) {
  std::string text = extension == "iso"                          ? "Disc image."
                     : extension == "pkg" || extension == "mpkg" ? "Installer package."
                                                                 : "Disk image.";
  if (std::string age = ageText(modified, now); !age.empty()) text += " Added " + age + ".";
  return text + " Safe to trash once you've installed the app.";
}

std::string InstallerScanner::ageText(std::optional<platform::TimePoint> date) {
  return ageText(date, std::chrono::system_clock::now());
}

std::string InstallerScanner::ageText(std::optional<platform::TimePoint> date, platform::TimePoint now) {
  if (!date) return {};
  int64_t days = platform::elapsedLocalDays(*date, now);
  if (days < 1) return "today";
  if (days < 30) return std::to_string(days) + (days == 1 ? " day ago" : " days ago");
  if (days < 360) return std::to_string(days / 30) + (days >= 60 ? " months ago" : " month ago");
  return std::to_string(days / 360) + (days >= 720 ? " years ago" : " year ago");
}

}  // namespace tidewell::engine
