#include <unistd.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/Paths.h"
#include "engine/deepscan/BigItemScanner.h"
#include "testkit/support/FailurePrinting.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/RootFixtures.h"
#include "testkit/support/TrashChecks.h"
#include "tests/engine/safety/SwapRace.h"
#include "tests/engine/walk/FakeSizes.h"

namespace tidewell::engine {

// Readable failures when whole outcomes are compared.
void PrintTo(const BigItemScanner::TrashOutcome& outcome, std::ostream* out) {
  *out << "{" << outcome.name << ", " << outcome.freedBytes << ", "
       << (outcome.success ? "moved" : "not moved") << ", "
       << (outcome.reason ? platform::reasonText(*outcome.reason) : std::string("no reason")) << "}";
}

namespace {

using namespace testing;
using Kind = BigItem::Kind;
using platform::FailureReason;
using Why = FailureReason::Kind;

constexpr int64_t big = BigItemScanner::sizeThreshold;

// Sizes by home-relative path; every other path measures 0.
FakeSizes fakeSizes(const FixtureHome& fx, const std::map<std::string, int64_t>& relative) {
  std::map<std::string, int64_t> absolute;
  for (const auto& [rel, size] : relative) absolute[fx.path(rel)] = size;
  return FakeSizes(std::move(absolute));
}

TEST(BigItemScannerKind, FollowsTheNameThenThePlace) {
  const std::string home = "/home/a";
  struct Case {
    std::string path;
    Kind expected;
  };
  const std::vector<Case> cases = {
      {"/home/a/Documents/node_modules", Kind::rebuildable},
      {"/home/a/Documents/Caches", Kind::cache},
      {"/home/a/Projects/Cache", Kind::cache},
      {"/home/a/Library/Application Support/build", Kind::rebuildable},
      {"/home/a/Library/Application Support/target", Kind::rebuildable},
      {"/home/a/Library/Developer/.venv", Kind::rebuildable},
      {"/home/a/Library/Caches/com.example", Kind::cache},
      {"/home/a/Library/Caches", Kind::cache},
      {"/home/a/Library/Containers/com.example", Kind::appData},
      {"/home/a/Library/CachesOld/x", Kind::appData},
      {"/home/a/Documents/report.pdf", Kind::personal},
      {"/home/a/Downloads/movie.mkv", Kind::personal},
      {"/home/a/Sites/site", Kind::personal},
      {"/home/a/Projects/disk.img", Kind::other},
      {"/home/a/documents/x", Kind::other},
      {"/home/ab/Documents/x", Kind::other},
      {"/elsewhere/Documents/x", Kind::other},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BigItemScanner::kind(c.path, base::lastComponent(c.path), home), c.expected) << c.path;
  }

