#include "platform/core/Trash.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <ctime>
#include <latch>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "base/Paths.h"
#include "platform/core/ReachedItem.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/TimeFixtures.h"
#include "testkit/support/TrashChecks.h"

namespace tidewell::platform {
namespace {

using Kind = FailureReason::Kind;
using testing::exists;
using testing::file;
using testing::FixtureHome;
using testing::folder;
using testing::moveToFixtureTrash;
using testing::namesIn;
using testing::readFile;
using testing::readTrashInfo;
using testing::symlink;
using testing::writeFile;

std::string trashFiles(const EngineContext& ctx) { return ctx.trashHome + "/files"; }
std::string trashInfo(const EngineContext& ctx) { return ctx.trashHome + "/info"; }

// The info file of a trashed item, checked to name `original` and a
// deletion date within [before, after]. The date is written and read back
// in local time: callers pin the zone for both, so a repeated
// autumn hour cannot shift it.
void expectInfo(const EngineContext& ctx, const std::string& trashName, const std::string& original,
                std::time_t before, std::time_t after) {
  auto info = readTrashInfo(trashInfo(ctx) + "/" + trashName + ".trashinfo");
  ASSERT_TRUE(info) << trashName;
  EXPECT_EQ(info->path, original);
  EXPECT_GE(info->deletedAt, before - 1);
  EXPECT_LE(info->deletedAt, after + 1);
}

TEST(Trash, MovesAFileFolderOrLinkWithItsInfo) {
  testing::ScopedTimeZone zone(testing::kUtc);
  struct Case {
    std::string relative;  // below the home
    mode_t type;           // S_IFREG, S_IFDIR, S_IFLNK
    std::string content;   // file text, the text of a file inside a folder, or the link text
  };
  FixtureHome fx({folder("Projects/app/src")});
  writeFile(fx.path("Documents/report.pdf"), "report");
  writeFile(fx.path("Projects/app/src/main.c"), "int main;");
  writeFile(fx.outside("victim/keep.txt"), "keep");
  fx.add({symlink("Documents/to-victim", "{root}/victim"), symlink("Documents/dangling", "{root}/nothing")});
  const std::string victim = fx.outside("victim");
  const Case cases[] = {
      {"Documents/report.pdf", S_IFREG, "report"},
      {"Projects/app", S_IFDIR, "int main;"},
      {"Documents/to-victim", S_IFLNK, victim},
      {"Documents/dangling", S_IFLNK, fx.outside("nothing")},
  };
  const EngineContext ctx = fx.context();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.relative);
    const std::string original = fx.path(c.relative);
    const std::string name(base::lastComponent(original));
    std::string trashed;
    const std::time_t before = std::time(nullptr);
    ASSERT_TRUE(moveToFixtureTrash(original, ctx, &trashed));
    const std::time_t after = std::time(nullptr);

