// The "trash" row: the Trash is measured and emptied as one unit, so no
// item is ever left without its info file, and only the Trash's own two
// folders are ever emptied.
#include "engine/clean/TrashEmptier.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/Paths.h"
#include "engine/clean/DiskScanner.h"
#include "platform/core/Trash.h"
#include "testkit/support/FailurePrinting.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/RootFixtures.h"
#include "testkit/support/TrashChecks.h"
#include "testkit/support/TrashClient.h"
#include "tests/engine/clean/DiskScannerFixtures.h"

namespace tidewell::engine {
namespace {

using namespace testing;
using platform::Attempt;
using platform::EngineContext;
using platform::FailureReason;
using Kind = FailureReason::Kind;

constexpr const char* kSentinel = "victim/sentinel";
constexpr const char* kInfoText = "[Trash Info]\nPath=/somewhere/x\nDeletionDate=2024-01-01T00:00:00\n";

struct TrashFixture {
  FixtureHome fx;
  EngineContext ctx = fx.context();

  TrashFixture() { fx.addOutside({file(kSentinel, 1000), file("victim/data/d", 3000)}); }
  std::string files() const { return ctx.trashHome + "/files"; }
  std::string info() const { return ctx.trashHome + "/info"; }
  bool sentinelIntact() const {
    return readFile(fx.outside(kSentinel)).size() == 1000 &&
           readFile(fx.outside("victim/data/d")).size() == 3000;
  }
  // Writes path (below the home) and moves it to the Trash.
  void trash(const std::string& relative, int64_t bytes = 100) {
    fx.add({file(relative, bytes)});
    trashPath(fx.path(relative));
  }
  void trashPath(const std::string& path) {
    ASSERT_TRUE(moveToTrashAsItIs(path, ctx, nullptr, nullptr)) << path;
  }
  // An info file nobody wrote lately, whose item is gone.
  void staleInfo(const std::string& name) {
    writeFile(info() + "/" + name + ".trashinfo", kInfoText);
    ageInfoFiles();
  }
  // As if everything in the Trash had been trashed an hour ago.
  void ageInfoFiles() {
    const std::time_t old = std::time(nullptr) - 3600;
    const timespec times[2] = {{old, 0}, {old, 0}};
    for (const std::string& name : namesIn(info()))
      ASSERT_EQ(utimensat(AT_FDCWD, (info() + "/" + name).c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << name;
  }
  // The catalog's row for this context's Trash.
  CleanupTarget row() const {
    for (const auto& r : CleanupTarget::catalog(ctx))
      if (r.id == "trash") return r;
    ADD_FAILURE() << "no trash row";
    return {};
  }
  std::optional<CleanupItem> scan() const { return DiskScanner::scan(row(), ctx); }
};

TEST(TrashEmptier, EmptiesEveryItemWithItsInfo) {
  TrashFixture t;
  t.trash("Documents/report.pdf", 5000);
  t.fx.add({file("Projects/app/src/main.c", 2000), file("Projects/app/src/deep/er/x.h", 300),
            symlink("Documents/to-victim", "{root}/victim"), folder("Documents/empty"),
            file("Documents/zero"), symlink("Projects/app/src/out", "{root}/victim/data")});
  for (const char* item : {"Projects/app", "Documents/to-victim", "Documents/empty", "Documents/zero"})
    t.trashPath(t.fx.path(item));

  const auto item = t.scan();
  ASSERT_TRUE(item);
  EXPECT_EQ(item->resolvedPaths, (std::vector<std::string>{t.files(), t.info()}));
  EXPECT_EQ(item->sizeBytes, DiskScanner::allocatedSize(t.files()) + DiskScanner::allocatedSize(t.info()));
  EXPECT_FALSE(item->isSelected);

  const auto result = DiskScanner::clean(*item, t.ctx);
  EXPECT_EQ(result, (DiskScanner::CleanResult{item->sizeBytes, std::nullopt}));
  EXPECT_TRUE(namesIn(t.files()).empty());
  EXPECT_TRUE(namesIn(t.info()).empty());
  EXPECT_TRUE(exists(t.files()) && exists(t.info()));
  EXPECT_TRUE(t.sentinelIntact());
  EXPECT_FALSE(t.scan());
}

TEST(TrashEmptier, OfferedWheneverEitherFolderHoldsAnything) {
  struct Case {
    const char* what;
    std::function<void(TrashFixture&)> prepare;
    bool offered;
  };
  const std::vector<Case> cases = {
      {"no Trash at all", [](TrashFixture&) {}, false},
      {"an empty Trash",
       [](TrashFixture& t) {
         t.fx.add({folder(".local/share/Trash/files"), folder(".local/share/Trash/info")});
       },
       false},
      {"only a link, trashed",
       [](TrashFixture& t) {
         t.fx.add({symlink("Documents/link", "{root}/victim")});
         t.trashPath(t.fx.path("Documents/link"));
       },
       true},
      {"only an empty folder, without its info",
       [](TrashFixture& t) {
         t.fx.add({folder(".local/share/Trash/files/empty"), folder(".local/share/Trash/info")});
       },
       true},
      {"only an empty file, without its info",
       [](TrashFixture& t) {
         t.fx.add({file(".local/share/Trash/files/zero"), folder(".local/share/Trash/info")});
       },
       true},
      {"only a link, without its info",
       [](TrashFixture& t) {
         t.fx.add(
             {symlink(".local/share/Trash/files/link", "{root}/victim"), folder(".local/share/Trash/info")});
       },
       true},
      {"only an info file",
       [](TrashFixture& t) {
         t.fx.add({folder(".local/share/Trash/files")});
         t.staleInfo("gone");
       },
       true},
  };
  for (const Case& c : cases) {
    TrashFixture t;
    c.prepare(t);
    const auto item = t.scan();
    ASSERT_EQ(item.has_value(), c.offered) << c.what;
    if (!item) continue;
    EXPECT_GE(item->sizeBytes, 1) << c.what;
    // Links, empty files and folders hold no blocks: offered, yet they free nothing.
    const int64_t held = DiskScanner::allocatedSize(t.files()) + DiskScanner::allocatedSize(t.info());
    const auto result = DiskScanner::clean(*item, t.ctx);
    EXPECT_EQ(result.failedTitle, std::nullopt) << c.what;
    EXPECT_EQ(result.freedBytes, held) << c.what;
    EXPECT_TRUE(namesIn(t.files()).empty()) << c.what;
    EXPECT_TRUE(namesIn(t.info()).empty()) << c.what;
    EXPECT_TRUE(t.sentinelIntact()) << c.what;
  }
}

// The seam stands for whatever stops a removal half way: a read-only
// folder inside the item (which root would ignore), a crash, a full disk.
TEST(TrashEmptier, AnItemThatCannotGoKeepsItsInfo) {
  struct Case {
    const char* what;
    // What becomes of files/big: part of it removed, then failure, or a
    // remover that claims success while the item is still there.
    std::function<Attempt(int, const std::string&)> removeBig;
    FailureReason reason;
  };
  const std::vector<Case> cases = {
      {"fails half way",
       [](int fd, const std::string& files) {
         unlinkat(fd, "big/inner1", 0);
         (void)files;
         return Attempt::failed(Kind::removeFailed, EACCES);
       },
       {Kind::removeFailed, EACCES}},
      {"claims success, yet it is still there",
       [](int, const std::string&) { return Attempt::done(); },
       {Kind::removeFailed}},
  };
  for (const Case& c : cases) {
    TrashFixture t;
    t.trash("a.txt");
    t.fx.add({file("Projects/big/inner1", 4000), file("Projects/big/inner2", 4000)});
    t.trashPath(t.fx.path("Projects/big"));
    t.trash("c.txt");
    t.staleInfo("gone");
    // Another client is between claiming its name and moving its item in.
    writeFile(t.info() + "/arriving.trashinfo", kInfoText);

    const auto item = t.scan();
    ASSERT_TRUE(item) << c.what;
    const auto result = TrashEmptier::clean(
        *item, t.ctx, [&](int fd, const std::string& path, const std::string& name, int64_t& released) {
          if (name == "big") return c.removeBig(fd, path);
          return TrashEmptier::removeItem(fd, path, name, released);
        });
    EXPECT_EQ(result.failedTitle, item->target.title) << c.what;
    EXPECT_EQ(result.reason, c.reason) << c.what;
    EXPECT_EQ(namesIn(t.files()), std::vector<std::string>{"big"}) << c.what;
    EXPECT_EQ(namesIn(t.info()), (std::vector<std::string>{"arriving.trashinfo", "big.trashinfo"})) << c.what;
    EXPECT_TRUE(exists(t.files() + "/big/inner2")) << c.what;
    EXPECT_LT(result.freedBytes, item->sizeBytes) << c.what;
    EXPECT_TRUE(t.sentinelIntact()) << c.what;
  }
}

// The folders are judged once, when opened; a folder item is emptied in
// the files/ folder held then, so a files/ that becomes a link meanwhile
// leads nowhere else.
TEST(TrashEmptier, EmptiesAFolderItemInTheFolderItHolds) {
  TrashFixture t;
  t.fx.add({file("Projects/big/inner", 4000)});
  t.trashPath(t.fx.path("Projects/big"));
  t.fx.addOutside({file("victim/big/keep", 1000)});
  const auto item = t.scan();
  ASSERT_TRUE(item);

  const std::string away = t.ctx.trashHome + "/files-away";
  const auto result = TrashEmptier::clean(
      *item, t.ctx, [&](int fd, const std::string& path, const std::string& name, int64_t& released) {
        if (name == "big") {
          EXPECT_EQ(std::rename(t.files().c_str(), away.c_str()), 0);
          EXPECT_EQ(::symlink(t.fx.outside("victim").c_str(), t.files().c_str()), 0);
        }
        return TrashEmptier::removeItem(fd, path, name, released);
      });
  EXPECT_EQ(result, (DiskScanner::CleanResult{item->sizeBytes, std::nullopt}));
  EXPECT_TRUE(namesIn(away).empty());
  EXPECT_TRUE(namesIn(t.info()).empty());
  EXPECT_EQ(readFile(t.fx.outside("victim/big/keep")).size(), 1000u);
  EXPECT_TRUE(t.sentinelIntact());
}

TEST(TrashEmptier, ATrashClientStillListsWhatAnInterruptedEmptyLeft) {
  const std::string list = onPath("trash-list");
  if (list.empty()) GTEST_SKIP() << "trash-cli is not installed";
  TrashFixture t;
  for (const char* name : {"one.txt", "two.txt", "three.txt"}) t.trash(std::string("Documents/") + name);
  t.fx.add({file("Documents/folder/a", 100), file("Documents/folder/b", 100)});
  t.trashPath(t.fx.path("Documents/folder"));
  t.ageInfoFiles();
  const auto item = t.scan();
  ASSERT_TRUE(item);

  // The empty stops after its first item: mid-way through "folder" when it
  // comes first, else before anything else.
  int removed = 0;
  const auto result = TrashEmptier::clean(
      *item, t.ctx, [&](int fd, const std::string& path, const std::string& name, int64_t& released) {
        const Attempt interrupted = Attempt::failed(Kind::removeFailed, EINTR);
        if (removed++ > 0) return interrupted;
        if (name == "folder") {
          unlinkat(fd, "folder/a", 0);
          return interrupted;
        }
        return TrashEmptier::removeItem(fd, path, name, released);
      });
  EXPECT_EQ(result.failedTitle, item->target.title);

  const ToolRun listing = runTrashClient(t.fx, {list}, "", t.fx.home());
  ASSERT_EQ(listing.status, 0) << listing.output;
  std::vector<std::string> expected;
  for (const std::string& name : namesIn(t.files())) {
    const std::string original = t.fx.path("Documents/" + name);
    expected.push_back(original);
    EXPECT_TRUE(exists(t.info() + "/" + name + ".trashinfo")) << name;
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_GE(expected.size(), 3u);
  EXPECT_EQ(listedBelow(listing.output, t.fx.root()), expected) << listing.output;
  EXPECT_EQ(namesIn(t.info()).size(), namesIn(t.files()).size());
}

TEST(TrashEmptier, AReadOnlyFolderInsideAnItemKeepsTheItemListed) {
  if (geteuid() == 0) GTEST_SKIP() << "root ignores folder modes; the seam-based case covers this";
  TrashFixture t;
  t.fx.add({file("Projects/tree/ro/locked", 4000), file("Projects/tree/free", 4000)});
  t.trashPath(t.fx.path("Projects/tree"));
  t.trash("other.txt");
  ASSERT_EQ(chmod((t.files() + "/tree/ro").c_str(), 0555), 0);
  const auto item = t.scan();
  ASSERT_TRUE(item);
  const auto result = DiskScanner::clean(*item, t.ctx);
  chmod((t.files() + "/tree/ro").c_str(), 0755);
  EXPECT_EQ(result.failedTitle, item->target.title);
  EXPECT_EQ(result.reason, (FailureReason{Kind::removeFailed, EACCES}));
  EXPECT_TRUE(exists(t.files() + "/tree/ro/locked"));
  EXPECT_EQ(namesIn(t.info()), std::vector<std::string>{"tree.trashinfo"});
  EXPECT_TRUE(t.sentinelIntact());
}

TEST(TrashEmptier, ATrashOutsideTheHomeIsJudgedWhereItLies) {
  struct Case {
    const char* what;
    std::function<void(TrashFixture&)> place;
  };
  const std::vector<Case> cases = {
      {"XDG_DATA_HOME outside the home",
       [](TrashFixture& t) { t.ctx.trashHome = t.fx.outside("data/Trash"); }},
      {"the home Trash is a link to a folder outside",
       [](TrashFixture& t) {
         t.fx.addOutside({folder("elsewhere/Trash")});
         t.fx.add({symlink(".local/share/Trash", "{root}/elsewhere/Trash")});
       }},
  };
  for (const Case& c : cases) {
    TrashFixture t;
    c.place(t);
    t.trash("Documents/report.pdf", 5000);
    t.fx.add({file("Projects/app/main.c", 2000)});
    t.trashPath(t.fx.path("Projects/app"));
    const auto offered = t.scan();
    ASSERT_TRUE(offered) << c.what;
    EXPECT_EQ(DiskScanner::clean(*offered, t.ctx),
              (DiskScanner::CleanResult{offered->sizeBytes, std::nullopt}))
        << c.what;
    EXPECT_TRUE(namesIn(t.files()).empty()) << c.what;
    EXPECT_TRUE(namesIn(t.info()).empty()) << c.what;
    EXPECT_TRUE(t.sentinelIntact()) << c.what;
  }
}

// An item that names the Trash row's folders as scan would, made by hand.
CleanupItem handMadeTrashItem(const TrashFixture& t, const std::vector<std::string>& paths) {
  CleanupItem item = fixtures::handMade(paths);
  item.target = t.row();
  return item;
}

TEST(TrashEmptier, OnlyTheTrashsOwnFoldersAreEverEmptied) {
  struct Case {
    const char* what;
    // Makes the Trash unfit (after it holds one trashed item); the victim
    // folder must survive it.
    std::function<void(TrashFixture&)> spoil;
    FailureReason reason;                   // the rule that refuses it
    std::vector<std::string> survive = {};  // below the home
    bool needsRoot = false;
  };
  // A link is not opened as a folder.
  const FailureReason linked{Kind::openFailed, ENOTDIR};
  const FailureReason notOwn{Kind::notOwnTrash};
  const FailureReason outside{Kind::outsideAreas};
  const FailureReason credential{Kind::credential};
  const std::vector<Case> cases = {
      {"files is a link",
       [](TrashFixture& t) {
         ASSERT_EQ(rename(t.files().c_str(), (t.files() + "-old").c_str()), 0);
         t.fx.add({symlink(".local/share/Trash/files", "{root}/victim")});
       },
       linked,
       {".local/share/Trash/files-old/report.pdf", ".local/share/Trash/info/report.pdf.trashinfo"}},
      {"info is a link",
       [](TrashFixture& t) {
         ASSERT_EQ(rename(t.info().c_str(), (t.info() + "-old").c_str()), 0);
         t.fx.add({symlink(".local/share/Trash/info", "{root}/victim")});
       },
       linked,
       {".local/share/Trash/files/report.pdf", ".local/share/Trash/info-old/report.pdf.trashinfo"}},
      {"the Trash is the home", [](TrashFixture& t) { t.ctx.trashHome = t.fx.home(); }, outside},
      {"the Trash holds the home", [](TrashFixture& t) { t.ctx.trashHome = t.fx.root(); }, outside},
      {"the Trash lies in a credential folder",
       [](TrashFixture& t) {
         t.fx.add(
             {folder(".ssh/Trash/files"), folder(".ssh/Trash/info"), file(".ssh/Trash/files/id_rsa", 100)});
         t.ctx.trashHome = t.fx.path(".ssh/Trash");
       },
       credential,
       {".ssh/Trash/files/id_rsa"}},
      {"the Trash holds a credential",
       [](TrashFixture& t) {
         t.fx.add({folder(".config/files"), folder(".config/info"), file(".config/files/x", 100),
                   file(".config/gh/hosts.yml", 100)});
         t.ctx.trashHome = t.fx.path(".config");
       },
       credential,
       {".config/files/x", ".config/gh/hosts.yml"}},
      {"the Trash lies in Documents",
       [](TrashFixture& t) {
         t.fx.add({folder("Documents/Trash/files"), folder("Documents/Trash/info"),
                   file("Documents/Trash/files/mine.pdf", 100)});
         t.ctx.trashHome = t.fx.path("Documents/Trash");
       },
       {Kind::userFiles},
       {"Documents/Trash/files/mine.pdf"}},
      {"files is writable by others",
       [](TrashFixture& t) { ASSERT_EQ(chmod(t.files().c_str(), 0777), 0); },
       notOwn,
       {".local/share/Trash/files/report.pdf"}},
      {"info is writable by the group",
       [](TrashFixture& t) { ASSERT_EQ(chmod(t.info().c_str(), 0770), 0); },
       notOwn,
       {".local/share/Trash/files/report.pdf", ".local/share/Trash/info/report.pdf.trashinfo"}},
      {"the Trash is writable by others",
       [](TrashFixture& t) { ASSERT_EQ(chmod(t.ctx.trashHome.c_str(), 0777), 0); },
       notOwn,
       {".local/share/Trash/files/report.pdf", ".local/share/Trash/info/report.pdf.trashinfo"}},
      {"the Trash belongs to another user of this context",
       [](TrashFixture& t) { t.ctx.uid += 4242; },
       notOwn,
       {".local/share/Trash/files/report.pdf", ".local/share/Trash/info/report.pdf.trashinfo"}},
      {"files belongs to someone else",
       [](TrashFixture& t) { ASSERT_EQ(chown(t.files().c_str(), t.ctx.uid + 4242, getgid()), 0); },
       notOwn,
       {".local/share/Trash/files/report.pdf"},
       true},
      {"the Trash belongs to someone else",
       [](TrashFixture& t) { ASSERT_EQ(chown(t.ctx.trashHome.c_str(), t.ctx.uid + 4242, getgid()), 0); },
       notOwn,
       {".local/share/Trash/files/report.pdf"},
       true},
  };
  for (const Case& c : cases) {
    if (c.needsRoot && geteuid() != 0) continue;  // only root may give a folder away
    TrashFixture t;
    t.trash("Documents/report.pdf", 5000);
    const std::vector<std::string> parts = {t.files(), t.info()};
    const CleanupItem before = handMadeTrashItem(t, parts);
    c.spoil(t);
    EXPECT_FALSE(t.scan()) << c.what;
    // An item made while the Trash was sound is refused now.
    CleanupItem item = before;
    item.target = t.row();
    item.resolvedPaths = {t.ctx.trashHome + "/files", t.ctx.trashHome + "/info"};
    EXPECT_EQ(DiskScanner::clean(item, t.ctx), (DiskScanner::CleanResult{0, item.target.title, c.reason}))
        << c.what;
    EXPECT_TRUE(t.sentinelIntact()) << c.what;
    for (const auto& s : c.survive) EXPECT_TRUE(exists(t.fx.path(s))) << c.what << ": " << s;
  }
}

TEST(TrashEmptier, RefusesAnythingButTheTrashItMeasured) {
  TrashFixture t;
  t.trash("Documents/report.pdf", 5000);
  const auto item = t.scan();
  ASSERT_TRUE(item);
  struct Case {
    const char* what;
    std::function<CleanupItem(TrashFixture&)> make;
  };
  const std::vector<Case> cases = {
      {"other folders under the Trash row's name",
       [&](TrashFixture& tf) {
         CleanupItem other = handMadeTrashItem(tf, {tf.fx.outside("victim/data"), tf.info()});
         return other;
       }},
      {"no identities",
       [&](TrashFixture&) {
         CleanupItem bare = *item;
         bare.measuredParts.clear();
         return bare;
       }},
      {"files swapped for another folder",
       [&](TrashFixture& tf) {
         EXPECT_EQ(rename(tf.files().c_str(), (tf.files() + "-old").c_str()), 0);
         tf.fx.add({file(".local/share/Trash/files/new.txt", 100)});
         return *item;
       }},
  };
  for (const Case& c : cases) {
    const CleanupItem asked = c.make(t);
    // Each is not what was measured.
    EXPECT_EQ(DiskScanner::clean(asked, t.ctx),
              (DiskScanner::CleanResult{0, asked.target.title, FailureReason{Kind::notScanned}}))
        << c.what;
    EXPECT_TRUE(t.sentinelIntact()) << c.what;
  }
  EXPECT_TRUE(exists(t.files() + "/new.txt"));
  EXPECT_TRUE(exists(t.files() + "-old/report.pdf"));
  EXPECT_TRUE(exists(t.info() + "/report.pdf.trashinfo"));
}

TEST(TrashEmptier, AFolderMountedInTheTrashIsNeitherEmptiedNorEntered) {
  TrashFixture t;
  t.trash("Documents/report.pdf", 5000);
  t.fx.add({folder(".local/share/Trash/files/mnt")});
  {
    auto mount = ScopedMount::bind(t.fx.outside("victim"), t.files() + "/mnt");
    if (!mount.ok()) GTEST_SKIP() << "bind mounts need root";
    const auto item = t.scan();
    ASSERT_TRUE(item);
    const auto result = DiskScanner::clean(*item, t.ctx);
    EXPECT_EQ(result.failedTitle, item->target.title);
    EXPECT_EQ(result.reason, FailureReason{Kind::mountPoint});
    EXPECT_TRUE(exists(t.files() + "/mnt/sentinel"));
    // And files/ itself as a mount point is no Trash folder.
    auto whole = ScopedMount::bind(t.fx.outside("victim"), t.files());
    ASSERT_TRUE(whole.ok());
    EXPECT_FALSE(t.scan());
  }
  EXPECT_TRUE(t.sentinelIntact());
  EXPECT_FALSE(exists(t.files() + "/report.pdf"));
}

// Whoever emptied it freed its blocks; this cleaning gave nothing back.
TEST(TrashEmptier, ATrashThatVanishedFreesNothingAndIsNotFailed) {
  TrashFixture t;
  t.trash("Documents/report.pdf", 5000);
  const auto item = t.scan();
  ASSERT_TRUE(item);
  removeFixtureTree(t.ctx.trashHome);
  EXPECT_EQ(DiskScanner::clean(*item, t.ctx), (DiskScanner::CleanResult{0, std::nullopt}));
  EXPECT_TRUE(t.sentinelIntact());
}

// A trashed file that is still linked from outside the Trash keeps its
// blocks when it goes; the emptying frees only what it gave back.
TEST(TrashEmptier, FreesOnlyTheBlocksNoOtherLinkStillHolds) {
  TrashFixture t;
  t.fx.add({file("Projects/shared.bin", 50'000), hardlink("Documents/shared-copy.bin", "Projects/shared.bin"),
            file("Projects/dir/linked", 40'000), hardlink("Documents/dir-copy", "Projects/dir/linked"),
            file("Projects/dir/own", 3000)});
  t.trashPath(t.fx.path("Projects/shared.bin"));
  t.trashPath(t.fx.path("Projects/dir"));
  t.trash("notes.txt", 2000);
  const auto item = t.scan();
  ASSERT_TRUE(item);
  // All that goes for good: the unshared files and every info file.
  const int64_t released = DiskScanner::allocatedFileSize(t.files() + "/dir/own") +
                           DiskScanner::allocatedFileSize(t.files() + "/notes.txt") +
                           DiskScanner::allocatedSize(t.info());
  ASSERT_LT(released, item->sizeBytes);

  EXPECT_EQ(DiskScanner::clean(*item, t.ctx), (DiskScanner::CleanResult{released, std::nullopt}));
  EXPECT_TRUE(namesIn(t.files()).empty());
  EXPECT_TRUE(namesIn(t.info()).empty());
  EXPECT_EQ(readFile(t.fx.path("Documents/shared-copy.bin")).size(), 50'000u);
  EXPECT_EQ(readFile(t.fx.path("Documents/dir-copy")).size(), 40'000u);
  EXPECT_TRUE(t.sentinelIntact());
}

}  // namespace
}  // namespace tidewell::engine
