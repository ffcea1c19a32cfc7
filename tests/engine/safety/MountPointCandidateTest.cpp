// A candidate that is itself a mount point is never offered and never
// acted on, by any entry point that deletes or trashes. Each case runs
// twice: with real bind mounts (of the same file system, which keep the
// device number) where they are permitted, and with the context's
// extraMountPoints standing in for them, which always runs.

#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/Paths.h"
#include "engine/apps/AppScanner.h"
#include "engine/clean/DiskScanner.h"
#include "engine/deepscan/BigItemScanner.h"
#include "engine/deepscan/InstallerScanner.h"
#include "testkit/support/FailurePrinting.h"
#include "testkit/support/FixtureHome.h"
#include "tests/engine/apps/InfoPlistFixture.h"
#include "tests/engine/clean/DiskScannerFixtures.h"
#include "tests/engine/walk/BindMount.h"
#include "tests/engine/walk/FakeSizes.h"

namespace tidewell::engine {
namespace {

using namespace testing;

constexpr int64_t kBig = BigItemScanner::sizeThreshold;

// Home-relative places that are mount points, and one ordinary neighbour of
// each that every entry point still offers.
constexpr const char* kCacheMount = ".cache/mounted";
constexpr const char* kArtefactMount = "code/app/node_modules";
constexpr const char* kBigMount = "Documents/mounted";
constexpr const char* kInstallerMount = "Downloads/mounted.dmg";
constexpr const char* kLeftoverMount = "Library/Caches/com.example.m";

struct MountFixture {
  FixtureHome fx;
  std::string bundle;  // the application's bundle, also a mount point
  std::string plainBundle;

  MountFixture() {
    fx.add({folder(kCacheMount), file(".cache/plain/blob", 4096), folder(kArtefactMount),
            folder("code/web/node_modules/x"), folder(kBigMount), file("Documents/plain.mov", 100),
            file(kInstallerMount, 100), file("Downloads/plain.dmg", 100), folder(kLeftoverMount),
            file("Library/Logs/M/log", 4096)});
    // Outside the home: what the mounts show, and the sentinel.
    fx.addOutside({file("victim/sentinel", 1000), file("victim/keep/data", 4096), file("victim.dmg", 100)});
    const auto ctx = fx.context();
    bundle = ctx.systemPath("/Applications/M.app");
    plainBundle = ctx.systemPath("/Applications/N.app");
    makeBundle(plainBundle, xmlPlist({{"CFBundleIdentifier", "com.example.n"}}));
    fx.addOutside({folder("system/Applications/M.app")});
  }

