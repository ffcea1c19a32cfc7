#pragma once
// Reading back what the Trash wrote, the way another Trash client would:
// the .trashinfo fields decoded, the deletion date parsed, a folder listed.

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/core/ReachedItem.h"
#include "platform/core/Trash.h"
#include "testkit/support/FailurePrinting.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/RootFixtures.h"

namespace tidewell::testing {

struct TrashInfoFields {
  std::string path;  // decoded
  std::time_t deletedAt = 0;
};

inline int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Absent when a "%" is not followed by two hex digits.
inline std::optional<std::string> percentDecoded(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    int hi = i + 1 < text.size() ? hexValue(text[i + 1]) : -1;
    int lo = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
    if (hi < 0 || lo < 0) return std::nullopt;
    out += char(hi * 16 + lo);
    i += 2;
  }
  return out;
}

// A local "YYYY-MM-DDThh:mm:ss" and nothing more.
inline std::optional<std::time_t> parsedLocalDate(const std::string& text) {
  std::tm tm{};
  const char* end = strptime(text.c_str(), "%Y-%m-%dT%H:%M:%S", &tm);
  if (!end || *end != '\0' || text.size() != 19) return std::nullopt;
  tm.tm_isdst = -1;
  std::time_t t = std::mktime(&tm);
  if (t == -1) return std::nullopt;
  return t;
}

// The fields of a .trashinfo file; absent unless it holds exactly the
// header line, one Path= and one DeletionDate= line that parse.
inline std::optional<TrashInfoFields> readTrashInfo(const std::string& file) {
  const std::string text = readFile(file);
  const std::string header = "[Trash Info]\n";
  if (text.compare(0, header.size(), header) != 0 || text.empty() || text.back() != '\n') return std::nullopt;
  std::optional<std::string> path, date;
  for (size_t pos = header.size(); pos < text.size();) {
    size_t end = text.find('\n', pos);
    const std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (line.rfind("Path=", 0) == 0 && !path) {
      path = percentDecoded(line.substr(5));
      if (!path) return std::nullopt;
    } else if (line.rfind("DeletionDate=", 0) == 0 && !date) {
      date = line.substr(13);
    } else {
      return std::nullopt;
    }
  }
  if (!path || !date) return std::nullopt;
  auto when = parsedLocalDate(*date);
  if (!when) return std::nullopt;
  return TrashInfoFields{*path, *when};
}

// Names in a folder, "." and ".." left out, sorted; empty when unreadable.
inline std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (dirent* e = readdir(dir)) {
      std::string name = e->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Trash::moveToTrash for whatever is at path now: reached from "/", and
// expected to be what is there at the call. For tests of the Trash itself;
// the engine reaches an item from its own area and expects what its scan
// saw.
// Nothing that cannot be reached, or is not there, reaches the Trash.
inline platform::Attempt moveToTrashAsItIs(const std::string& path, const platform::EngineContext& ctx,
                                           std::string* trashedPath,
                                           const platform::Trash::TopDirectoryFinder& topDirectoryOf) {
  using Kind = platform::FailureReason::Kind;
  const auto item = platform::ReachedItem::reach("/", path);
  if (!item) return platform::Attempt::failed(Kind::unreachable);
  struct stat st {};
  if (!item->look(st)) return platform::Attempt::failed(Kind::gone);
  return platform::Trash::moveToTrash(*item, {st.st_dev, st.st_ino}, ctx, trashedPath, topDirectoryOf);
}

inline platform::Attempt moveToTrashAsItIs(const std::string& path, const platform::EngineContext& ctx,
                                           std::string* trashedPath = nullptr) {
  return moveToTrashAsItIs(path, ctx, trashedPath, ctx.topDirectoryOf);
}

// The same for an item on the fixture's own file system. Should a fault
// ever send it to a top-directory trash, the test fails instead of writing
// into the real top directory (such as "/.Trash-0").
inline platform::Attempt moveToFixtureTrash(const std::string& path, const platform::EngineContext& ctx,
                                            std::string* trashedPath = nullptr) {
  return moveToTrashAsItIs(path, ctx, trashedPath, [](const std::string& physical) {
    ADD_FAILURE() << physical << " was sent to a top-directory trash";
    return std::string();
  });
}

// A tmpfs mounted at root/other of the fixture: a file system of its own
// that lies inside the fixture, so no test writes into a real mount (such
// as /dev/shm) or its Trash. path() is empty where mounting is not
// permitted: the test should then skip.
class OtherFileSystem {
 public:
  explicit OtherFileSystem(const FixtureHome& fx) : mount_(mountAt(fx.outside("other"))) {
    if (mount_.ok()) path_ = fx.outside("other");
  }
  const std::string& path() const { return path_; }

 private:
  static ScopedMount mountAt(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return ScopedMount::tmpfs(folder);
  }
  ScopedMount mount_;
  std::string path_;
};

inline constexpr const char* kNeedsMounts = "mounting a file system inside the fixture needs root";

}  // namespace tidewell::testing
