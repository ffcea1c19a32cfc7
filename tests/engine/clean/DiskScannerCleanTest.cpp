#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/clean/DiskScanner.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/RootFixtures.h"
#include "tests/engine/clean/DiskScannerFixtures.h"
#include "tests/engine/walk/BindMount.h"

namespace tidewell::engine {
namespace {

using namespace testing;
using platform::FailureReason;
using Why = FailureReason::Kind;
using fixtures::catalogRow;
using fixtures::handMade;
using fixtures::row;

// Every destructive test keeps a sentinel beside the home; it must survive.
constexpr const char* kSentinel = "victim/sentinel";
void addSentinel(FixtureHome& fx) { fx.addOutside({file(kSentinel, 1000)}); }
bool sentinelIntact(const FixtureHome& fx) { return readFile(fx.outside(kSentinel)).size() == 1000; }

CleanupItem scanned(const FixtureHome& fx, const CleanupTarget& target) {
  auto item = DiskScanner::scan(target, fx.context());
  EXPECT_TRUE(item.has_value()) << target.id;
  return item.value_or(CleanupItem{});
}

TEST(DiskScannerClean, RemovesExactlyWhatWasMeasuredAndChecked) {
  struct Case {
    const char* name;
    std::vector<Entry> home;
    std::vector<Entry> outside;
    std::function<CleanupItem(const FixtureHome&)> item;
    std::function<void(FixtureHome&)> between;  // after the scan, before cleaning
    std::vector<size_t> freedParts;             // the parts whose measured bytes are freed
    std::optional<Why> failed;                  // the item fails, for this reason
    std::vector<std::string> gone;
    std::vector<std::string> survive;         // below the home
    std::vector<std::string> surviveOutside;  // below the fixture root
  };
  const std::vector<Case> cases = {
      {"folder emptied but kept",
       {file("Library/Caches/app/a", 5000), file("Library/Caches/app/.h", 100),
        file("Library/Caches/app/sub/deep/f", 9000), fifo("Library/Caches/app/p")},
       {},
       [](auto& fx) { return scanned(fx, row(fx, {"~/Library/Caches/app"})); },
       nullptr,
       {0},
       std::nullopt,
       {"Library/Caches/app/a", "Library/Caches/app/.h", "Library/Caches/app/sub", "Library/Caches/app/p"},
       {"Library/Caches/app"},
       {}},
      {"file part removed",
       {file("Library/Logs/x.log", 7000), file("Library/Logs/other.log", 10)},
       {},
       [](auto& fx) { return scanned(fx, row(fx, {"~/Library/Logs/x.log"})); },
       nullptr,
       {0},
       std::nullopt,
       {"Library/Logs/x.log"},
       {"Library/Logs/other.log"},
       {}},
      // Gone before the cleaning reached it: whoever removed it freed it.
      {"vanished part frees nothing",
       {file("Library/Caches/app/a", 5000), file("Library/Caches/other/b", 3000)},
       {},
       [](auto& fx) {
         return scanned(fx, row(fx, {"~/Library/Caches/app", "~/Library/Caches/other"}));
       },
       [](auto& fx) {
         std::remove(fx.path("Library/Caches/app/a").c_str());
         std::remove(fx.path("Library/Caches/app").c_str());
       },
       {1},
       std::nullopt,
       {"Library/Caches/other/b"},
       {"Library/Caches/other"},
       {}},
      {"part emptied since the scan frees nothing",
       {file("Library/Caches/app/a", 5000), file("Library/Caches/app/sub/b", 3000),
        file("Library/Caches/other/c", 2000)},
       {},
       [](auto& fx) {
         return scanned(fx, row(fx, {"~/Library/Caches/app", "~/Library/Caches/other"}));
       },
       [](auto& fx) {
         std::remove(fx.path("Library/Caches/app/a").c_str());
         std::remove(fx.path("Library/Caches/app/sub/b").c_str());
       },
       {1},
       std::nullopt,
       {"Library/Caches/app/sub", "Library/Caches/other/c"},
       {"Library/Caches/app", "Library/Caches/other"},
       {}},
      {"part whose parent folder vanished frees nothing",
       {file("Library/Application Support/App/Cache/a", 5000)},
       {},
       [](auto& fx) { return scanned(fx, row(fx, {"~/Library/Application Support/App/Cache"})); },
       [](auto& fx) {
         std::remove(fx.path("Library/Application Support/App/Cache/a").c_str());
         std::remove(fx.path("Library/Application Support/App/Cache").c_str());
         std::remove(fx.path("Library/Application Support/App").c_str());
       },
       {},
       std::nullopt,
       {"Library/Application Support/App"},
       {},
       {}},
      // Only "nothing there" counts as vanished: a part that cannot be
      // looked at for another reason may still hold everything.
      {"part whose parent became a link loop counts as still there",
       {file("Library/Caches/app/x.db", 5000)},
       {},
       [](auto& fx) { return scanned(fx, row(fx, {"~/Library/Caches/app/x.db"})); },
       [](auto& fx) {
         std::rename(fx.path("Library/Caches/app").c_str(), fx.path("Library/Caches/app-old").c_str());
         fx.add({symlink("Library/Caches/app", "{home}/Library/Caches/app")});
       },
       {},
       Why::mountPoint,  // a part whose folder cannot be looked at counts as one
       {},
       {"Library/Caches/app-old/x.db"},
       {}},
      {"part whose folder above became a file counts as vanished, freeing nothing",
       {file("Library/Caches/app/sub/x.db", 5000)},
       {},
       [](auto& fx) { return scanned(fx, row(fx, {"~/Library/Caches/app/sub/x.db"})); },
       [](auto& fx) {
         std::rename(fx.path("Library/Caches/app").c_str(), fx.path("Library/Caches/app-old").c_str());
         fx.add({file("Library/Caches/app", 10)});
       },
       {},
       std::nullopt,
       {},
       {"Library/Caches/app-old/sub/x.db", "Library/Caches/app"},
       {}},
      {"part outside the home refused",
       {},
       {file("victim/data", 5000)},
       [](auto& fx) { return handMade({fx.outside("victim")}); },
       nullptr,
       {},
       Why::outsideAreas,
       {},
       {},
       {"victim/data"}},
      {"part swapped for a symlink after the scan refused",
       {file("Library/Caches/app/a", 5000)},
       {file("victim/data", 5000)},
       [](auto& fx) { return scanned(fx, row(fx, {"~/Library/Caches/app"})); },
       [](auto& fx) {
         std::rename(fx.path("Library/Caches/app").c_str(), fx.path("Library/Caches/app-old").c_str());
         fx.add({symlink("Library/Caches/app", "{root}/victim")});
       },
       {},
       Why::link,
       {},
       {"Library/Caches/app", "Library/Caches/app-old/a"},
       {"victim/data"}},
      {"part that is a symlink refused",
       {symlink("Library/Caches/link", "{root}/victim")},
       {file("victim/data", 5000)},
       [](auto& fx) { return handMade({fx.path("Library/Caches/link")}); },
       nullptr,
       {},
       Why::link,
       {},
       {"Library/Caches/link"},
       {"victim/data"}},
      {"part replaced by another folder after the scan refused",
       {file("Library/Caches/app/a", 5000)},
       {},
       [](auto& fx) { return scanned(fx, row(fx, {"~/Library/Caches/app"})); },
       [](auto& fx) {
         std::rename(fx.path("Library/Caches/app").c_str(), fx.path("Library/Caches/app-old").c_str());
         fx.add({file("Library/Caches/app/new", 100)});
       },
       {},
       Why::notScanned,
       {},
       {"Library/Caches/app/new", "Library/Caches/app-old/a"},
       {}},
      {"file part replaced by a new file after the scan refused",
       {file("Library/Logs/x.log", 7000)},
       {},
       [](auto& fx) { return scanned(fx, row(fx, {"~/Library/Logs/x.log"})); },
       [](auto& fx) {
         std::rename(fx.path("Library/Logs/x.log").c_str(), fx.path("Library/Logs/x.log.1").c_str());
         fx.add({file("Library/Logs/x.log", 3000)});
       },
       {},
       Why::notScanned,
       {},
       {"Library/Logs/x.log", "Library/Logs/x.log.1"},
       {}},
      {"part whose parent leads outside the home refused",
       {symlink("Library", "{root}/victim")},
       {file("victim/Caches/app/v", 5000)},
       [](auto& fx) { return handMade({fx.path("Library/Caches/app")}); },
       nullptr,
       {},
       Why::outsideAreas,
       {},
       {},
       {"victim/Caches/app/v"}},
      {"child symlinks unlinked as links",
       {file("Library/Caches/app/a", 100), symlink("Library/Caches/app/tovictim", "{root}/victim"),
        symlink("Library/Caches/app/sub/tosentinel", "{root}/victim/sentinel")},
       {file("victim/data", 5000)},
       [](auto& fx) { return scanned(fx, row(fx, {"~/Library/Caches/app"})); },
       nullptr,
       {0},
       std::nullopt,
       {"Library/Caches/app/a", "Library/Caches/app/tovictim", "Library/Caches/app/sub"},
       {"Library/Caches/app"},
       {"victim/data"}},
      {"child holding a credential refused",
       {file(".cache/huggingface/token", 100), file(".cache/huggingface/hub/m", 5000),
        file(".cache/pip/w", 4000)},
       {},
       [](auto& fx) {
         return handMade({fx.path(".cache/pip"), fx.path(".cache/huggingface")});
       },
       nullptr,
       {0},
       Why::credential,
       {".cache/pip/w"},
       {".cache/pip", ".cache/huggingface/token", ".cache/huggingface/hub/m"},
       {}},
      {"sweep cleaned child by child, covered children untouched",
       {file("Library/Caches/Google/Chrome/c", 5000), file("Library/Caches/com.example.app/d", 7000),
        file("Library/Caches/.hidden/h", 3000), file("Library/Caches/loose.db", 2000)},
       {},
       [](auto& fx) { return scanned(fx, catalogRow(fx, "other-app-caches")); },
       nullptr,
       {0, 1, 2},
       std::nullopt,
       {"Library/Caches/com.example.app/d", "Library/Caches/.hidden/h", "Library/Caches/loose.db"},
       {"Library/Caches/Google/Chrome/c", "Library/Caches/com.example.app", "Library/Caches/.hidden"},
       {}},
  };
  for (const Case& c : cases) {
    FixtureHome fx;
    addSentinel(fx);
    fx.add(c.home);
    fx.addOutside(c.outside);
    const CleanupItem item = c.item(fx);
    ASSERT_FALSE(item.resolvedPaths.empty()) << c.name;
    if (c.between) c.between(fx);

    const auto result = DiskScanner::clean(item, fx.context());
    int64_t freed = 0;
    for (size_t i : c.freedParts) freed += item.measuredParts.at(i).sizeBytes;
    EXPECT_EQ(result.freedBytes, freed) << c.name;
    EXPECT_EQ(result.failedTitle, c.failed ? std::optional<std::string>(item.target.title) : std::nullopt)
        << c.name;
    EXPECT_EQ(result.reason ? std::optional(result.reason->kind) : std::nullopt, c.failed) << c.name;
    for (const auto& g : c.gone) EXPECT_FALSE(exists(fx.path(g))) << c.name << ": " << g;
    for (const auto& s : c.survive) EXPECT_TRUE(exists(fx.path(s))) << c.name << ": " << s;
    for (const auto& s : c.surviveOutside) EXPECT_TRUE(exists(fx.outside(s))) << c.name << ": " << s;
    EXPECT_TRUE(sentinelIntact(fx)) << c.name;
  }
}

// More is left than was measured, yet what did go was freed.
// Blocks go back to the file system only with a file's last link: a file
// still linked from outside the chosen parts frees nothing, and one linked
// twice within them frees its blocks once.
TEST(DiskScannerClean, FreesOnlyTheBlocksNoOtherLinkStillHolds) {
  struct Case {
    const char* name;
    std::vector<Entry> home;
    std::vector<Entry> outside;  // "home/..." links into the home
    std::vector<std::string> paths;
    std::vector<std::string> freedFiles;                    // below the home; each inode once
    std::vector<std::string> gone;                          // below the home
    std::vector<std::pair<std::string, size_t>> linksLeft;  // below the root, with their size
  };
  const std::vector<Case> cases = {
      {"a file linked from outside the home",
       {file("Library/Caches/app/a", 50'000), file("Library/Caches/app/b", 3000)},
       {hardlink("victim/linked", "home/Library/Caches/app/a")},
       {"~/Library/Caches/app"},
       {"Library/Caches/app/b"},
       {"Library/Caches/app/a", "Library/Caches/app/b"},
       {{"victim/linked", 50'000}}},
      {"a file linked from elsewhere in the home",
       {file("Library/Caches/app/sub/a", 50'000), file("Library/Caches/app/b", 3000),
        hardlink("Documents/kept", "Library/Caches/app/sub/a")},
       {},
       {"~/Library/Caches/app"},
       {"Library/Caches/app/b"},
       {"Library/Caches/app/sub", "Library/Caches/app/b"},
       {{"home/Documents/kept", 50'000}}},
      {"a file part linked from outside",
       {file("Library/Logs/x.log", 50'000)},
       {hardlink("victim/x.log", "home/Library/Logs/x.log")},
       {"~/Library/Logs/x.log"},
       {},
       {"Library/Logs/x.log"},
       {{"victim/x.log", 50'000}}},
      {"two links inside the part",
       {file("Library/Caches/app/a", 50'000), hardlink("Library/Caches/app/sub/a2", "Library/Caches/app/a"),
        file("Library/Caches/app/b", 3000)},
       {},
       {"~/Library/Caches/app"},
       {"Library/Caches/app/a", "Library/Caches/app/b"},
       {"Library/Caches/app/a", "Library/Caches/app/sub", "Library/Caches/app/b"},
       {}},
      {"one file linked from two parts",
       {file("Library/Caches/one/a", 50'000), hardlink("Library/Caches/two/a", "Library/Caches/one/a"),
        file("Library/Caches/two/b", 3000)},
       {},
       {"~/Library/Caches/one", "~/Library/Caches/two"},
       {"Library/Caches/one/a", "Library/Caches/two/b"},
       {"Library/Caches/one/a", "Library/Caches/two/a", "Library/Caches/two/b"},
       {}},
  };
  for (const Case& c : cases) {
    FixtureHome fx;
    addSentinel(fx);
    fx.add(c.home);
    fx.addOutside(c.outside);
    const CleanupItem item = scanned(fx, row(fx, c.paths));
    ASSERT_EQ(item.resolvedPaths.size(), c.paths.size()) << c.name;
    const int64_t freed = fixtures::blocksOf(fx, c.freedFiles);

    EXPECT_EQ(DiskScanner::clean(item, fx.context()), (DiskScanner::CleanResult{freed, std::nullopt}))
        << c.name;
    for (const auto& g : c.gone) EXPECT_FALSE(exists(fx.path(g))) << c.name << ": " << g;
    for (const auto& [link, size] : c.linksLeft)
      EXPECT_EQ(readFile(fx.outside(link)).size(), size) << c.name << ": " << link;
    EXPECT_TRUE(sentinelIntact(fx)) << c.name;
  }
}

TEST(DiskScannerClean, FolderThatGrewBeyondWhatWasMeasuredFreesWhatWent) {
  FixtureHome fx({file("Library/Caches/app/a", 4000)});
  addSentinel(fx);
  const CleanupItem item = scanned(fx, row(fx, {"~/Library/Caches/app"}));
  const int64_t went = fixtures::blocksOf(fx, {"Library/Caches/app/a"});
  fx.add({file("Library/Caches/app/grown/big", 1 << 20)});
  Undeletable stuck(fx.path("Library/Caches/app/grown"));
  if (!stuck.ok()) GTEST_SKIP() << "cannot make a folder undeletable here";

  const auto result = DiskScanner::clean(item, fx.context());
  EXPECT_EQ(result.freedBytes, went);
  EXPECT_EQ(result.failedTitle, item.target.title);
  // Immutable for root, read-only for anyone else.
  ASSERT_TRUE(result.reason);
  EXPECT_EQ(result.reason->kind, Why::removeFailed);
  EXPECT_TRUE(result.reason->code == EPERM || result.reason->code == EACCES) << result.reason->code;
  EXPECT_FALSE(exists(fx.path("Library/Caches/app/a")));
  EXPECT_TRUE(exists(fx.path("Library/Caches/app/grown/big")));
  EXPECT_TRUE(sentinelIntact(fx));
}

TEST(DiskScannerClean, MountPointBelowAPartIsNeitherMeasuredNorEntered) {
  FixtureHome fx({file("Library/Caches/app/a", 4000), folder("Library/Caches/app/mnt")});
  addSentinel(fx);
  const int64_t ownBytes = fixtures::blocksOf(fx, {"Library/Caches/app/a"});
  const std::string target = fx.path("Library/Caches/app/mnt");
  std::optional<CleanupItem> item;
  DiskScanner::CleanResult result;
  bool sentinelSeenThroughMount = false;
  {
    BindMount mount(fx.outside("victim"), target);
    if (!mount.ok()) GTEST_SKIP() << "bind mounts are not permitted here";
    item = DiskScanner::scan(row(fx, {"~/Library/Caches/app"}), fx.context());
    result = item ? DiskScanner::clean(*item, fx.context()) : DiskScanner::CleanResult{};
    sentinelSeenThroughMount = exists(target + "/sentinel");
  }

  ASSERT_TRUE(item.has_value());
  EXPECT_EQ(item->sizeBytes, ownBytes);
  EXPECT_TRUE(sentinelSeenThroughMount);
  EXPECT_EQ(result.freedBytes, item->sizeBytes);
  EXPECT_EQ(result.failedTitle, item->target.title);  // the mount point is left behind
  EXPECT_EQ(result.reason, FailureReason{Why::mountPoint});
  EXPECT_FALSE(exists(fx.path("Library/Caches/app/a")));
  EXPECT_TRUE(sentinelIntact(fx));
}

// The same through a permission, which only binds an ordinary user.
TEST(DiskScannerClean, PartBehindAFolderWithoutSearchPermissionCountsAsStillThere) {
  if (geteuid() == 0) GTEST_SKIP() << "root may search any folder";
  FixtureHome fx({file("Library/Caches/app/x.db", 5000)});
  addSentinel(fx);
  const CleanupItem item = scanned(fx, row(fx, {"~/Library/Caches/app/x.db"}));
  chmod(fx.path("Library/Caches/app").c_str(), 0600);
  const auto result = DiskScanner::clean(item, fx.context());
  chmod(fx.path("Library/Caches/app").c_str(), 0755);
  // A folder whose entries cannot be looked at may hold a mount point.
  EXPECT_EQ(result, (DiskScanner::CleanResult{0, item.target.title, FailureReason{Why::mountPoint}}));
  EXPECT_TRUE(exists(fx.path("Library/Caches/app/x.db")));
  EXPECT_TRUE(sentinelIntact(fx));
}

TEST(DiskScannerClean, UnusableHomeOrMissingIdentityRefusesEveryPart) {
  FixtureHome fx({file("Library/Caches/app/a", 4000)});
  addSentinel(fx);
  const CleanupItem item = scanned(fx, row(fx, {"~/Library/Caches/app"}));
  auto ctx = fx.context();
  ctx.home = "/";
  EXPECT_EQ(DiskScanner::clean(item, ctx),
            (DiskScanner::CleanResult{0, item.target.title, FailureReason{Why::homeUnusable}}));
  CleanupItem bare = item;
  bare.measuredParts.clear();
  EXPECT_EQ(DiskScanner::clean(bare, fx.context()),
            (DiskScanner::CleanResult{0, item.target.title, FailureReason{Why::notScanned}}));
  EXPECT_TRUE(exists(fx.path("Library/Caches/app/a")));
  EXPECT_TRUE(sentinelIntact(fx));
}

}  // namespace
}  // namespace tidewell::engine
