#include "platform/linux/TrashDirectory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/core/Trash.h"
#include "testkit/support/ContainedRun.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/TrashChecks.h"

namespace tidewell::platform {
namespace {

using Kind = FailureReason::Kind;
using testing::exists;
using testing::FixtureHome;
using testing::moveToFixtureTrash;
using testing::namesIn;
using testing::readFile;
using testing::writeFile;

constexpr const char* kInfo = "[Trash Info]\nPath=/x\nDeletionDate=2024-01-01T00:00:00\n";

class Folder {
 public:
  explicit Folder(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
  ~Folder() {
    if (fd_ >= 0) close(fd_);
  }
  int fd() const { return fd_; }

 private:
  int fd_;
};

TEST(TrashDirectory, AFailedMoveGivesTheClaimedNameBack) {
  FixtureHome fx({testing::folder("Documents")});
  const std::string trashPath = fx.context().trashHome;
  auto trash = TrashDirectory::openHome(trashPath, fx.context().uid);
  ASSERT_TRUE(trash);
  EXPECT_EQ(trash->path(), trashPath);

  ASSERT_EQ(trash->claim("gone.txt", kInfo), "gone.txt");
  EXPECT_EQ(readFile(trashPath + "/info/gone.txt.trashinfo"), kInfo);
  // The item vanished between the claim and the move.
  Folder documents(fx.path("Documents"));
  const bool moved = trash->moveIn(documents.fd(), "gone.txt", "gone.txt");
  const int error = errno;
  EXPECT_FALSE(moved);
  EXPECT_EQ(error, ENOENT) << "the rename's errno, not the cleanup's";
  EXPECT_TRUE(namesIn(trashPath + "/info").empty());
  EXPECT_EQ(trash->claim("gone.txt", kInfo), "gone.txt");
}

TEST(TrashDirectory, AMoveNeverReplacesWhatAppearedInFiles) {
  FixtureHome fx;
  writeFile(fx.path("Documents/a.txt"), "mine");
  auto trash = TrashDirectory::openHome(fx.context().trashHome, fx.context().uid);
  ASSERT_TRUE(trash);
  const std::string name = trash->claim("a.txt", kInfo);
  ASSERT_EQ(name, "a.txt");
  // A client that ignores info files wrote the same name meanwhile.
  writeFile(trash->path() + "/files/a.txt", "theirs");
  Folder documents(fx.path("Documents"));
  const bool moved = trash->moveIn(documents.fd(), "a.txt", name);
  const int error = errno;
  EXPECT_FALSE(moved);
  EXPECT_EQ(error, EEXIST);
  EXPECT_EQ(readFile(trash->path() + "/files/a.txt"), "theirs");
  EXPECT_EQ(readFile(fx.path("Documents/a.txt")), "mine");
  EXPECT_TRUE(namesIn(trash->path() + "/info").empty());
}

TEST(TrashDirectory, AClaimCutShortLeavesNoRecordWithoutItsText) {
  // The process dies part way through each claim, as a kill -9 would:
  // a child stops dead at the seam, so nothing gets to clean up.
  FixtureHome fx;
  auto trash = TrashDirectory::openHome(fx.context().trashHome, fx.context().uid);
  ASSERT_TRUE(trash);
  ASSERT_EQ(trash->claim("kept.txt", kInfo), "kept.txt");
  for (int round = 0; round < 3; ++round) {
    const testing::ContainedRun cut = testing::runContained([&]() -> std::string {
      (void)trash->claim("notes.txt", kInfo, [] { _exit(0); });
      throw std::runtime_error("the seam was never reached");
    });
    ASSERT_TRUE(cut.ended) << round;
  }
  // What a Trash client lists is whole; the name that was being claimed
  // is still free.
  std::vector<std::string> records;
  for (const std::string& name : namesIn(trash->path() + "/info")) {
    if (!name.ends_with(".trashinfo")) continue;
    records.push_back(name);
    EXPECT_EQ(readFile(trash->path() + "/info/" + name), kInfo) << name;
  }
  EXPECT_EQ(records, std::vector<std::string>{"kept.txt.trashinfo"});
  EXPECT_EQ(trash->claim("notes.txt", kInfo), "notes.txt");
  EXPECT_EQ(readFile(trash->path() + "/info/notes.txt.trashinfo"), kInfo);
}

TEST(TrashDirectory, ClaimsNextNamesAndRefusesEmptyOnes) {
  FixtureHome fx;
  auto trash = TrashDirectory::openHome(fx.context().trashHome, fx.context().uid);
  ASSERT_TRUE(trash);
  EXPECT_EQ(trash->claim("x", kInfo), "x");
  EXPECT_EQ(trash->claim("x", kInfo), "x.2");
  EXPECT_EQ(trash->claim("x", kInfo), "x.3");
  EXPECT_EQ(trash->claim("x.2", kInfo), "x.2.2");
  EXPECT_EQ(trash->claim("y", ""), "");
  EXPECT_EQ(trash->claim("a/b", kInfo), "");
  EXPECT_EQ(trash->claim(std::string("a\0b", 3), kInfo), "");
  EXPECT_EQ(namesIn(trash->path() + "/info"),
            (std::vector<std::string>{"x.2.2.trashinfo", "x.2.trashinfo", "x.3.trashinfo", "x.trashinfo"}));
}

TEST(TrashDirectory, ANameIsNeverEmptyOrADotName) {
  // Another client would act on the whole "files" folder, or its parent.
  FixtureHome fx;
  auto trash = TrashDirectory::openHome(fx.context().trashHome, fx.context().uid);
  ASSERT_TRUE(trash);
  std::vector<std::string> claimed;
  for (const std::string& name : {std::string(), std::string("."), std::string(".."), std::string()}) {
    const std::string got = trash->claim(name, kInfo);
    ASSERT_EQ(got.rfind("item-", 0), 0u) << "'" << name << "' became '" << got << "'";
    EXPECT_EQ(readFile(trash->path() + "/info/" + got + ".trashinfo"), kInfo);
    claimed.push_back(got);
  }
  std::sort(claimed.begin(), claimed.end());
  EXPECT_EQ(std::unique(claimed.begin(), claimed.end()), claimed.end()) << "each a name of its own";
  EXPECT_EQ(namesIn(trash->path() + "/info").size(), 4u);
}

TEST(TrashDirectory, LongNamesAreCutOnCharactersOnlyWhenTheyAreUtf8) {
  FixtureHome fx;
  auto trash = TrashDirectory::openHome(fx.context().trashHome, fx.context().uid);
  ASSERT_TRUE(trash);
  std::string japanese = "ab";  // 2 + 83 * 3 = 251 bytes: the cut at 238 falls inside a character
  for (int i = 0; i < 83; ++i) japanese += "\xE6\x97\xA5";
  std::string broken = japanese;
  broken[100] = '\xFF';  // no longer UTF-8: cut between bytes
  const std::string overlong = std::string(236, 'a') + "\xC0\xAF" + "tail";  // an overlong "/"
  struct Case {
    const char* what;
    std::string name;
    std::string expected;
  };
  const Case cases[] = {
      {"valid UTF-8", japanese, japanese.substr(0, 236)},
      {"not UTF-8", broken, broken.substr(0, 238)},
      {"an overlong form is not UTF-8", overlong, overlong.substr(0, 238)},
      {"short names stay whole", "caf\xC3\xA9", "caf\xC3\xA9"},
      {"so do short broken ones", "\x80", "\x80"},
  };
  for (const Case& c : cases) EXPECT_EQ(trash->claim(c.name, kInfo), c.expected) << c.what;
}

TEST(TrashDirectory, TheHomeTrashMustHoldRealFolders) {
  struct Case {
    const char* what;
    void (*prepare)(FixtureHome& fx);
  };
  const Case cases[] = {
      {"files is a link",
       [](FixtureHome& fx) {
         fx.add({testing::folder(".local/share/Trash/info"),
                 testing::symlink(".local/share/Trash/files", "{root}/victim")});
       }},
      {"info is a link",
       [](FixtureHome& fx) {
         fx.add({testing::folder(".local/share/Trash/files"),
                 testing::symlink(".local/share/Trash/info", "{root}/victim")});
       }},
      {"the trash is a file",
       [](FixtureHome& fx) { writeFile(fx.path(".local/share/Trash"), "not a folder"); }},
      {"a parent is a file", [](FixtureHome& fx) { writeFile(fx.path(".local/share"), "not a folder"); }},
  };
  for (const Case& c : cases) {
    FixtureHome fx;
    fx.addOutside({testing::folder("victim")});
    writeFile(fx.path("a.txt"), "a");
    c.prepare(fx);
    // Each time a folder on the way is not one.
    const FailureReason expected{Kind::noTrash, ENOTDIR};
    FailureReason why;
    EXPECT_FALSE(TrashDirectory::openHome(fx.context().trashHome, fx.context().uid, &why)) << c.what;
    EXPECT_EQ(why, expected) << c.what;
    EXPECT_EQ(moveToFixtureTrash(fx.path("a.txt"), fx.context()), Attempt::failed(expected)) << c.what;
    EXPECT_EQ(readFile(fx.path("a.txt")), "a") << c.what;
    EXPECT_TRUE(namesIn(fx.outside("victim")).empty()) << c.what;
  }
}

TEST(TrashDirectory, TheHomeTrashMustBeTheUsersOwn) {
  // Another user could take away whatever is moved into a Trash that is
  // not private to this user, so nothing is moved there, nor copied.
  auto chmodIn = [](const std::string& path, mode_t mode) {
    ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
  };
  struct Case {
    const char* what;
    std::function<void(FixtureHome&, EngineContext&)> spoil;
    bool needsRoot = false;
  };
  const std::vector<Case> cases = {
      {"files is writable by others",
       [&](FixtureHome&, EngineContext& ctx) { chmodIn(ctx.trashHome + "/files", 0777); }},
      {"info is writable by the group",
       [&](FixtureHome&, EngineContext& ctx) { chmodIn(ctx.trashHome + "/info", 0770); }},
      {"the Trash is writable by others",
       [&](FixtureHome&, EngineContext& ctx) { chmodIn(ctx.trashHome, 0777); }},
      {"a shared data folder holds another user's Trash",
       [&](FixtureHome& fx, EngineContext& ctx) {
         fx.addOutside({testing::folder("shared/Trash/files"), testing::folder("shared/Trash/info")});
         chmodIn(fx.outside("shared/Trash/files"), 0777);
         ctx.trashHome = fx.outside("shared/Trash");
         ctx.uid += 4242;  // the folders belong to the process's user, not this one
       }},
      {"the Trash behind a link lies in a folder others may write",
       [&](FixtureHome& fx, EngineContext& ctx) {
         fx.addOutside({testing::folder("open/files"), testing::folder("open/info")});
         chmodIn(fx.outside("open"), 0777);
         ASSERT_EQ(rename(ctx.trashHome.c_str(), (ctx.trashHome + "-old").c_str()), 0);
         fx.add({testing::symlink(".local/share/Trash", "{root}/open")});
       }},
      {"the Trash belongs to someone else", [](FixtureHome&, EngineContext& ctx) { ctx.uid += 4242; }},
      {"files belongs to someone else",
       [](FixtureHome&, EngineContext& ctx) {
         ASSERT_EQ(chown((ctx.trashHome + "/files").c_str(), ctx.uid + 4242, getgid()), 0);
       },
       true},
  };
  for (const Case& c : cases) {
    if (c.needsRoot && geteuid() != 0) continue;  // only root may give a folder away
    SCOPED_TRACE(c.what);
    FixtureHome fx;
    fx.addOutside({testing::file("victim/sentinel", 1000)});
    EngineContext ctx = fx.context();
    // A sound Trash first, which then turns unfit.
    ASSERT_TRUE(TrashDirectory::openHome(ctx.trashHome, ctx.uid));
    writeFile(fx.path("Documents/a.txt"), "a");
    c.spoil(fx, ctx);
    FailureReason why;
    EXPECT_FALSE(TrashDirectory::openHome(ctx.trashHome, ctx.uid, &why));
    EXPECT_EQ(why, FailureReason{Kind::notOwnTrash});
    EXPECT_EQ(moveToFixtureTrash(fx.path("Documents/a.txt"), ctx), Attempt::failed(Kind::notOwnTrash));
    EXPECT_EQ(readFile(fx.path("Documents/a.txt")), "a");
    EXPECT_TRUE(namesIn(ctx.trashHome + "/files").empty());
    EXPECT_TRUE(namesIn(ctx.trashHome + "/info").empty());
    EXPECT_EQ(readFile(fx.outside("victim/sentinel")).size(), 1000u);
  }
}

TEST(TrashDirectory, TheHomeTrashMayLieBehindALink) {
  // A user who moved the data folder elsewhere on the same disk.
  FixtureHome fx(
      {testing::folder(".local/share"), testing::symlink(".local/share/Trash", "{root}/elsewhere")});
  fx.addOutside({testing::folder("elsewhere")});
  writeFile(fx.path("a.txt"), "a");
  std::string trashed;
  ASSERT_TRUE(moveToFixtureTrash(fx.path("a.txt"), fx.context(), &trashed));
  EXPECT_EQ(readFile(fx.outside("elsewhere/files/a.txt")), "a");
  EXPECT_TRUE(exists(fx.outside("elsewhere/info/a.txt.trashinfo")));
}

}  // namespace
}  // namespace tidewell::platform
