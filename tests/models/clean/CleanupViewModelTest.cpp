// The Clean model's own rules: the selection and sums by category. What it
// shares with Dev Mode is checked over both in CleanupItemsModelTest.cpp.
#include "models/clean/CleanupViewModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
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
using engine::SafetyLevel;
using Phase = CleanupViewModel::Phase;
using testing::finished;
using testing::ids;
using testing::row;
using testing::runToEnd;
using testing::ScriptedCleanupEngine;
using testing::selectedIds;

void watchAll(testing::SignalLog& log, CleanupViewModel* model) {
  testing::watchSharedFields(log, model);
  log.watch(model, &CleanupViewModel::phaseChanged, "phase");
  log.watch(model, &CleanupViewModel::currentTargetChanged, "currentTarget");
  log.watch(model, &CleanupViewModel::freeSpaceBeforeChanged, "freeSpaceBefore");
  log.watch(model, &CleanupViewModel::freeSpaceAfterChanged, "freeSpaceAfter");
}

struct CleanModel : ::testing::Test {
  testing::ModelHarness harness;
  std::shared_ptr<ScriptedCleanupEngine> fake = std::make_shared<ScriptedCleanupEngine>();
  std::shared_ptr<CleanupViewModel> model;

  ManualExecutor& executor() { return *harness.executor; }
  // Call after scripting the fake: the model reads the free space at once.
  CleanupViewModel& make() {
    model = std::make_shared<CleanupViewModel>(harness.services(), fake);
    return *model;
  }
  void scanToReview() {
    auto task = model->scan();
    runToEnd(executor());
    ASSERT_TRUE(finished(task));
    ASSERT_EQ(model->phase(), Phase::review);
  }
};

TEST_F(CleanModel, SelectionByCategory) {
  fake->catalogRows = {
      row("dev-safe"),
      row("dev-caution", CleanupCategory::developerCaches, SafetyLevel::caution),
      row("app-safe", CleanupCategory::appCaches),
      row("app-caution", CleanupCategory::appCaches, SafetyLevel::caution),
      row("sys-caution", CleanupCategory::system, SafetyLevel::caution),
  };
  fake->sizes = {
      {"dev-safe", 50}, {"dev-caution", 40}, {"app-safe", 30}, {"app-caution", 20}, {"sys-caution", 10}};
  make();
  scanToReview();

  using Operation = std::function<void(CleanupViewModel&)>;
  struct Case {
    const char* name;
    Operation operation;
    std::set<std::string> selected;
  };
  const std::set<std::string> all = {"dev-safe", "dev-caution", "app-safe", "app-caution", "sys-caution"};
  const Case cases[] = {
      {"none, then safe only in app caches",
       [](CleanupViewModel& m) {
         m.selectAll(false);
         m.selectSafeOnly(CleanupCategory::appCaches);
       },
       {"app-safe"}},
      {"all, then safe only in app caches",
       [](CleanupViewModel& m) {
         m.selectAll(true);
         m.selectSafeOnly(CleanupCategory::appCaches);
       },
       {"dev-safe", "dev-caution", "app-safe", "sys-caution"}},
      {"whole developer category, caution included",
       [](CleanupViewModel& m) { m.setSelected(true, CleanupCategory::developerCaches); },
       {"dev-safe", "dev-caution", "app-safe"}},
      {"clear app caches",
       [](CleanupViewModel& m) { m.setSelected(false, CleanupCategory::appCaches); },
       {"dev-safe"}},
  };
  for (const Case& c : cases) {
    model->selectAll(false);
    model->selectSafeOnly();
    c.operation(*model);
    EXPECT_EQ(selectedIds(*model), c.selected) << c.name;
    for (const auto& id : all)
      EXPECT_EQ(model->isSelected(id), c.selected.count(id) > 0) << c.name << " " << id;
  }

  // Derived values by category for the measured selection.
  model->selectSafeOnly();
  model->setSelected("app-caution", true);
  EXPECT_EQ(model->categories(),
            (std::vector<CleanupCategory>{CleanupCategory::developerCaches, CleanupCategory::appCaches,
                                          CleanupCategory::system}));
  EXPECT_EQ(ids(model->items(CleanupCategory::appCaches)),
            (std::vector<std::string>{"app-safe", "app-caution"}));
  EXPECT_TRUE(model->items(CleanupCategory::aiCaches).empty());
  EXPECT_EQ(model->selectedCount(CleanupCategory::appCaches), 2u);
  EXPECT_EQ(model->selectedCount(CleanupCategory::system), 0u);
  EXPECT_EQ(model->bytes(CleanupCategory::developerCaches), 90);

  // A write to a category with no items publishes nothing.
  testing::SignalLog log;
  watchAll(log, model.get());
  model->setSelected(true, CleanupCategory::aiCaches);
  model->selectSafeOnly(CleanupCategory::aiCaches);
  EXPECT_TRUE(log.names().empty());
  model->setSelected(false, CleanupCategory::system);
  EXPECT_EQ(log.names(), (std::vector<std::string>{"items", "changed"}));
}

}  // namespace
}  // namespace tidewell::models
