#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/walk/TreeWalker.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::engine {
namespace {

using namespace testing;

std::vector<std::string> pathsOf(const std::vector<WalkReport>& reports) {
  std::vector<std::string> paths;
  for (const auto& r : reports) paths.push_back(r.path);
  return paths;
}

// What the walker showed the visitor, folder by folder.
struct Seen {
  int level = -1;
  std::vector<std::string> entries;  // "name:type", sorted
  std::vector<std::string> offered;  // names passed to the visitor, sorted
};

const char* typeName(EntryType t) {
  switch (t) {
    case EntryType::Directory:
      return "dir";
    case EntryType::File:
      return "file";
    case EntryType::Symlink:
      return "link";
    case EntryType::Other:
      return "other";
  }
  return "?";
}

class Recorder {
 public:
  TreeWalker::Visitor visitor(TreeWalker::Visitor decide) {
    return [this, decide](const WalkDirectory& dir, const WalkEntry& entry) {
      {
        std::lock_guard lock(mutex_);
        Seen& s = seen_[std::string(dir.path)];
        if (s.level < 0) {
          s.level = dir.level;
          for (const auto& e : dir.entries) s.entries.push_back(std::string(e.name) + ":" + typeName(e.type));
          std::sort(s.entries.begin(), s.entries.end());
        }
        s.offered.push_back(std::string(entry.name));
        std::sort(s.offered.begin(), s.offered.end());
      }
      return decide(dir, entry);
    };
  }
  std::map<std::string, Seen> seen() const { return seen_; }

 private:
  std::mutex mutex_;
  std::map<std::string, Seen> seen_;
};

WalkAction descendAll(const WalkDirectory&, const WalkEntry&) { return WalkAction::Descend; }
WalkAction reportFiles(const WalkDirectory&, const WalkEntry& e) {
  return e.type == EntryType::File ? WalkAction::Report : WalkAction::Descend;
}

TEST(TreeWalkerVisit, ShowsEachFolderItsLevelAndAllItsEntries) {
  FixtureHome fx({file("r/package.json", 10), folder("r/build/obj"), file("r/build/obj/o", 5), fifo("r/pipe"),
                  symlink("r/link", "{home}/r/build"), file("r/.hidden/x", 1)});
  Recorder rec;
  WorkPool pool(4);
  EXPECT_TRUE(TreeWalker::visit(fx.path("r"), rec.visitor(descendAll), {}, pool).empty());
  const auto seen = rec.seen();
  const std::string r = fx.path("r");
  ASSERT_EQ(seen.count(r), 1u);
  EXPECT_EQ(seen.at(r).level, 0);
  EXPECT_EQ(seen.at(r).entries, (std::vector<std::string>{".hidden:dir", "build:dir", "link:link",
                                                          "package.json:file", "pipe:other"}));
  // Without includeFiles only folders are offered; a symlink to one is not.
  EXPECT_EQ(seen.at(r).offered, (std::vector<std::string>{".hidden", "build"}));
  ASSERT_EQ(seen.count(r + "/build"), 1u);
  EXPECT_EQ(seen.at(r + "/build").level, 1);
  EXPECT_EQ(seen.at(r + "/build").entries, (std::vector<std::string>{"obj:dir"}));
  // Folders without sub-folders are entered but offer nothing.
  EXPECT_EQ(seen.count(r + "/build/obj"), 0u);
  EXPECT_EQ(seen.count(r + "/link"), 0u);
}

TEST(TreeWalkerVisit, VisitorDecidesWhatIsEnteredAndReported) {
  FixtureHome fx({file("r/app/package.json", 1), folder("r/app/build/x/build"),
                  folder("r/app/node_modules/a/node_modules"), folder("r/plain/build/inner"),
                  file("r/.cache/build/f", 1), file("r/deep/1/2/3/node_modules/f", 1), file("r/Setup.dmg", 1),
                  file("r/sub/old.DMG", 1), file("r/.h.dmg", 1), symlink("r/linked", "{home}/r/app")});
  // A miniature artefact rule: node_modules anywhere; build only beside a
  // package.json; hidden folders skipped; nothing below level 4.
  auto artefacts = [](const WalkDirectory& dir, const WalkEntry& e) {
    if (e.name.starts_with(".") || dir.level + 1 > 4) return WalkAction::Skip;
    if (e.name == "node_modules") return WalkAction::Report;
    if (e.name == "build") {
      bool marker = std::any_of(dir.entries.begin(), dir.entries.end(),
                                [](const WalkEntry& s) { return s.name == "package.json"; });
      if (marker) return WalkAction::Report;
    }
    return WalkAction::Descend;
  };
  auto installers = [](const WalkDirectory&, const WalkEntry& e) {
    if (e.name.starts_with(".")) return WalkAction::Skip;
    std::string lower(e.name);
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    if (lower.ends_with(".dmg")) return WalkAction::Report;
    return WalkAction::Descend;
  };
  const std::string r = fx.path("r");
  for (unsigned workers : {0u, 1u, 16u}) {
    WorkPool pool(workers);
    auto found = TreeWalker::visit(r, artefacts, {}, pool);
    EXPECT_EQ(pathsOf(found), (std::vector<std::string>{r + "/app/build", r + "/app/node_modules"}))
        << workers;
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].level, 2);
    EXPECT_EQ(found[0].type, EntryType::Directory);