    EXPECT_FALSE(exists(original));
    EXPECT_EQ(trashed, trashFiles(ctx) + "/" + name);
    struct stat st {};
    ASSERT_EQ(lstat(trashed.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & S_IFMT, c.type);
    if (c.type == S_IFREG) {
      EXPECT_EQ(readFile(trashed), c.content);
    }
    if (c.type == S_IFDIR) {
      EXPECT_EQ(readFile(trashed + "/src/main.c"), c.content);
    }
    if (c.type == S_IFLNK) {
      char text[4096] = {};
      ASSERT_GT(readlink(trashed.c_str(), text, sizeof text - 1), 0);
      EXPECT_EQ(std::string(text), c.content);
    }
    expectInfo(ctx, name, original, before, after);
  }
  EXPECT_EQ(readFile(fx.outside("victim/keep.txt")), "keep");
  for (const char* made : {"", "/files", "/info"}) {
    struct stat st {};
    ASSERT_EQ(stat((ctx.trashHome + made).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u) << made;
  }
}

TEST(Trash, MovesOnlyTheEntryItWasAskedForThroughTheFolderReached) {
  testing::ScopedTimeZone zone(testing::kUtc);
  FixtureHome fx({folder("Documents/box")});
  fx.addOutside({testing::folder("victim/box"), file("victim/sentinel", 1000)});
  const EngineContext ctx = fx.context();
  auto noTopDirectory = [](const std::string& physical) {
    ADD_FAILURE() << physical << " was sent to a top-directory trash";
    return std::string();
  };
  const std::string item = fx.path("Documents/box/a.txt");
  writeFile(item, "first");
  const auto first = testing::identityAt(item);
  ASSERT_TRUE(first);
  auto reached = ReachedItem::reach(ctx.home, item);
  ASSERT_TRUE(reached);

  // Another file took the name after the item was found, then nothing is there.
  writeFile(fx.path("Documents/box/b.txt"), "second");
  ASSERT_EQ(rename(fx.path("Documents/box/b.txt").c_str(), item.c_str()), 0);
  EXPECT_EQ(Trash::moveToTrash(*reached, *first, ctx, nullptr, noTopDirectory),
            Attempt::failed(Kind::notScanned));
  EXPECT_EQ(readFile(item), "second");
  ASSERT_EQ(unlink(item.c_str()), 0);
  EXPECT_EQ(Trash::moveToTrash(*reached, *first, ctx, nullptr, noTopDirectory), Attempt::failed(Kind::gone));
  EXPECT_FALSE(exists(ctx.trashHome));

  // The folder is swapped for a link once the item was reached; outside,
  // the same file under the same name. The move acts on the folder reached.
  writeFile(item, "mine");
  const auto mine = testing::identityAt(item);
  ASSERT_TRUE(mine);
  ASSERT_EQ(link(item.c_str(), fx.outside("victim/box/a.txt").c_str()), 0);
  reached = ReachedItem::reach(ctx.home, item);
  ASSERT_TRUE(reached);
  ASSERT_EQ(rename(fx.path("Documents/box").c_str(), fx.path("Documents/moved").c_str()), 0);
  fx.add({symlink("Documents/box", "{root}/victim/box")});
  std::string trashed;
  ASSERT_TRUE(Trash::moveToTrash(*reached, *mine, ctx, &trashed, noTopDirectory));
  EXPECT_EQ(readFile(trashed), "mine");
  EXPECT_FALSE(exists(fx.path("Documents/moved/a.txt")));
  EXPECT_EQ(readFile(fx.outside("victim/box/a.txt")), "mine");
  expectInfo(ctx, "a.txt", item, 0, std::time(nullptr));
  EXPECT_EQ(readFile(fx.outside("victim/sentinel")).size(), 1000u);
}

TEST(Trash, RecordsOddNamesSoTheyDecodeBack) {
  testing::ScopedTimeZone zone(testing::kUtc);
  const std::string names[] = {"a b.txt", "100%",       "caf\xC3\xA9 \xE6\x97\xA5\xE8\xA8\x98",
                               "raw\xFF", "two\nlines", "#?&=+"};
  FixtureHome fx;
  const EngineContext ctx = fx.context();
  for (const std::string& name : names) {
    const std::string original = fx.path("Odd Folder/" + name);
    writeFile(original, name);
    std::string trashed;
    ASSERT_TRUE(moveToFixtureTrash(original, ctx, &trashed)) << name;
    EXPECT_EQ(readFile(trashed), name);
    expectInfo(ctx, name, original, 0, std::time(nullptr));
  }
}

TEST(Trash, SameNamesGetNamesOfTheirOwn) {
  testing::ScopedTimeZone zone(testing::kUtc);
  FixtureHome fx;
  const EngineContext ctx = fx.context();
  std::vector<std::string> trashedPaths;
  for (const char* dir : {"a", "b", "c"}) {
    const std::string original = fx.path(std::string(dir) + "/notes.txt");
    writeFile(original, dir);
    std::string trashed;
    ASSERT_TRUE(moveToFixtureTrash(original, ctx, &trashed)) << dir;
    EXPECT_EQ(readFile(trashed), dir);
    const std::string trashName(base::lastComponent(trashed));
    expectInfo(ctx, trashName, original, 0, std::time(nullptr));
    trashedPaths.push_back(trashed);
  }
  EXPECT_EQ(std::set<std::string>(trashedPaths.begin(), trashedPaths.end()).size(), 3u);
  EXPECT_EQ(namesIn(trashFiles(ctx)).size(), 3u);
  EXPECT_EQ(namesIn(trashInfo(ctx)).size(), 3u);
}

TEST(Trash, AnItemLeftInFilesWithoutInfoKeepsItsName) {
  // Another client that stopped half way left files/notes.txt behind.
  FixtureHome fx;
  const EngineContext ctx = fx.context();
  writeFile(trashFiles(ctx) + "/notes.txt", "orphan");
  writeFile(fx.path("notes.txt"), "mine");
  std::string trashed;
  ASSERT_TRUE(moveToFixtureTrash(fx.path("notes.txt"), ctx, &trashed));
  EXPECT_NE(trashed, trashFiles(ctx) + "/notes.txt");
  EXPECT_EQ(readFile(trashed), "mine");
  EXPECT_EQ(readFile(trashFiles(ctx) + "/notes.txt"), "orphan");
  EXPECT_EQ(namesIn(trashInfo(ctx)),
            std::vector<std::string>{std::string(base::lastComponent(trashed)) + ".trashinfo"});
}

TEST(Trash, OverlappingRequestsForSameNamedItemsAllSucceed) {
  constexpr int kThreads = 8;
  constexpr int kEach = 6;
  FixtureHome fx;
  const EngineContext ctx = fx.context();
  for (int i = 0; i < kThreads * kEach; ++i)
    writeFile(fx.path("p" + std::to_string(i) + "/node_modules/owner"), std::to_string(i));

  std::vector<std::vector<std::string>> trashed(kThreads);
  std::vector<int> failures(kThreads, 0);
  std::latch start(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      start.arrive_and_wait();
      for (int k = 0; k < kEach; ++k) {
        std::string out;
        if (moveToFixtureTrash(fx.path("p" + std::to_string(t * kEach + k) + "/node_modules"), ctx, &out))
          trashed[t].push_back(out);
        else
          ++failures[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();

  std::set<std::string> distinct;
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_EQ(failures[t], 0) << t;
    distinct.insert(trashed[t].begin(), trashed[t].end());
  }
  EXPECT_EQ(distinct.size(), size_t(kThreads * kEach));
  // Every item arrived whole and its info file names the folder it came from.
  std::set<std::string> owners;
  for (const std::string& path : distinct) {
    const std::string owner = readFile(path + "/owner");
    owners.insert(owner);
    auto info = readTrashInfo(trashInfo(ctx) + "/" + std::string(base::lastComponent(path)) + ".trashinfo");
    ASSERT_TRUE(info) << path;
    EXPECT_EQ(info->path, fx.path("p" + owner + "/node_modules"));
  }
  EXPECT_EQ(owners.size(), size_t(kThreads * kEach));
  EXPECT_EQ(namesIn(trashInfo(ctx)).size(), size_t(kThreads * kEach));
}

TEST(Trash, AVanishedItemLeavesNoInfoBehind) {
  FixtureHome fx({folder("Documents")});
  const EngineContext ctx = fx.context();
  std::string trashed = "untouched";
  EXPECT_FALSE(moveToFixtureTrash(fx.path("Documents/gone.txt"), ctx, &trashed));
  EXPECT_FALSE(moveToFixtureTrash(fx.path("Nowhere/gone.txt"), ctx, &trashed));
  EXPECT_EQ(trashed, "untouched");
  EXPECT_TRUE(namesIn(trashInfo(ctx)).empty());
  EXPECT_TRUE(namesIn(trashFiles(ctx)).empty());
}

TEST(Trash, RefusesTheTrashWhatHoldsItAndWhatIsInIt) {
  FixtureHome fx;
  const EngineContext ctx = fx.context();
  writeFile(fx.path("old.txt"), "old");
  ASSERT_TRUE(moveToFixtureTrash(fx.path("old.txt"), ctx));
  // A second spelling of the data folder through a link.
  fx.add({symlink("alias", "{home}/.local")});
  const std::pair<std::string, Kind> refused[] = {
      {ctx.trashHome, Kind::inTrash},
      {ctx.trashHome + "/", Kind::inTrash},
      {ctx.trashHome + "/.", Kind::inTrash},
      {ctx.trashHome + "/files", Kind::inTrash},
      {ctx.trashHome + "/info", Kind::inTrash},
      {ctx.trashHome + "/files/old.txt", Kind::inTrash},
      {ctx.trashHome + "/info/old.txt.trashinfo", Kind::inTrash},
      {fx.path(".local/share"), Kind::inTrash},
      {fx.path(".local"), Kind::inTrash},
      // Its ".." taken textually: .local/.local, which is not there.
      {fx.path(".local/share/Trash/../../.local"), Kind::gone},
      {fx.path("alias/share"), Kind::inTrash},
      {fx.path("alias/share/Trash"), Kind::inTrash},
      {fx.home(), Kind::inTrash},
  };
  for (const auto& [path, reason] : refused)
    EXPECT_EQ(moveToFixtureTrash(path, ctx), Attempt::failed(reason)) << path;
  EXPECT_EQ(namesIn(trashFiles(ctx)), std::vector<std::string>{"old.txt"});
  EXPECT_EQ(namesIn(trashInfo(ctx)), std::vector<std::string>{"old.txt.trashinfo"});
  EXPECT_TRUE(exists(fx.path("alias")));
}

TEST(Trash, RefusesWithoutAUsableHomeOrPath) {
  FixtureHome fx;
  writeFile(fx.path("a.txt"), "a");
  struct Case {
    const char* what;
    std::string home;
    std::string trashHome;
    std::string path;
    Kind refusal;  // a path the Trash is never handed is unreachable
  };
  const EngineContext good = fx.context();
  const Case cases[] = {
      {"empty home", "", good.trashHome, fx.path("a.txt"), Kind::homeUnusable},
      {"root home", "/", good.trashHome, fx.path("a.txt"), Kind::homeUnusable},
      {"relative home", "home", good.trashHome, fx.path("a.txt"), Kind::homeUnusable},
      {"no trash", good.home, "", fx.path("a.txt"), Kind::noTrash},
      {"relative trash", good.home, "Trash", fx.path("a.txt"), Kind::noTrash},
      {"root trash", good.home, "/", fx.path("a.txt"), Kind::noTrash},
      {"relative path", good.home, good.trashHome, "home/a.txt", Kind::unreachable},
      {"empty path", good.home, good.trashHome, "", Kind::unreachable},
      {"root path", good.home, good.trashHome, "/", Kind::unreachable},
  };
  for (const Case& c : cases) {
    EngineContext ctx = good;
    ctx.home = c.home;
    ctx.trashHome = c.trashHome;
    EXPECT_EQ(moveToFixtureTrash(c.path, ctx), Attempt::failed(c.refusal)) << c.what;
  }
  EXPECT_EQ(readFile(fx.path("a.txt")), "a");
  EXPECT_FALSE(exists(good.trashHome));
}

TEST(Trash, ANameTooLongForItsInfoFileIsShortened) {
  testing::ScopedTimeZone zone(testing::kUtc);
  // 3 + 82 * 3 = 249 bytes: a legal name, but too long once ".trashinfo" is added.
  std::string name = "abc";
  for (int i = 0; i < 82; ++i) name += "\xE6\x97\xA5";
  FixtureHome fx;
  const EngineContext ctx = fx.context();
  const std::string original = fx.path(name);
  writeFile(original, "long");
  std::string trashed;
  ASSERT_TRUE(moveToFixtureTrash(original, ctx, &trashed));
  const std::string trashName(base::lastComponent(trashed));
  EXPECT_LT(trashName.size(), name.size());
  EXPECT_EQ(name.compare(0, trashName.size(), trashName), 0);
  // Cut between characters, never inside one.
  EXPECT_EQ((trashName.size() - 3) % 3, 0u);
  EXPECT_EQ(readFile(trashed), "long");
  expectInfo(ctx, trashName, original, 0, std::time(nullptr));
}

TEST(Trash, ANameThatIsNotUtf8IsCutBetweenBytesNeverToNothing) {
  testing::ScopedTimeZone zone(testing::kUtc);
  // 250 bytes, every one a UTF-8 continuation byte: cutting back to a
  // character boundary would leave nothing.
  const std::string name(250, '\x80');
  FixtureHome fx;
  const EngineContext ctx = fx.context();
  std::vector<std::string> trashNames;
  for (const char* folder : {"a", "b"}) {
    const std::string original = fx.path(std::string(folder) + "/" + name);
    writeFile(original, folder);
    std::string trashed;
    ASSERT_TRUE(moveToFixtureTrash(original, ctx, &trashed)) << folder;
    EXPECT_EQ(readFile(trashed), folder);
    const std::string trashName(base::lastComponent(trashed));
    trashNames.push_back(trashName);
    expectInfo(ctx, trashName, original, 0, std::time(nullptr));
  }
  const std::string cut = name.substr(0, 238);
  EXPECT_EQ(trashNames, (std::vector<std::string>{cut, cut + ".2"}));
  EXPECT_EQ(namesIn(trashInfo(ctx)), (std::vector<std::string>{cut + ".2.trashinfo", cut + ".trashinfo"}));
}

}  // namespace
}  // namespace tidewell::platform
