// The Apps model over the production seam, on a fixture machine with real
// threads: bundles under the fixture's system and home Applications
// folders, leftovers in the fixture Library, and the fixture's own Trash.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "models/ThreadPoolExecutor.h"
#include "models/apps/AppsViewModel.h"
#include "models/apps/MachineAppsEngine.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/support/EventWait.h"
#include "testkit/support/FixtureHome.h"
#include "tests/engine/apps/InfoPlistFixture.h"

namespace tidewell::models {
namespace {

using namespace tidewell::testing;

TEST(AppsOnAFixtureMachine, ScansSortsAndUninstallsOneCopyInsideTheFixture) {
  FixtureHome fx({file("Library/Caches/com.example.alpha/blob", 4000),
                  file("Library/Caches/com.example.other/keep", 10)});
  fx.addOutside({file("victim/keep.txt", 10)});
  auto ctx = fx.context();
  ASSERT_EQ(ctx.trashHome.rfind(fx.home() + "/", 0), 0u);
  // Two copies of one application, and one the user opened a week ago.
  const std::string alpha =
      xmlPlist({{"CFBundleIdentifier", "com.example.alpha"}, {"CFBundleName", "Alpha"}});
  const std::string systemCopy = ctx.systemPath("/Applications/Alpha.app");
  const std::string homeCopy = fx.path("Applications/Alpha.app");
  const std::string recent = ctx.systemPath("/Applications/Utilities/Recent.app");
  makeBundle(systemCopy, alpha, 4000);
  makeBundle(homeCopy, alpha, 8000);
  makeBundle(recent, xmlPlist({{"CFBundleIdentifier", "com.example.recent"}}), 100);
  ctx.lastUsedDate = [recent](const std::string& path) -> std::optional<base::TimePoint> {
    if (path == recent) return fixedNow - std::chrono::hours(24 * 7);
    return std::nullopt;
  };

  ModelHarness harness;
  auto services = harness.services();
  services.executor = std::make_shared<ThreadPoolExecutor>(2);
  auto model = std::make_shared<AppsViewModel>(services, std::make_shared<MachineAppsEngine>(ctx));

  auto scan = model->scan();
  ASSERT_TRUE(waitUntilDone(scan));
  std::vector<std::string> urls;
  for (const auto& each : model->apps()) urls.push_back(each.url);
  EXPECT_EQ(urls, (std::vector<std::string>{systemCopy, recent, homeCopy}));
  std::vector<std::string> leastUsed;
  for (const auto& each : model->sortedApps()) leastUsed.push_back(each.url);
  EXPECT_EQ(leastUsed.back(), recent);
  const int64_t before = model->totalBytes();

  auto prepare = model->prepareUninstall(model->apps()[0]);
  ASSERT_TRUE(waitUntilDone(prepare));
  ASSERT_TRUE(model->pendingPlan());
  const auto& plan = model->pendingPlan()->plan;
  EXPECT_EQ(plan.app.url, systemCopy);
  ASSERT_EQ(plan.leftovers.size(), 1u);
  EXPECT_EQ(plan.leftovers[0].url, fx.path("Library/Caches/com.example.alpha"));

  const int64_t appBytes = plan.app.sizeBytes;
  auto confirm = model->confirmUninstall(model->pendingPlan()->id);
  ASSERT_TRUE(waitUntilDone(confirm));
  ASSERT_TRUE(model->lastResult());
  EXPECT_TRUE(model->lastResult()->appBundleMoved);
  EXPECT_EQ(model->lastResult()->movedCount, 2);
  EXPECT_FALSE(exists(systemCopy));
  EXPECT_TRUE(exists(ctx.trashHome + "/files/Alpha.app"));
  EXPECT_TRUE(exists(ctx.trashHome + "/files/com.example.alpha"));

  // The other copy stays, on disk and in the list; so does everything not chosen.
  urls.clear();
  for (const auto& each : model->apps()) urls.push_back(each.url);
  EXPECT_EQ(urls, (std::vector<std::string>{recent, homeCopy}));
  EXPECT_EQ(model->totalBytes(), before - appBytes);
  EXPECT_TRUE(exists(homeCopy + "/Contents/Info.plist"));
  EXPECT_TRUE(exists(recent));
  EXPECT_TRUE(exists(fx.path("Library/Caches/com.example.other/keep")));
  EXPECT_TRUE(exists(fx.outside("victim/keep.txt")));
}

}  // namespace
}  // namespace tidewell::models