    // Files are offered only when asked for.
    EXPECT_TRUE(TreeWalker::visit(r, installers, {}, pool).empty());
    found = TreeWalker::visit(r, installers, {.includeFiles = true}, pool);
    EXPECT_EQ(pathsOf(found), (std::vector<std::string>{r + "/Setup.dmg", r + "/sub/old.DMG"})) << workers;
    EXPECT_EQ(found[1].level, 2);
    EXPECT_EQ(found[1].type, EntryType::File);
  }
}

TEST(TreeWalkerVisit, RootIsFollowedAndMustBeAFolder) {
  FixtureHome fx({file("r/a/x.dmg", 1), symlink("via", "{home}/r"), file("f", 1)});
  const auto all = reportFiles;
  auto found = TreeWalker::visit(fx.path("via"), all, {.includeFiles = true});
  EXPECT_EQ(pathsOf(found), (std::vector<std::string>{fx.path("via/a/x.dmg")}));
  found = TreeWalker::visit(fx.path("via") + "/", all, {.includeFiles = true});
  EXPECT_EQ(pathsOf(found), (std::vector<std::string>{fx.path("via/a/x.dmg")}));
  EXPECT_TRUE(TreeWalker::visit(fx.path("f"), all, {.includeFiles = true}).empty());
  EXPECT_TRUE(TreeWalker::visit(fx.path("missing"), all, {.includeFiles = true}).empty());
}

TEST(TreeWalkerVisit, VisitorMayWalkAgainFromInsideAFolder) {
  // A nested walk on the same thread must not disturb the entries of the
  // folder the visitor is looking at.
  FixtureHome fx;
  for (int i = 0; i < 30; ++i) fx.add({file("r/d" + std::to_string(i) + "/f", 4096 * (i + 1))});
  WorkPool pool(1);
  std::mutex mutex;
  std::map<std::string, int64_t> sizes;
  auto measureEach = [&](const WalkDirectory& dir, const WalkEntry& e) {
    const std::string path = std::string(dir.path) + "/" + std::string(e.name);
    int64_t size = TreeWalker::allocatedSize(path, pool);
    auto nested = TreeWalker::visit(path, reportFiles, {.includeFiles = true}, pool);
    std::lock_guard lock(mutex);
    sizes[std::string(e.name)] = size + int64_t(nested.size());
    return WalkAction::Report;
  };
  auto found = TreeWalker::visit(fx.path("r"), measureEach, {}, pool);
  EXPECT_EQ(found.size(), 30u);
  ASSERT_EQ(sizes.size(), 30u);
  for (int i = 0; i < 30; ++i) {
    struct stat st {};
    ASSERT_EQ(lstat(fx.path("r/d" + std::to_string(i) + "/f").c_str(), &st), 0);
    EXPECT_EQ(sizes["d" + std::to_string(i)], st.st_blocks * 512 + 1) << i;
  }
}

}  // namespace
}  // namespace tidewell::engine
