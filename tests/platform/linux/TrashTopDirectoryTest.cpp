// Items on a mount other than the home trash's go to that mount's own
// trash, or stay where they are: never copied. A tmpfs or a bind mount
// inside the fixture stands in for the top directory, so no test writes
// into a real top directory.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <ctime>
#include <string>

#include "platform/core/Trash.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/RootFixtures.h"
#include "testkit/support/TimeFixtures.h"
#include "testkit/support/TrashChecks.h"

namespace tidewell::platform {
namespace {

using Kind = FailureReason::Kind;
using testing::exists;
using testing::FixtureHome;
using testing::kNeedsMounts;
using testing::moveToTrashAsItIs;
using testing::namesIn;
using testing::OtherFileSystem;
using testing::readFile;
using testing::readTrashInfo;
using testing::writeFile;

void makeFolder(const std::string& path, mode_t mode) {
  ASSERT_EQ(mkdir(path.c_str(), mode), 0) << path;
  ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
}

TEST(TrashTopDirectory, ChoosesTheTrashOfTheItemsFileSystem) {
  struct Case {
    const char* what;
    void (*prepare)(const std::string& top, const std::string& uid);
    const char* trash;  // relative to the top directory; nullptr when the move must fail
    FailureReason refusal = {Kind::noTrash, ENOTDIR};  // when it fails
  };
  const Case cases[] = {
      {"nothing there yet", [](const std::string&, const std::string&) {}, "/.Trash-{uid}"},
      {"a shared sticky .Trash",
       [](const std::string& top, const std::string&) { makeFolder(top + "/.Trash", 01777); },
       "/.Trash/{uid}"},
      {"a shared .Trash already holding ours",
       [](const std::string& top, const std::string& uid) {
         makeFolder(top + "/.Trash", 01777);
         makeFolder(top + "/.Trash/" + uid, 0700);
       },
       "/.Trash/{uid}"},
      {"a shared .Trash without the sticky bit",
       [](const std::string& top, const std::string&) { makeFolder(top + "/.Trash", 0777); },
       "/.Trash-{uid}"},
      {"a shared .Trash that is a link",
       [](const std::string& top, const std::string&) {
         makeFolder(top + "/sticky", 01777);
         ASSERT_EQ(::symlink((top + "/sticky").c_str(), (top + "/.Trash").c_str()), 0);
       },
       "/.Trash-{uid}"},
      {"our folder in .Trash is a link",
       [](const std::string& top, const std::string& uid) {
         makeFolder(top + "/.Trash", 01777);
         makeFolder(top + "/elsewhere", 0700);
         ASSERT_EQ(::symlink((top + "/elsewhere").c_str(), (top + "/.Trash/" + uid).c_str()), 0);
       },
       "/.Trash-{uid}"},
      {"our own trash is a link",
       [](const std::string& top, const std::string& uid) {
         makeFolder(top + "/elsewhere", 0700);
         ASSERT_EQ(::symlink((top + "/elsewhere").c_str(), (top + "/.Trash-" + uid).c_str()), 0);
       },
       nullptr},
      {"our own trash is a file",
       [](const std::string& top, const std::string& uid) { writeFile(top + "/.Trash-" + uid, "x"); },
       nullptr},
      {"our own trash has files as a link",
       [](const std::string& top, const std::string& uid) {
         makeFolder(top + "/elsewhere", 0700);
         makeFolder(top + "/.Trash-" + uid, 0700);
         ASSERT_EQ(::symlink((top + "/elsewhere").c_str(), (top + "/.Trash-" + uid + "/files").c_str()), 0);
       },
       nullptr},
  };
  testing::ScopedTimeZone zone(testing::kUtc);  // the deletion date is written and read in local time
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FixtureHome fx;
    const EngineContext ctx = fx.context();
    const std::string uid = std::to_string(ctx.uid);
    OtherFileSystem scratch(fx);
    if (scratch.path().empty()) GTEST_SKIP() << kNeedsMounts;
    const std::string top = scratch.path();
    c.prepare(top, uid);
    const std::string original = top + "/sub/report 1.txt";
    writeFile(original, "report");
    writeFile(top + "/sub/keep.txt", "keep");
    auto topOf = [&](const std::string& physical) {
      EXPECT_EQ(physical, original);
      return top;
    };

    std::string trashed;
    const std::time_t before = std::time(nullptr);
    const Attempt moved = moveToTrashAsItIs(original, ctx, &trashed, topOf);
    if (!c.trash) {
      EXPECT_EQ(moved, Attempt::failed(c.refusal));
      EXPECT_EQ(readFile(original), "report");
      EXPECT_TRUE(namesIn(top + "/elsewhere").empty());
    } else {
      ASSERT_TRUE(moved);
      std::string trash = c.trash;
      trash.replace(trash.find("{uid}"), 5, uid);
      trash = top + trash;
      EXPECT_EQ(trashed, trash + "/files/report 1.txt");
      EXPECT_FALSE(exists(original));
      EXPECT_EQ(readFile(trashed), "report");
      auto info = readTrashInfo(trash + "/info/report 1.txt.trashinfo");
      ASSERT_TRUE(info);
      // Relative to the top directory, so the disk can be mounted elsewhere.
      EXPECT_EQ(info->path, "sub/report 1.txt");
      EXPECT_GE(info->deletedAt, before - 1);
      EXPECT_LE(info->deletedAt, std::time(nullptr) + 1);
      struct stat st {};
      ASSERT_EQ(lstat(trash.c_str(), &st), 0);
      EXPECT_TRUE(S_ISDIR(st.st_mode));
      EXPECT_EQ(st.st_mode & 07777, 0700u);
      EXPECT_EQ(st.st_uid, ctx.uid);
      EXPECT_TRUE(namesIn(top + "/sticky").empty());
      EXPECT_TRUE(namesIn(top + "/elsewhere").empty());
    }
    EXPECT_FALSE(exists(ctx.trashHome));
    EXPECT_EQ(readFile(top + "/sub/keep.txt"), "keep") << "the item's neighbour stays";
  }
}

TEST(TrashTopDirectory, ATrashOwnedBySomeoneElseIsNotUsed) {
  FixtureHome fx;
  OtherFileSystem scratch(fx);
  if (scratch.path().empty()) GTEST_SKIP() << kNeedsMounts;
  // The folder belongs to the process's user; a context for another user
  // must not take it (nor one it made itself, which it cannot own).
  EngineContext ctx = fx.context();
  ctx.uid = getuid() + 4242;
  const std::string theirs = scratch.path() + "/.Trash-" + std::to_string(ctx.uid);
  makeFolder(theirs, 0700);
  makeFolder(scratch.path() + "/.Trash", 01777);
  writeFile(scratch.path() + "/a.txt", "a");
  EXPECT_EQ(moveToTrashAsItIs(scratch.path() + "/a.txt", ctx, nullptr,
                              [&](const std::string&) { return scratch.path(); }),
            Attempt::failed(Kind::notOwnTrash));
  EXPECT_EQ(readFile(scratch.path() + "/a.txt"), "a");
  EXPECT_TRUE(namesIn(theirs).empty());
}

TEST(TrashTopDirectory, NeverCopiesWhenNoTrashOfThatFileSystemFits) {
  FixtureHome fx({testing::folder("Documents")});
  OtherFileSystem scratch(fx);
  if (scratch.path().empty()) GTEST_SKIP() << kNeedsMounts;
  const std::string item = scratch.path() + "/box/item";
  writeFile(item + "/inside.txt", "inside");
  struct Case {
    const char* what;
    std::string answer;
  };
  const Case cases[] = {
      {"no answer", ""},
      {"a folder on the home's file system", fx.path("Documents")},
      {"the item itself", item},
      {"a sibling folder", scratch.path() + "/box/other"},
      {"a relative folder", "box"},
      {"a folder that is not there", scratch.path() + "/missing"},
  };
  const EngineContext ctx = fx.context();
  for (const Case& c : cases) {
    writeFile(scratch.path() + "/box/other/keep", "k");
    EXPECT_EQ(moveToTrashAsItIs(item, ctx, nullptr, [&](const std::string&) { return c.answer; }),
              Attempt::failed(Kind::noTrash))
        << c.what;
    EXPECT_EQ(readFile(item + "/inside.txt"), "inside") << c.what;
  }
  EXPECT_EQ(moveToTrashAsItIs(item, ctx, nullptr, nullptr), Attempt::failed(Kind::noTrash));
  EXPECT_TRUE(namesIn(fx.path("Documents")).empty());
  EXPECT_FALSE(exists(ctx.trashHome));
  EXPECT_EQ(namesIn(scratch.path()), std::vector<std::string>{"box"});
  EXPECT_EQ(namesIn(scratch.path() + "/box"), (std::vector<std::string>{"item", "other"}));
}

TEST(TrashTopDirectory, AMountPointIsNeverMoved) {
  // Every other refusal is out of the way: the mount points lie in the
  // home, below their own parent's mount, the home trash is free to use and
  // the finder names a usable top directory. Only the mount-point rule
  // stands between the request and the Trash, so the test sees whether the
  // Trash was touched at all.
  FixtureHome fx({testing::folder("Documents/bound"), testing::folder("Documents/own")});
  fx.addOutside({testing::file("victim/keep.txt", 100)});
  const EngineContext ctx = fx.context();
  auto bound = testing::ScopedMount::bind(fx.outside("victim"), fx.path("Documents/bound"));
  auto own = testing::ScopedMount::tmpfs(fx.path("Documents/own"));
  if (!bound.ok() || !own.ok()) GTEST_SKIP() << kNeedsMounts;
  writeFile(fx.path("Documents/own/inside.txt"), "inside");
  auto topOf = [&](const std::string&) { return fx.path("Documents"); };
  for (const std::string& mountPoint : {fx.path("Documents/bound"), fx.path("Documents/own")}) {
    EXPECT_EQ(moveToTrashAsItIs(mountPoint, ctx, nullptr, topOf), Attempt::failed(Kind::mountPoint))
        << mountPoint;
    EXPECT_EQ(moveToTrashAsItIs(mountPoint, ctx), Attempt::failed(Kind::mountPoint)) << mountPoint;
    EXPECT_FALSE(exists(ctx.trashHome)) << mountPoint;
    EXPECT_FALSE(exists(fx.path("Documents/.Trash-" + std::to_string(ctx.uid)))) << mountPoint;
  }
  EXPECT_EQ(readFile(fx.path("Documents/bound/keep.txt")).size(), 100u);
  EXPECT_EQ(readFile(fx.path("Documents/own/inside.txt")), "inside");
  EXPECT_EQ(readFile(fx.outside("victim/keep.txt")).size(), 100u);
}

TEST(TrashTopDirectory, ABindMountOfTheHomesFileSystemGetsItsOwnTrash) {
  FixtureHome fx({testing::folder("Documents/mnt")});
  fx.addOutside({testing::file("victim/report.txt", 100), testing::file("victim/sentinel", 1000)});
  const EngineContext ctx = fx.context();
  auto mount = testing::ScopedMount::bind(fx.outside("victim"), fx.path("Documents/mnt"));
  if (!mount.ok()) GTEST_SKIP() << kNeedsMounts;
  const std::string top = fx.path("Documents/mnt");
  const std::string trash = top + "/.Trash-" + std::to_string(ctx.uid);

  // Where that mount's Trash cannot be used, the move is refused as before.
  EXPECT_EQ(moveToTrashAsItIs(top + "/report.txt", ctx, nullptr, nullptr), Attempt::failed(Kind::noTrash));
  EXPECT_EQ(moveToTrashAsItIs(top + "/report.txt", ctx, nullptr, [](const std::string&) { return ""; }),
            Attempt::failed(Kind::noTrash));
  EXPECT_FALSE(exists(trash));

  // The context's finder, which answers with folders inside the fixture.
  std::string trashed;
  ASSERT_TRUE(moveToTrashAsItIs(top + "/report.txt", ctx, &trashed));
  EXPECT_EQ(trashed, trash + "/files/report.txt");
  EXPECT_EQ(readFile(trashed).size(), 100u);
  auto info = readTrashInfo(trash + "/info/report.txt.trashinfo");
  ASSERT_TRUE(info);
  EXPECT_EQ(info->path, "report.txt");
  EXPECT_FALSE(exists(ctx.trashHome));
  EXPECT_EQ(readFile(top + "/sentinel").size(), 1000u);
}

TEST(TrashTopDirectory, RefusesTheTopDirectoryTrashesThemselves) {
  FixtureHome fx;
  OtherFileSystem scratch(fx);
  if (scratch.path().empty()) GTEST_SKIP() << kNeedsMounts;
  const EngineContext ctx = fx.context();
  const std::string top = scratch.path();
  const std::string uid = std::to_string(ctx.uid);
  auto topOf = [&](const std::string&) { return top; };
  writeFile(top + "/a.txt", "a");
  ASSERT_TRUE(moveToTrashAsItIs(top + "/a.txt", ctx, nullptr, topOf));
  makeFolder(top + "/.Trash", 01777);
  writeFile(top + "/.Trash/" + uid + "/files/b.txt", "b");
  for (const std::string& path :
       {top + "/.Trash-" + uid, top + "/.Trash-" + uid + "/files", top + "/.Trash-" + uid + "/files/a.txt",
        top + "/.Trash", top + "/.Trash/" + uid, top + "/.Trash/" + uid + "/files/b.txt"})
    EXPECT_EQ(moveToTrashAsItIs(path, ctx, nullptr, topOf), Attempt::failed(Kind::inTrash)) << path;
  EXPECT_EQ(readFile(top + "/.Trash-" + uid + "/files/a.txt"), "a");
  EXPECT_EQ(readFile(top + "/.Trash/" + uid + "/files/b.txt"), "b");
  EXPECT_EQ(namesIn(top + "/.Trash-" + uid + "/info"), std::vector<std::string>{"a.txt.trashinfo"});
}

}  // namespace
}  // namespace tidewell::platform
