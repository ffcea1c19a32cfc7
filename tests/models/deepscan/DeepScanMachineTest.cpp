// The Deep Scan model over the production seam, on a fixture home with
// real threads: the scanners see the fixture, and a trashed item lands in
// the fixture's own Trash.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "models/ThreadPoolExecutor.h"
#include "models/deepscan/DeepScanViewModel.h"
#include "models/deepscan/MachineDeepScanEngine.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/support/EventWait.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::models {
namespace {

using namespace tidewell::testing;
using Kind = engine::BigItem::Kind;

constexpr int64_t MB = 1'000'000;

TEST(DeepScanOnAFixtureHome, FindsMergesAndTrashesInsideTheFixture) {
  const std::string docker = "Library/Containers/com.docker.docker";
  FixtureHome fx({file("Downloads/movie.mkv", 10), file("Downloads/setup.dmg", 10),
                  folder(docker + "/Data/vms/0/data"), folder(docker + "-backup"),
                  file("Documents/notes.txt", 10)});
  fx.addOutside({file("victim/keep.txt", 10)});
  // Sizes stand in for the bytes, which the fixture does not write.
  const std::map<std::string, int64_t> sizes = {
      {fx.path("Downloads/movie.mkv"), 150 * MB},
      {fx.path("Downloads/setup.dmg"), 200 * MB},
      {fx.path(docker), 300 * MB},
      {fx.path(docker + "/Data/vms"), 300 * MB},
      {fx.path(docker + "-backup"), 90 * MB},
  };
  auto measure = [sizes](const std::string& path) -> int64_t {
    auto found = sizes.find(path);
    return found == sizes.end() ? 0 : found->second;
  };
  ModelHarness harness;
  auto services = harness.services();
  services.executor = std::make_shared<ThreadPoolExecutor>(2);
  const auto ctx = fx.context();
  ASSERT_EQ(ctx.trashHome.rfind(fx.home() + "/", 0), 0u);
  auto model =
      std::make_shared<DeepScanViewModel>(services, std::make_shared<MachineDeepScanEngine>(ctx, measure));

  auto scan = model->scan();
  ASSERT_TRUE(waitUntilDone(scan));
  EXPECT_EQ(model->phase(), DeepScanViewModel::Phase::list);
  EXPECT_EQ(model->scanProgress(), 1.0);
  std::vector<std::pair<std::string, Kind>> found;
  for (const auto& each : model->items()) found.emplace_back(each.id, each.kind);
  const std::vector<std::pair<std::string, Kind>> expected = {
      {fx.path(docker + "/Data/vms/0/data"), Kind::container},
      {fx.path("Downloads/setup.dmg"), Kind::installer},
      {fx.path("Downloads/movie.mkv"), Kind::personal},
      {fx.path(docker + "-backup"), Kind::appData},
  };
  EXPECT_EQ(found, expected);
  EXPECT_EQ(model->totalBytes(), 740 * MB);

  // The container disk is only shown: refused, untouched.
  auto refused = model->trash(model->items()[0]);
  ASSERT_TRUE(waitUntilDone(refused));
  EXPECT_FALSE(model->lastResult()->success);
  EXPECT_TRUE(exists(fx.path(docker + "/Data/vms/0/data")));

  auto trashed = model->trash(model->items()[2]);
  ASSERT_TRUE(waitUntilDone(trashed));
  EXPECT_EQ(model->lastResult(), (DeepScanViewModel::TrashOutcome{"movie.mkv", 150 * MB, true}));
  EXPECT_FALSE(exists(fx.path("Downloads/movie.mkv")));
  EXPECT_TRUE(exists(ctx.trashHome + "/files/movie.mkv"));
  EXPECT_EQ(model->items().size(), 3u);
  EXPECT_EQ(model->totalBytes(), 590 * MB);
  for (const char* rel :
       {"Downloads/setup.dmg", "Documents/notes.txt", "Library/Containers/com.docker.docker-backup"})
    EXPECT_TRUE(exists(fx.path(rel))) << rel;
  EXPECT_TRUE(exists(fx.outside("victim/keep.txt")));
}

}  // namespace
}  // namespace tidewell::models
