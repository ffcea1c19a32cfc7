#include "platform/linux/XdgUserDirs.h"

#include <algorithm>

#include "base/Paths.h"
#include "platform/core/HomeFolder.h"
#include "platform/core/SmallFile.h"

namespace tidewell::platform {

namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

struct Assignment {
  std::string_view key;
  std::string folder;  // standardized, absolute
};

// The key and folder one line assigns, or nothing when the line assigns none
// in the plain form the desktop writes.
std::optional<Assignment> assignmentOnLine(std::string_view line, const std::string& home) {
  line = trimmed(line);
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string_view key = line.substr(0, equals);
  if (key.size() <= 8 || key.substr(0, 4) != "XDG_" || key.substr(key.size() - 4) != "_DIR")
    return std::nullopt;

  const std::string_view quoted = line.substr(equals + 1);
  if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') return std::nullopt;
  const std::string_view value = quoted.substr(1, quoted.size() - 2);
  if (value.find_first_of("\"\\`") != std::string_view::npos || value.find('\0') != std::string_view::npos)
    return std::nullopt;

  std::string full;
  if (value.substr(0, 6) == "$HOME/")
    full = home + std::string(value.substr(5));
  else if (!value.empty() && value.front() == '/')
    full = std::string(value);
  else
    return std::nullopt;
  return Assignment{key, base::standardize(full)};
}

// Calls each(assignment) for every line that assigns a folder, in order.
template <class Each>
void forEachAssignment(std::string_view text, const std::string& home, Each&& each) {
  for (size_t pos = 0; pos < text.size();) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    if (auto assignment = assignmentOnLine(text.substr(pos, end - pos), home)) each(*assignment);
    pos = end + 1;
  }
}

}  // namespace

std::vector<std::string> parseXdgUserDirs(std::string_view text, std::string_view home) {
  std::vector<std::string> names;
  const std::string h(home);
  if (!isUsableHome(h)) return names;
  forEachAssignment(text, h, [&](const Assignment& a) {
    if (base::parentPath(a.folder) != h) return;
    std::string name(base::lastComponent(a.folder));
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
  });
  return names;
}

std::optional<std::string> parseXdgUserDir(std::string_view text, std::string_view key,
                                           std::string_view home) {
  const std::string h(home);
  if (!isUsableHome(h)) return std::nullopt;
  std::optional<std::string> folder;
  // Later lines win, as they would when the shell reads the file.
  forEachAssignment(text, h, [&](const Assignment& a) {
    if (a.key == key) folder = base::isBelow(a.folder, h) ? std::optional(a.folder) : std::nullopt;
  });
  return folder;
}

std::string readXdgUserDirsFile(const std::string& home) {
  if (!isUsableHome(home)) return {};
  // Read whenever an engine context is made: a FIFO must not hold it, and a
  // real file is a few hundred bytes, so a larger one is no real one.
  return readSmallFile(base::joinPath(home, ".config/user-dirs.dirs"), kMaxUserDirsBytes).value_or("");
}

std::vector<std::string> readXdgUserDirs(const std::string& home) {
  return parseXdgUserDirs(readXdgUserDirsFile(home), home);
}

}  // namespace tidewell::platform
