#include "platform/linux/DesktopEntry.h"

#include <sys/stat.h>

#include <algorithm>
#include <set>

#include "base/Paths.h"
#include "platform/core/DirectoryListing.h"
#include "platform/core/SmallFile.h"

namespace tidewell::platform {

namespace {

constexpr int kMaxFolderDepth = 4;
constexpr std::string_view kSuffix = ".desktop";

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The string escapes of the format: \s \n \t \r \\.
std::string unescape(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    switch (value[++i]) {
      case 's':
        out += ' ';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        out += '\\', out += value[i];
    }
  }
  return out;
}

// The program of an Exec line: its first word, which may be double-quoted
// with backslash escapes inside the quotes.
std::string firstWord(std::string_view exec) {
  size_t i = 0;
  while (i < exec.size() && (exec[i] == ' ' || exec[i] == '\t')) ++i;
  std::string word;
  if (i < exec.size() && exec[i] == '"') {
    for (++i; i < exec.size() && exec[i] != '"'; ++i) {
      if (exec[i] == '\\' && i + 1 < exec.size()) ++i;
      word += exec[i];
    }
    return word;
  }
  while (i < exec.size() && exec[i] != ' ' && exec[i] != '\t') word += exec[i++];
  return word;
}

void collect(const std::string& folder, const std::string& idPrefix, int depth,
             std::set<std::string>& decided, std::vector<DesktopEntry>& out) {
  for (const std::string& name : sortedDirectoryNames(folder)) {
    const std::string full = base::joinPath(folder, name);
    struct stat st {};
    if (::lstat(full.c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      if (depth < kMaxFolderDepth) collect(full, idPrefix + name + "-", depth + 1, decided, out);
      continue;
    }
    if (name.size() <= kSuffix.size() || !name.ends_with(kSuffix)) continue;
    const std::string id = idPrefix + name.substr(0, name.size() - kSuffix.size());
    if (decided.count(id)) continue;
    auto text = readSmallFile(full, DesktopEntry::kMaxBytes);
    if (!text) continue;
    // Readable: this file decides the id, even when it hides it.
    decided.insert(id);
    auto entry = DesktopEntry::parse(*text);
    if (!entry || !entry->shown()) continue;
    entry->id = id;
    entry->path = full;
    out.push_back(std::move(*entry));
  }
}

}  // namespace

std::optional<DesktopEntry> DesktopEntry::parse(std::string_view text) {
  DesktopEntry entry;
  bool inGroup = false, sawGroup = false, isApplication = false;
  std::set<std::string, std::less<>> seen;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      inGroup = line == "[Desktop Entry]";
      sawGroup = sawGroup || inGroup;
      continue;
    }
    if (!inGroup) continue;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = trim(line.substr(0, eq));
    const std::string_view value = trim(line.substr(eq + 1));
    // A repeated key is malformed; the first one counts.
    if (!seen.emplace(key).second) continue;
    if (key == "Type") {
      isApplication = value == "Application";
    } else if (key == "Name") {
      entry.name = unescape(value);
    } else if (key == "Exec") {
      entry.program = firstWord(unescape(value));
    } else if (key == "TryExec") {
      entry.tryExec = unescape(value);
    } else if (key == "Icon") {
      entry.icon = unescape(value);
    } else if (key == "NoDisplay") {
      entry.noDisplay = value == "true";
    } else if (key == "Hidden") {
      entry.hidden = value == "true";
    } else if (key == "Terminal") {
      entry.terminal = value == "true";
    }
  }
  if (!sawGroup || !isApplication) return std::nullopt;
  return entry;
}

std::vector<DesktopEntry> DesktopEntry::readFolders(const std::vector<std::string>& folders) {
  std::vector<DesktopEntry> out;
  std::set<std::string> decided;
  for (const std::string& folder : folders) collect(folder, "", 0, decided, out);
  return out;
}

}  // namespace tidewell::platform
