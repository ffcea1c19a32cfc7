// The Clean and Dev Mode models over the real engine, through the
// production seam and a real thread pool, on a small fixture home.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>

#include "models/ThreadPoolExecutor.h"
#include "models/clean/CleanupViewModel.h"
#include "models/clean/MachineCleanupEngine.h"
#include "models/devmode/DevModeViewModel.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/support/EventWait.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::models {
namespace {

using testing::file;
using testing::waitUntilDone;

std::map<std::string, bool> selectionById(const std::vector<engine::CleanupItem>& items) {
  std::map<std::string, bool> out;
  for (const auto& item : items) out[item.id()] = item.isSelected;
  return out;
}

struct RealEngine : ::testing::Test {
  testing::FixtureHome home{
      file(".npm/_cacache/content-v2/sha512/aa", 40'000),                         // npm-cache, safe
      file("Library/Caches/Google/Chrome/Default/Cache/data_1", 90'000),          // chrome-cache, safe
      file("Library/Developer/Xcode/Archives/2026-12-01/App.xcarchive", 30'000),  // caution
      file("code/web/package.json", 10),
      file("code/web/node_modules/left-pad/index.js", 20'000),   // a build artefact, safe
      file(".cache/huggingface/hub/models--tiny/blob", 12'000),  // an AI cache, caution
      file("Documents/keep.txt", 5'000),                         // no row's
  };
  testing::ModelHarness harness;
  std::shared_ptr<const CleanupEngine> engine = std::make_shared<MachineCleanupEngine>(home.context());
  ModelServices services() {
    auto services = harness.services();
    services.executor = std::make_shared<ThreadPoolExecutor>(4);
    return services;
  }
  const std::string artifact = "artifact:node_modules:" + home.path("code/web/node_modules");
};

TEST_F(RealEngine, TheCleanModelScansToReviewAndCleansOnlyWhatWasChosen) {
  auto model = std::make_shared<CleanupViewModel>(services(), engine);
  auto scan = model->scan();
  ASSERT_TRUE(waitUntilDone(scan));
  ASSERT_EQ(model->phase(), CleanupViewModel::Phase::review);
  EXPECT_EQ(model->scanProgress(), 1.0);
  EXPECT_FALSE(model->currentTarget());

  std::vector<std::string> order;
  for (const auto& item : model->items()) order.push_back(item.id());
  EXPECT_EQ(order, (std::vector<std::string>{"chrome-cache", "npm-cache", "xcode-archives", artifact}));
  EXPECT_EQ(selectionById(model->items()),
            (std::map<std::string, bool>{
                {"chrome-cache", true}, {"npm-cache", true}, {"xcode-archives", false}, {artifact, true}}));
  for (std::size_t i = 1; i < model->items().size(); ++i)
    EXPECT_GE(model->items()[i - 1].sizeBytes, model->items()[i].sizeBytes);

  const int64_t chosen = model->selectedBytes();
  auto clean = model->clean();
  ASSERT_TRUE(waitUntilDone(clean));
  ASSERT_EQ(model->phase(), CleanupViewModel::Phase::done);
  EXPECT_TRUE(model->failedTitles().empty());
  EXPECT_EQ(model->freedBytes(), chosen);
  EXPECT_EQ(harness.settings->totalFreedBytes(), chosen);
  EXPECT_FALSE(testing::exists(home.path(".npm/_cacache/content-v2/sha512/aa")));
  EXPECT_FALSE(testing::exists(home.path("Library/Caches/Google/Chrome/Default/Cache/data_1")));
  EXPECT_FALSE(testing::exists(home.path("code/web/node_modules/left-pad/index.js")));
  // Emptied in place: the folders themselves stay.
  EXPECT_TRUE(testing::exists(home.path(".npm")));
  EXPECT_TRUE(testing::exists(home.path("code/web/node_modules")));
  // The caution row nobody ticked, the project itself and the user's files survive.
  EXPECT_TRUE(testing::exists(home.path("Library/Developer/Xcode/Archives/2026-12-01/App.xcarchive")));
  EXPECT_TRUE(testing::exists(home.path("code/web/package.json")));
  EXPECT_TRUE(testing::exists(home.path("Documents/keep.txt")));
  EXPECT_TRUE(testing::exists(home.path(".cache/huggingface/hub/models--tiny/blob")));
}

TEST_F(RealEngine, TheDevModeModelTakesTheDeveloperAndAICacheRowsOnly) {
  auto model = std::make_shared<DevModeViewModel>(services(), engine);
  auto scan = model->scan();
  ASSERT_TRUE(waitUntilDone(scan));
  ASSERT_EQ(model->phase(), DevModeViewModel::Phase::review);
  // The browser cache is an app cache outside the Dev Mode rows.
  EXPECT_EQ(selectionById(model->items()),
            (std::map<std::string, bool>{
                {"npm-cache", true}, {"xcode-archives", false}, {artifact, true}, {"hf-hub-cache", false}}));
  EXPECT_TRUE(model->models().empty());  // nothing near the size of a model store
}

// Both sections list the npm cache. Once Clean has emptied it, Dev Mode's
// still-listed item has nothing left to free, and the lifetime total counts
// those bytes once.
TEST_F(RealEngine, BytesTwoSectionsBothListedAreCountedOnceFreed) {
  home.addOutside({file("victim/sentinel", 1'000)});
  auto clean = std::make_shared<CleanupViewModel>(services(), engine);
  auto devMode = std::make_shared<DevModeViewModel>(services(), engine);
  auto cleanScan = clean->scan();
  ASSERT_TRUE(waitUntilDone(cleanScan));
  auto devModeScan = devMode->scan();
  ASSERT_TRUE(waitUntilDone(devModeScan));
  ASSERT_EQ(clean->phase(), CleanupViewModel::Phase::review);
  ASSERT_EQ(devMode->phase(), DevModeViewModel::Phase::review);
  for (CleanupItemsModel* model : std::initializer_list<CleanupItemsModel*>{clean.get(), devMode.get()}) {
    model->selectAll(false);
    model->setSelected("npm-cache", true);
    ASSERT_EQ(model->selectedItems().size(), 1u);
  }
  const int64_t npmBytes = clean->selectedBytes();
  ASSERT_GT(npmBytes, 0);
  ASSERT_EQ(devMode->selectedBytes(), npmBytes);

  auto first = clean->clean();
  ASSERT_TRUE(waitUntilDone(first));
  EXPECT_EQ(clean->freedBytes(), npmBytes);
  EXPECT_EQ(harness.settings->totalFreedBytes(), npmBytes);

  auto second = devMode->clean();
  ASSERT_TRUE(waitUntilDone(second));
  ASSERT_EQ(devMode->phase(), DevModeViewModel::Phase::done);
  EXPECT_EQ(devMode->freedBytes(), 0);
  EXPECT_TRUE(devMode->failedTitles().empty());
  EXPECT_EQ(harness.settings->totalFreedBytes(), npmBytes);

  EXPECT_FALSE(testing::exists(home.path(".npm/_cacache/content-v2/sha512/aa")));
  EXPECT_TRUE(testing::exists(home.path(".npm")));
  for (const char* kept :
       {"Library/Caches/Google/Chrome/Default/Cache/data_1", "code/web/node_modules/left-pad/index.js",
        ".cache/huggingface/hub/models--tiny/blob", "Documents/keep.txt"})
    EXPECT_TRUE(testing::exists(home.path(kept))) << kept;
  EXPECT_EQ(testing::readFile(home.outside("victim/sentinel")).size(), 1'000u);
}

}  // namespace
}  // namespace tidewell::models