  // Folders the desktop names as the user's own count like Documents.
  const std::vector<std::string> desktopFolders = {"Videos", "Templates"};
  EXPECT_EQ(BigItemScanner::kind("/home/a/Videos/trip.mkv", "trip.mkv", home, desktopFolders),
            Kind::personal);
  EXPECT_EQ(BigItemScanner::kind("/home/a/Videos/trip.mkv", "trip.mkv", home), Kind::other);
  EXPECT_EQ(BigItemScanner::kind("/home/a/Videos/node_modules", "node_modules", home, desktopFolders),
            Kind::rebuildable);
}

TEST(BigItemScannerRoots, LibraryRootsThenVisibleHomeFoldersInNameOrder) {
  FixtureHome fx({folder("Library/Caches"), folder("Applications/Tool"), folder(".cache/big"),
                  folder("Projects"), folder("Documents"), folder("Downloads"), folder("a b"),
                  file("notes.txt", 10), symlink("Linked", "{root}/victim"),
                  symlink("Dangling", "{root}/gone")});
  fx.addOutside({folder("victim")});
  const std::vector<std::string> expected = {
      fx.path("Library/Caches"),     fx.path("Library/Application Support"),
      fx.path("Library/Containers"), fx.path("Library/Group Containers"),
      fx.path("Library/Developer"),  fx.path("Documents"),
      fx.path("Downloads"),          fx.path("Linked"),
      fx.path("Projects"),           fx.path("a b"),
  };
  EXPECT_EQ(BigItemScanner::scanRoots(fx.context()), expected);
}

TEST(BigItemScannerRoots, UnlistableHomeGivesLibraryRootsAndUnusableHomeNothing) {
  FixtureHome fx;
  auto ctx = fx.context();
  ctx.home = fx.path("missing");
  const auto roots = BigItemScanner::scanRoots(ctx);
  ASSERT_EQ(roots.size(), 5u);
  EXPECT_EQ(roots.front(), fx.path("missing/Library/Caches"));
  EXPECT_EQ(roots.back(), fx.path("missing/Library/Developer"));

  for (const char* unusable : {"", "/", "relative/home"}) {
    ctx.home = unusable;
    EXPECT_TRUE(BigItemScanner::scanRoots(ctx).empty()) << unusable;
    EXPECT_TRUE(BigItemScanner::scan({}, ctx, [](const std::string&) { return big; }).empty()) << unusable;
  }
}

TEST(BigItemScannerScan, ReportsBigDirectChildrenWithKindsNotesAndLocations) {
  FixtureHome fx({
      folder("Library/Caches/com.example.cache"),
      folder("Library/Containers/com.apple.mail"),
      folder("Library/Containers/Google"),
      folder("Library/Application Support/build"),
      folder("Library/Application Support/com.crashlytics.data"),
      folder("Library/Developer/Xcode"),
      folder("Library/Other/huge"),
      folder("Applications/Huge.app"),
      folder(".cache/huge"),
      file("home-level.bin"),
      folder("Documents/node_modules"),
      folder("Documents/Caches"),
      file("Documents/report.mov"),
      symlink("Documents/link", "{root}/victim/huge"),
      file("Downloads/exact.iso"),
      file("Downloads/under.iso"),
      file("Projects/vm.img"),
      folder("Projects/small"),
      file("Videos/trip.mkv"),
  });
  fx.addOutside({folder("victim/huge")});
  auto sizes = fakeSizes(fx, {
                                 {"Library/Caches/com.example.cache", big + 500},
                                 {"Library/Containers/com.apple.mail", big + 900},
                                 {"Library/Containers/Google", big + 800},
                                 {"Library/Application Support/build", big + 700},
                                 {"Library/Application Support/com.crashlytics.data", big + 600},
                                 {"Library/Developer/Xcode", big + 400},
                                 {"Library/Other/huge", big * 9},
                                 {"Applications/Huge.app", big * 9},
                                 {".cache/huge", big * 9},
                                 {"home-level.bin", big * 9},
                                 {"Documents/node_modules", big + 300},
                                 {"Documents/Caches", big + 200},
                                 {"Documents/report.mov", big + 100},
                                 {"Documents/link", big * 9},
                                 {"Downloads/exact.iso", big},
                                 {"Downloads/under.iso", big - 1},
                                 {"Projects/vm.img", big + 500},
                                 {"Videos/trip.mkv", big + 50},
                             });
  auto ctx = fx.context();
  ctx.extraUserFolders = {"Videos"};
  const auto items = BigItemScanner::scan({}, ctx, sizes.measure());

  struct Row {
    std::string rel;
    std::string location;
    int64_t size;
    bool isDirectory;
    Kind kind;
    std::optional<std::string> note;
  };
  const std::vector<Row> expected = {
      {"Library/Containers/com.apple.mail", "Library/Containers", big + 900, true, Kind::personal,
       "Your Mail data. Deleting can lose local mailboxes."},
      {"Library/Containers/Google", "Library/Containers", big + 800, true, Kind::appData,
       "Chrome's profile: logins, saved passwords, bookmarks, extensions. Don't delete. The Caches tab "
       "safely clears its re-downloadable components instead."},
      {"Library/Application Support/build", "Library/Application Support", big + 700, true, Kind::rebuildable,
       std::nullopt},
      {"Library/Application Support/com.crashlytics.data", "Library/Application Support", big + 600, true,
       Kind::cache, "Crash-reporting cache. Nothing personal; recreated automatically."},
      // Equal sizes keep the order of the roots.
      {"Library/Caches/com.example.cache", "Library/Caches", big + 500, true, Kind::cache, std::nullopt},
      {"Projects/vm.img", "Projects", big + 500, false, Kind::other, std::nullopt},
      {"Library/Developer/Xcode", "Library/Developer", big + 400, true, Kind::appData, std::nullopt},
      {"Documents/node_modules", "Documents", big + 300, true, Kind::rebuildable, std::nullopt},
      {"Documents/Caches", "Documents", big + 200, true, Kind::cache, std::nullopt},
      {"Documents/report.mov", "Documents", big + 100, false, Kind::personal, std::nullopt},
      {"Videos/trip.mkv", "Videos", big + 50, false, Kind::personal, std::nullopt},
      {"Downloads/exact.iso", "Downloads", big, false, Kind::personal, std::nullopt},
  };
  ASSERT_EQ(items.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const auto& row = expected[i];
    const auto& item = items[i];
    SCOPED_TRACE(row.rel);
    EXPECT_EQ(item.id, fx.path(row.rel));
    EXPECT_EQ(item.url, fx.path(row.rel));
    EXPECT_EQ(item.name, base::lastComponent(row.rel));
    EXPECT_EQ(item.location, row.location);
    EXPECT_EQ(item.sizeBytes, row.size);
    EXPECT_EQ(item.isDirectory, row.isDirectory);
    EXPECT_EQ(item.kind, row.kind);
    EXPECT_EQ(item.note, row.note);
    EXPECT_EQ(item.reclaimCommand, std::nullopt);
    EXPECT_EQ(item.identity, identityAt(fx.path(row.rel)));
  }
}

TEST(BigItemScannerScan, ProgressFollowsEveryCandidateKeptOrNot) {
  struct Case {
    std::string label;
    std::vector<std::string> files;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"no candidates", {}, {}},
      {"one candidate", {"Documents/a"}, {"1 measured, 1.000"}},
      {"three candidates",
       {"Documents/a", "Documents/b", "Documents/c"},
       {"1 measured, 0.333", "2 measured, 0.667", "3 measured, 1.000"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    FixtureHome fx;
    for (const auto& f : c.files) fx.add({file(f)});
    std::vector<std::string> log;
    auto sizes = fakeSizes(fx, {{"Documents/b", big}});
    auto items = BigItemScanner::scan(
        [&](double value) {
          char text[48];
          std::snprintf(text, sizeof text, "%zu measured, %.3f", sizes.measured.size(), value);
          log.push_back(text);
        },
        fx.context(), sizes.measure());
    EXPECT_EQ(log, c.expected);
    EXPECT_EQ(items.size(), c.files.size() == 3 ? 1u : 0u);
  }
}

TEST(BigItemScannerScan, WithoutASeamMeasuresAllocatedBytes) {
  // A sparse file has a large length but allocates next to nothing.
  FixtureHome fx({sparse("Downloads/hollow.iso", big * 2), file("Downloads/small.bin", 4096)});
  EXPECT_TRUE(BigItemScanner::scan({}, fx.context()).empty());
}

// ---- Trash ----

// An item as a scan would report what is at path now (with no identity
// when nothing is there).
BigItem itemAt(const std::string& path, Kind kind = Kind::personal) {
  BigItem item;
  item.id = item.url = path;
  item.name = std::string(base::lastComponent(path));
  item.location = "Documents";
  item.sizeBytes = big + 1;
  item.kind = kind;
  item.identity = identityAt(path);
  return item;
}

TEST(BigItemScannerTrash, RefusesWithoutTouchingTheDisk) {
  FixtureHome fx({file("Documents/report.mov", 100), folder("Projects/vm"), file("Documents/gone.mov", 100),
                  symlink("Documents/link.mov", "{root}/victim/huge.mov"),
                  symlink("Linked", "{root}/victim")});
  fx.addOutside({file("victim/huge.mov", 100), file("victim/inside/data", 100)});
  struct Case {
    std::string label;
    BigItem item;  // as a scan found it
    Why refusal;
  };
  const std::vector<Case> cases = {
      {"container", itemAt(fx.path("Documents/report.mov"), Kind::container), Why::container},
      {"the home folder", itemAt(fx.home(), Kind::other), Why::outsideAreas},
      {"the home folder spelled with a slash", itemAt(fx.home() + "/", Kind::other), Why::outsideAreas},
      {"a top-level folder", itemAt(fx.path("Projects"), Kind::other), Why::outsideAreas},
      {"a top-level folder spelled with dots", itemAt(fx.path("Projects/vm/.."), Kind::other),
       Why::outsideAreas},
      {"outside the home", itemAt(fx.outside("victim/huge.mov")), Why::outsideAreas},
      {"vanished since the scan", itemAt(fx.path("Documents/gone.mov")), Why::gone},
      {"nothing there when scanned", itemAt(fx.path("Documents/never.mov")), Why::notScanned},
      {"now a link", itemAt(fx.path("Documents/link.mov")), Why::link},
      // Where it physically lies.
      {"through a linked folder", itemAt(fx.path("Linked/inside"), Kind::other), Why::outsideAreas},
  };
  ASSERT_EQ(unlink(fx.path("Documents/gone.mov").c_str()), 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const auto outcome = BigItemScanner::trash(c.item, fx.context());
    EXPECT_EQ(outcome, (BigItemScanner::TrashOutcome{c.item.name, 0, false, FailureReason{c.refusal}}));
  }
  for (const char* rel : {"Documents/report.mov", "Projects/vm", "Documents/link.mov", "Linked"})
    EXPECT_TRUE(exists(fx.path(rel))) << rel;
  EXPECT_TRUE(exists(fx.outside("victim/huge.mov")));
  EXPECT_TRUE(exists(fx.outside("victim/inside/data")));
  EXPECT_FALSE(exists(fx.context().trashHome + "/files"));

  auto unusable = fx.context();
  unusable.home = "/";
  EXPECT_EQ(BigItemScanner::trash(itemAt(fx.path("Documents/report.mov")), unusable).reason,
            FailureReason{Why::homeUnusable});
  EXPECT_TRUE(exists(fx.path("Documents/report.mov")));
}

TEST(BigItemScannerTrash, MovesAnItemIntoTheFixtureTrash) {
  FixtureHome fx({file("Documents/report.mov", 3000), file("Projects/vm/disk.img", 3000),
                  file("Documents/notes.txt", 10), file("Projects/keep.txt", 10)});
  fx.addOutside({file("victim/sentinel", 10)});
  const auto ctx = fx.context();
  for (const char* rel : {"Documents/report.mov", "Projects/vm"}) {
    SCOPED_TRACE(rel);
    auto item = itemAt(fx.path(rel));
    const auto outcome = BigItemScanner::trash(item, ctx);
    EXPECT_EQ(outcome, (BigItemScanner::TrashOutcome{item.name, item.sizeBytes, true, std::nullopt}));
    EXPECT_FALSE(exists(fx.path(rel)));
    EXPECT_TRUE(exists(ctx.trashHome + "/files/" + item.name));
    EXPECT_TRUE(exists(ctx.trashHome + "/info/" + item.name + ".trashinfo"));
  }
  EXPECT_TRUE(exists(ctx.trashHome + "/files/vm/disk.img"));
  // Only the items went: their neighbours and what lies outside the home stay.
  for (const char* kept : {"Documents/notes.txt", "Projects/keep.txt"})
    EXPECT_TRUE(exists(fx.path(kept))) << kept;
  EXPECT_TRUE(exists(fx.outside("victim/sentinel")));
}

TEST(BigItemScannerTrash, OnlyTheEntryTheScanFoundIsMoved) {
  FixtureHome fx({file("Documents/report.mov", 100), file("Documents/notes.mov", 100),
                  file("Documents/plain.mov", 100)});
  fx.addOutside({file("victim/sentinel", 1000)});
  const auto ctx = fx.context();
  auto sizes = fakeSizes(
      fx, {{"Documents/report.mov", big}, {"Documents/notes.mov", big}, {"Documents/plain.mov", big}});
  std::map<std::string, BigItem> found;
  for (const auto& item : BigItemScanner::scan({}, ctx, sizes.measure())) found[item.name] = item;
  ASSERT_EQ(found.size(), 3u);

  // Another file took this name after the scan.
  writeFile(fx.path("Documents/other"), "other");
  ASSERT_EQ(rename(fx.path("Documents/other").c_str(), fx.path("Documents/report.mov").c_str()), 0);
  // Either is not the item scanned.
  const FailureReason notScanned{Why::notScanned};
  EXPECT_EQ(BigItemScanner::trash(found["report.mov"], ctx),
            (BigItemScanner::TrashOutcome{"report.mov", 0, false, notScanned}));
  EXPECT_EQ(readFile(fx.path("Documents/report.mov")), "other");
  // A record made by hand carries no identity.
  BigItem handMade = found["notes.mov"];
  handMade.identity.reset();
  EXPECT_EQ(BigItemScanner::trash(handMade, ctx),
            (BigItemScanner::TrashOutcome{"notes.mov", 0, false, notScanned}));
  EXPECT_TRUE(exists(fx.path("Documents/notes.mov")));

  EXPECT_EQ(BigItemScanner::trash(found["plain.mov"], ctx),
            (BigItemScanner::TrashOutcome{"plain.mov", big, true}));
  EXPECT_EQ(namesIn(ctx.trashHome + "/files"), std::vector<std::string>{"plain.mov"});
  EXPECT_EQ(readFile(fx.outside("victim/sentinel")).size(), 1000u);
}

TEST(BigItemScannerTrash, AFolderSwappedForALinkNeverLeadsOutside) {
  constexpr int kRounds = 250;
  for (const Twin twin : {Twin::SameFile, Twin::OtherFile}) {
    SCOPED_TRACE(describe(twin));
    FixtureHome fx({folder("Documents/box"), symlink("Documents/decoy", "{root}/victim/box")});
    fx.addOutside({folder("victim/box"), file("victim/sentinel", 1000)});
    const auto ctx = fx.context();
    const auto count =
        runSwapRace(fx.path("Documents/box"), fx.path("Documents/decoy"), fx.outside("victim/box"), twin,
                    kRounds, [&](const std::string& path, const FileIdentity& identity) {
                      auto item = itemAt(path);
                      item.identity = identity;
                      return BigItemScanner::trash(item, ctx).success;
                    });
    if (!count.ran) GTEST_SKIP() << "this file system cannot exchange entries";
    EXPECT_EQ(count.movedOutside, 0);
    EXPECT_GT(count.movedInside, 0) << "the race must leave room for real moves";
    // Every record names the item's own folder, and what it names came from there.
    for (const std::string& info : namesIn(ctx.trashHome + "/info")) {
      const std::string name = info.substr(0, info.size() - std::string(".trashinfo").size());
      EXPECT_EQ(readFile(ctx.trashHome + "/files/" + name), "inside") << name;
      const auto fields = readTrashInfo(ctx.trashHome + "/info/" + info);
      ASSERT_TRUE(fields) << info;
      EXPECT_EQ(fields->path, fx.path("Documents/box/" + name));
    }
    EXPECT_EQ(readFile(fx.outside("victim/sentinel")).size(), 1000u);
  }
}

TEST(BigItemScannerTrash, AnItemOnAnotherMountUsesTheContextsTopDirectory) {
  FixtureHome fx({folder("Documents/Disk")});
  auto mount = ScopedMount::tmpfs(fx.path("Documents/Disk"));
  if (!mount.ok()) GTEST_SKIP() << "mounting a file system inside the fixture needs root";
  writeFile(fx.path("Documents/Disk/movie.mov"), "movie");
  auto ctx = fx.context();
  std::vector<std::string> asked;
  auto fixtureTop = ctx.topDirectoryOf;
  ctx.topDirectoryOf = [&](const std::string& physical) {
    asked.push_back(physical);
    return fixtureTop(physical);
  };
  const auto item = itemAt(fx.path("Documents/Disk/movie.mov"));
  EXPECT_EQ(BigItemScanner::trash(item, ctx),
            (BigItemScanner::TrashOutcome{item.name, item.sizeBytes, true}));
  EXPECT_EQ(asked, std::vector<std::string>{fx.path("Documents/Disk/movie.mov")});
  const std::string trash = fx.path("Documents/Disk/.Trash-" + std::to_string(ctx.uid));
  EXPECT_EQ(readFile(trash + "/files/movie.mov"), "movie");
  EXPECT_FALSE(exists(ctx.trashHome));

  // Without a top directory the item stays where it is.
  writeFile(fx.path("Documents/Disk/other.mov"), "other");
  ctx.topDirectoryOf = nullptr;
  EXPECT_EQ(BigItemScanner::trash(itemAt(fx.path("Documents/Disk/other.mov")), ctx).reason,
            FailureReason{Why::noTrash});
  EXPECT_EQ(readFile(fx.path("Documents/Disk/other.mov")), "other");
}

// A Library folder linked into a hidden tool folder makes its children
// credential folders, or folders holding one, where they physically lie:
// they are never offered, and never trashed when asked.
TEST(BigItemScannerCredentials, NeitherOfferedNorTrashedWhereTheyPhysicallyLie) {
  FixtureHome fx({symlink("Library/Caches", "{home}/.cache"), file(".cache/huggingface/token", 100),
                  file(".cache/huggingface/hub/model", 4096), file(".cache/pip/wheel", 4096),
                  symlink("Library/Application Support", "{home}/.config"), file(".config/gh/hosts.yml", 100),
                  file(".config/app/settings", 100), symlink("Library/Developer", "{home}/.aws"),
                  file(".aws/cli/cache/x", 100), symlink("Library/Containers", "{root}/data/containers"),
                  symlink(".docker", "{root}/data/containers/docker")});
  fx.addOutside({file("victim/sentinel", 1000), file("data/containers/docker/config.json", 100),
                 file("data/containers/other/x", 100)});
  const auto ctx = fx.context();
  FakeSizes sizes = fakeSizes(fx, {{"Library/Caches/huggingface", big},
                                   {"Library/Caches/pip", big},
                                   {"Library/Application Support/gh", big},
                                   {"Library/Application Support/app", big},
                                   {"Library/Developer/cli", big},
                                   {"Library/Containers/docker", big},
                                   {"Library/Containers/other", big}});
  std::vector<std::string> offered;
  for (const auto& item : BigItemScanner::scan({}, ctx, sizes.measure())) offered.push_back(item.id);
  EXPECT_EQ(offered, (std::vector<std::string>{fx.path("Library/Caches/pip"),
                                               fx.path("Library/Application Support/app"),
                                               fx.path("Library/Containers/other")}));

  for (const char* rel :
       {"Library/Caches/huggingface", "Library/Application Support/gh", "Library/Developer/cli"}) {
    EXPECT_EQ(BigItemScanner::trash(itemAt(fx.path(rel), Kind::cache), ctx),
              (BigItemScanner::TrashOutcome{std::string(base::lastComponent(rel)), 0, false,
                                            FailureReason{Why::credential}}))
        << rel;
  }
  for (const char* rel : {".cache/huggingface/token", ".cache/huggingface/hub/model", ".config/gh/hosts.yml",
                          ".aws/cli/cache/x"})
    EXPECT_TRUE(exists(fx.path(rel))) << rel;
  EXPECT_TRUE(BigItemScanner::trash(itemAt(fx.path("Library/Caches/pip"), Kind::cache), ctx).success);
  EXPECT_FALSE(exists(fx.path(".cache/pip")));
  EXPECT_EQ(readFile(fx.outside("victim/sentinel")).size(), 1000u);
}

}  // namespace
}  // namespace tidewell::engine