  std::vector<std::string> mountPoints() const {
    return {fx.path(kCacheMount),     fx.path(kArtefactMount), fx.path(kBigMount),
            fx.path(kInstallerMount), fx.path(kLeftoverMount), bundle};
  }
  bool sentinelIntact() const { return readFile(fx.outside("victim/sentinel")).size() == 1000; }
};

// What every acting path says of a mount point.
const platform::FailureReason kMountPoint{platform::FailureReason::Kind::mountPoint};

BigItem itemAt(const std::string& path, BigItem::Kind kind) {
  BigItem item;
  item.id = item.url = path;
  item.name = std::string(base::lastComponent(path));
  item.sizeBytes = kBig;
  item.kind = kind;
  item.identity = identityAt(path);
  return item;
}

// Every entry point, with ctx seeing the fixture's mount points as such.
// `mountedContent` is a home-relative path inside a mounted folder that must
// survive every acting path.
void checkEveryEntryPoint(const MountFixture& m, const platform::EngineContext& ctx,
                          const std::string& mountedContent) {
  const FixtureHome& fx = m.fx;

  // Catalog rows: a sweep and a plain row.
  const auto sweep = DiskScanner::scan(fixtures::row(fx, {"~/.cache"}, true), ctx);
  ASSERT_TRUE(sweep);
  EXPECT_EQ(sweep->resolvedPaths, std::vector<std::string>{fx.path(".cache/plain")});
  EXPECT_FALSE(DiskScanner::scan(fixtures::row(fx, {std::string("~/") + kCacheMount}), ctx));
  const auto cleaned =
      DiskScanner::clean(fixtures::handMade({fx.path(kCacheMount), fx.path(".cache/plain")}), ctx);
  EXPECT_EQ(cleaned.failedTitle, "Hand-made row");
  EXPECT_EQ(cleaned.reason, kMountPoint);
  EXPECT_FALSE(exists(fx.path(".cache/plain/blob")));
  EXPECT_TRUE(exists(fx.path(std::string(kCacheMount) + "/" + mountedContent)));

  // Build artefacts.
  std::vector<std::string> artefacts;
  for (const auto& row : BigItemScanner::findBuildArtifacts(ctx)) artefacts.push_back(row.paths.front());
  EXPECT_EQ(artefacts, std::vector<std::string>{fx.path("code/web/node_modules")});

  // Big items.
  FakeSizes bigSizes = FakeSizes::belowHome(fx, {{kBigMount, kBig}, {"Documents/plain.mov", kBig}});
  std::vector<std::string> big;
  for (const auto& item : BigItemScanner::scan({}, ctx, bigSizes.measure())) big.push_back(item.id);
  EXPECT_EQ(big, std::vector<std::string>{fx.path("Documents/plain.mov")});
  const auto bigOutcome = BigItemScanner::trash(itemAt(fx.path(kBigMount), BigItem::Kind::personal), ctx);
  EXPECT_FALSE(bigOutcome.success);
  EXPECT_EQ(bigOutcome.reason, kMountPoint);
  EXPECT_TRUE(exists(fx.path(std::string(kBigMount) + "/" + mountedContent)));

  // Installers.
  FakeSizes installerSizes =
      FakeSizes::belowHome(fx, {{kInstallerMount, kBig}, {"Downloads/plain.dmg", kBig}});
  std::vector<std::string> installers;
  for (const auto& item :
       InstallerScanner::scan(ctx, installerSizes.measure(), std::chrono::system_clock::now()))
    installers.push_back(item.id);
  EXPECT_EQ(installers, std::vector<std::string>{fx.path("Downloads/plain.dmg")});
  const auto installerOutcome =
      BigItemScanner::trash(itemAt(fx.path(kInstallerMount), BigItem::Kind::installer), ctx);
  EXPECT_FALSE(installerOutcome.success);
  EXPECT_EQ(installerOutcome.reason, kMountPoint);
  EXPECT_TRUE(exists(fx.path(kInstallerMount)));

  // Applications: the bundle and a leftover are mount points.
  AppScanner scanner(AppScanner::standardSearchDirs(ctx));
  std::vector<std::string> bundles;
  for (const auto& app : scanner.scanApps({}, ctx)) bundles.push_back(app.url);
  EXPECT_EQ(bundles, std::vector<std::string>{m.plainBundle});

  UninstallPlan plan;
  plan.app.name = "M";
  plan.app.id = "com.example.m";
  plan.app.bundleID = "com.example.m";
  plan.app.url = m.bundle;
  plan.app.identity = identityAt(m.bundle);
  plan.leftovers = scanner.findLeftovers(plan.app, ctx);
  ASSERT_EQ(plan.leftovers.size(), 1u);
  EXPECT_EQ(plan.leftovers[0].url, fx.path("Library/Logs/M"));
  plan.leftovers.push_back({LeftoverFile::makeIdentifier(), fx.path(kLeftoverMount), "Cache", 4096,
                            identityAt(fx.path(kLeftoverMount))});
  const auto result = scanner.uninstall(plan, ctx);
  EXPECT_EQ(result.failed, (std::vector<UninstallResult::FailedItem>{{"M.app", kMountPoint},
                                                                     {"com.example.m", kMountPoint}}));
  EXPECT_EQ(result.movedCount, 1);
  EXPECT_FALSE(result.appBundleMoved);
  EXPECT_FALSE(exists(fx.path("Library/Logs/M")));
  EXPECT_TRUE(exists(m.bundle + "/" + mountedContent));
  EXPECT_TRUE(exists(fx.path(std::string(kLeftoverMount) + "/" + mountedContent)));

  EXPECT_TRUE(m.sentinelIntact());
}

TEST(MountPointCandidates, RealBindMountsAreNeitherOfferedNorActedOn) {
  MountFixture m;
  const std::string victim = m.fx.outside("victim");
  {
    std::vector<std::unique_ptr<BindMount>> mounts;
    for (const std::string& target : m.mountPoints()) {
      const bool isFile = target == m.fx.path(kInstallerMount);
      mounts.push_back(std::make_unique<BindMount>(isFile ? m.fx.outside("victim.dmg") : victim, target));
      if (!mounts.back()->ok()) GTEST_SKIP() << "bind mounts are not permitted here";
    }
    // And a file system of its own, on another device.
    m.fx.add({folder(".cache/other-fs")});
    auto otherFs = ScopedMount::tmpfs(m.fx.path(".cache/other-fs"));
    if (!otherFs.ok()) GTEST_SKIP() << "mounting a file system here needs root";
    writeFile(m.fx.path(".cache/other-fs/data"), "elsewhere");
    checkEveryEntryPoint(m, m.fx.context(), "keep/data");
  }
  EXPECT_TRUE(exists(m.fx.outside("victim/keep/data")));
  EXPECT_TRUE(m.sentinelIntact());
}

TEST(MountPointCandidates, EveryEntryPointConsultsTheMountRule) {
  MountFixture m;
  // What a mounted folder would show.
  for (const std::string& target : m.mountPoints())
    if (target != m.fx.path(kInstallerMount)) writeFile(target + "/inside", "mounted");
  auto ctx = m.fx.context();
  ctx.extraMountPoints = m.mountPoints();
  checkEveryEntryPoint(m, ctx, "inside");
}

}  // namespace
}  // namespace tidewell::engine
