// The Dev Mode model's own rules: what it measures, the model folder search
// and the selection by group. What it shares with Clean is checked over both
// in CleanupItemsModelTest.cpp.
#include "models/devmode/DevModeViewModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedCleanupEngine.h"
#include "tests/models/SignalLog.h"
#include "tests/models/clean/CleanupTesting.h"

namespace tidewell::models {
namespace {

using engine::CleanupCategory;
using engine::CleanupTarget;
using engine::SafetyLevel;
using Phase = DevModeViewModel::Phase;
using testing::finished;
using testing::ids;
using testing::realCatalog;
using testing::row;
using testing::runToEnd;
using testing::ScriptedCleanupEngine;
using testing::selectedIds;
using testing::settle;
using testing::store;

void watchAll(testing::SignalLog& log, DevModeViewModel* model) {
  testing::watchSharedFields(log, model);
  log.watch(model, &DevModeViewModel::phaseChanged, "phase");
  log.watch(model, &DevModeViewModel::modelsChanged, "models");
}

struct DevModel : ::testing::Test {
  testing::ModelHarness harness;
  std::shared_ptr<ScriptedCleanupEngine> fake = std::make_shared<ScriptedCleanupEngine>();
  std::shared_ptr<DevModeViewModel> model = std::make_shared<DevModeViewModel>(harness.services(), fake);

  ManualExecutor& executor() { return *harness.executor; }
  void scanToReview() {
    auto task = model->scan();
    runToEnd(executor());
    ASSERT_TRUE(finished(task));
    ASSERT_EQ(model->phase(), Phase::review);
  }
  // Two groups by id: "xcode-*" and "npm-*", each a safe and a caution row.
  void twoGroups() {
    fake->catalogRows = {
        row("xcode-safe"), row("xcode-caution", CleanupCategory::developerCaches, SafetyLevel::caution),
        row("npm-safe"), row("npm-caution", CleanupCategory::developerCaches, SafetyLevel::caution)};
    fake->sizes = {{"xcode-safe", 400}, {"xcode-caution", 300}, {"npm-safe", 200}, {"npm-caution", 100}};
  }
};

TEST(DevModeTargets, DeveloperRowsThenTheExtraRowsThenTheAICachesThenTheArtefacts) {
  const std::vector<CleanupTarget> catalog = realCatalog();
  const std::vector<CleanupTarget> none = DevModeViewModel::targets(catalog, {});
  ASSERT_EQ(none.size(), 33u);

  std::vector<std::string> expected;
  for (const auto& target : catalog) {
    const bool extra = target.id == "editor-app-caches" || target.id == "claude-app-caches" ||
                       target.id == "claude-vm-bundles";
    if (target.category == CleanupCategory::developerCaches || extra) expected.push_back(target.id);
  }
  ASSERT_EQ(expected.size(), 29u);
  for (const char* id : {"hf-hub-cache", "torch-hub-cache", "keras-model-cache", "conda-pkg-cache"})
    expected.push_back(id);
  EXPECT_EQ(ids(none), expected);
  std::size_t developer = 0;
  for (std::size_t i = 0; i < 29; ++i) developer += none[i].category == CleanupCategory::developerCaches;
  EXPECT_EQ(developer, 26u);

  const std::vector<CleanupTarget> withArtifacts =
      DevModeViewModel::targets(catalog, {row("artifact:node_modules:/p/a"), row("artifact:target:/p/b")});
  ASSERT_EQ(withArtifacts.size(), 35u);
  EXPECT_EQ(withArtifacts[33].id, "artifact:node_modules:/p/a");
  EXPECT_EQ(withArtifacts[34].id, "artifact:target:/p/b");
}

TEST(DevModeTargets, TheFourAICacheRows) {
  const auto& rows = DevModeViewModel::aiCacheTargets();
  ASSERT_EQ(rows.size(), 4u);
  struct Expected {
    const char* id;
    const char* title;
    std::vector<std::string> paths;
    const char* detail;
  };
  const Expected expected[] = {
      {"hf-hub-cache",
       "Hugging Face model cache",
       {"~/.cache/huggingface/hub", "~/.cache/huggingface/xet"},
       "Downloaded model weights (transformers, diffusers). Re-downloadable, but large and slow to refetch. "
       "Your "
       "login token is left alone."},
      {"torch-hub-cache",
       "PyTorch model cache",
       {"~/.cache/torch/hub/checkpoints"},
       "Pretrained weights cached by torch.hub. Re-downloaded when a model needs them."},
      {"keras-model-cache",
       "Keras model cache",
       {"~/.keras/models"},
       "Pretrained Keras / TensorFlow weights. Re-downloaded on next use; your datasets and settings stay."},
      {"conda-pkg-cache",
       "Conda package cache",
       {"~/miniconda3/pkgs", "~/anaconda3/pkgs", "~/opt/anaconda3/pkgs", "~/miniforge3/pkgs"},
       "Downloaded conda packages, not your environments. Re-fetched when needed."},
  };
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(rows[i].id, expected[i].id);
    EXPECT_EQ(rows[i].title, expected[i].title);
    EXPECT_EQ(rows[i].paths, expected[i].paths);
    EXPECT_EQ(rows[i].detail, expected[i].detail);
    EXPECT_EQ(rows[i].category, CleanupCategory::aiCaches);
    EXPECT_EQ(rows[i].safety, SafetyLevel::caution);
    EXPECT_FALSE(rows[i].isSweep);
  }
}

TEST_F(DevModel, ScanMeasuresThirtyThreeTargetsThenFindsTheModelFolders) {
  fake->catalogRows = realCatalog();
  // Only a few rows find anything; the AI cache rows find nothing.
  fake->sizes = {{"npm-cache", 5'000}, {"cargo-cache", 7'000}, {"editor-app-caches", 5'000}};
  fake->stores = {store("Ollama models", 20'000'000'000)};
  testing::SignalLog log;
  watchAll(log, model.get());

  auto task = model->scan();
  EXPECT_EQ(model->phase(), Phase::scanning);
  EXPECT_EQ(log.fields(), (std::vector<std::string>{"phase", "scanProgress", "items", "models"}));
  executor().runJob(0);
  settle();
  std::mt19937 random(7);
  for (int k = 1; k <= 33; ++k) {
    ASSERT_LE(executor().pending(), 4u);
    executor().runJob(random() % executor().pending());
    settle();
    EXPECT_DOUBLE_EQ(model->scanProgress(), k / 33.0);
  }
  EXPECT_EQ(fake->measured().size(), 33u);
  // Still scanning at full progress, with nothing published, until the model
  // folders are known.
  EXPECT_EQ(model->phase(), Phase::scanning);
  EXPECT_TRUE(model->items().empty());
  ASSERT_EQ(executor().pending(), 1u);
  EXPECT_EQ(fake->modelScans(), 0);
  log.clear();
  executor().runJob(0);
  settle();
  ASSERT_TRUE(finished(task));
  EXPECT_EQ(log.fields(), (std::vector<std::string>{"items", "models", "phase"}));
  EXPECT_TRUE(log.eachFollowedByChanged());
  EXPECT_EQ(model->phase(), Phase::review);

  // The 20 GB model folder is listed, never an item.
  EXPECT_EQ(model->models().size(), 1u);
  EXPECT_EQ(model->modelBytes(), 20'000'000'000);
  EXPECT_EQ(model->totalBytes(), 17'000);
  EXPECT_EQ(ids(model->items()).front(), "cargo-cache");
  EXPECT_EQ(model->items().size(), 3u);
  EXPECT_EQ(fake->freeSpaceReads(), 0u);  // this model never reads the free space
}

TEST_F(DevModel, SelectionByGroup) {
  twoGroups();
  fake->catalogRows.push_back(row("conda-pkg-cache", CleanupCategory::aiCaches, SafetyLevel::caution));
  fake->sizes["conda-pkg-cache"] = 50;
  scanToReview();
  const DevModeViewModel::Ids xcode = {"xcode-safe", "xcode-caution"};
  const DevModeViewModel::Ids ai = {"conda-pkg-cache", "hf-hub-cache"};

  using Operation = std::function<void(DevModeViewModel&)>;
  struct Case {
    const char* name;
    Operation operation;
    std::set<std::string> selected;
  };
  const Case cases[] = {
      {"whole group picked",
       [&](DevModeViewModel& m) { m.setSelected(true, xcode); },
       {"xcode-safe", "xcode-caution", "npm-safe"}},
      {"group dropped, others stay", [&](DevModeViewModel& m) { m.setSelected(false, xcode); }, {"npm-safe"}},
      {"everything, then one group smart",
       [&](DevModeViewModel& m) {
         m.selectAll(true);
         m.selectSafeOnly(xcode);
       },
       {"xcode-safe", "npm-safe", "npm-caution", "conda-pkg-cache"}},
      {"everything, then the AI group smart: all caution",
       [&](DevModeViewModel& m) {
         m.selectAll(true);
         m.selectSafeOnly(ai);
       },
       {"xcode-safe", "xcode-caution", "npm-safe", "npm-caution"}},
      {"unknown ids change nothing",
       [](DevModeViewModel& m) { m.setSelected(true, {"no-such-row"}); },
       {"xcode-safe", "npm-safe"}},
  };
  for (const Case& c : cases) {
    model->selectSafeOnly();
    c.operation(*model);
    EXPECT_EQ(selectedIds(*model), c.selected) << c.name;
  }

  model->selectSafeOnly();
  model->setSelected("xcode-caution", true);
  EXPECT_EQ(model->selectedCount(xcode), 2u);
  EXPECT_EQ(model->selectedCount(ai), 0u);
  EXPECT_EQ(model->selectedCount({"no-such-row"}), 0u);

  // A write to a group with no items publishes nothing.
  testing::SignalLog log;
  watchAll(log, model.get());
  model->setSelected(false, {"no-such-row"});
  model->selectSafeOnly({"no-such-row"});
  EXPECT_TRUE(log.names().empty());
  model->setSelected(false, xcode);
  EXPECT_EQ(log.names(), (std::vector<std::string>{"items", "changed"}));
}

}  // namespace
}  // namespace tidewell::models
