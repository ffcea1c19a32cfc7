#include "models/apps/AppsViewModel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedAppsEngine.h"
#include "testkit/support/LogLines.h"

namespace tidewell::models {
namespace {

using engine::InstalledApp;
using engine::LeftoverFile;
using engine::UninstallPlan;
using engine::UninstallResult;
using Phase = AppsViewModel::Phase;
using SortOrder = AppsViewModel::SortOrder;
using tidewell::testing::finished;
using tidewell::testing::fixedNow;
using tidewell::testing::LogLines;
using tidewell::testing::ModelHarness;
using tidewell::testing::runToEnd;
using tidewell::testing::ScriptedAppsEngine;
using tidewell::testing::settle;

constexpr std::chrono::hours day{24};

InstalledApp app(std::string name, int64_t size, std::optional<base::TimePoint> lastUsed = std::nullopt,
                 std::string url = {}, std::string id = {}) {
  InstalledApp made;
  made.name = name;
  made.url = url.empty() ? "/Applications/" + name + ".app" : url;
  made.id = id.empty() ? "com.example." + name : id;
  made.bundleID = made.id;
  made.sizeBytes = size;
  made.lastUsed = lastUsed;
  return made;
}

LeftoverFile leftover(std::string url, int64_t size) {
  return {"ID-" + url, url, "Cache", size, std::nullopt};
}

struct AppsFixture : ::testing::Test {
  ModelHarness harness;
  std::shared_ptr<ScriptedAppsEngine> engine = std::make_shared<ScriptedAppsEngine>();
  std::shared_ptr<AppsViewModel> model;

  void SetUp() override { model = std::make_shared<AppsViewModel>(harness.services(), engine); }
  void scanToEnd() {
    auto task = model->scan();
    runToEnd(*harness.executor);
    ASSERT_TRUE(finished(task));
  }
  // Builds the plan for the app at index and returns the id it was offered under.
  uint64_t planFor(size_t index) {
    auto task = model->prepareUninstall(model->apps()[index]);
    runToEnd(*harness.executor);
    EXPECT_TRUE(finished(task));
    return model->pendingPlan() ? model->pendingPlan()->id : 0;
  }
  static std::vector<std::string> names(const std::vector<InstalledApp>& apps) {
    std::vector<std::string> out;
    for (const auto& each : apps) out.push_back(each.name);
    return out;
  }
};

TEST_F(AppsFixture, SortOrdersOverAFixedClock) {
  engine->installed = {
      app("Zed", 100, fixedNow - 65 * day),     app("beta", 300),
      app("Alpha", 200, fixedNow - 1205 * day), app("alpha", 200, fixedNow - 1205 * day),
      app("Gamma", 500, fixedNow - 70 * day),   app("delta", 50),
  };
  scanToEnd();
  const std::vector<std::string> scanOrder = {"Zed", "beta", "Alpha", "alpha", "Gamma", "delta"};
  struct Case {
    SortOrder order;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      // Never used first, larger first among them; equal months larger first;
      // full ties keep scan order.
      {SortOrder::leastUsed, {"beta", "delta", "Alpha", "alpha", "Gamma", "Zed"}},
      {SortOrder::largest, {"Gamma", "beta", "Alpha", "alpha", "Zed", "delta"}},
      // Case does not count, so names that differ only in case keep scan order.
      {SortOrder::name, {"Alpha", "alpha", "beta", "delta", "Gamma", "Zed"}},
  };
  int orderSignals = 0;
  QObject::connect(model.get(), &AppsViewModel::sortOrderChanged, model.get(), [&] { ++orderSignals; });
  for (const auto& c : cases) {
    SCOPED_TRACE(AppsViewModel::label(c.order).toStdString());
    model->setSortOrder(c.order);
    EXPECT_EQ(model->sortOrder(), c.order);
    EXPECT_EQ(names(model->sortedApps()), c.expected);
    EXPECT_EQ(names(model->apps()), scanOrder);
  }
  EXPECT_EQ(orderSignals, 3);
}

// Long enough that an unstable sort would reorder ties.
TEST_F(AppsFixture, FullTiesKeepScanOrderInEveryOrder) {
  std::vector<std::string> scanOrder;
  for (int i = 0; i < 40; ++i) {
    const std::string name = i % 2 ? "same" : "Same";
    engine->installed.push_back(app(name, 700, std::nullopt, "/Applications/" + std::to_string(i) + ".app"));
    scanOrder.push_back("/Applications/" + std::to_string(i) + ".app");
  }
  scanToEnd();
  for (auto order : AppsViewModel::allSortOrders) {
    SCOPED_TRACE(AppsViewModel::label(order).toStdString());
    model->setSortOrder(order);
    std::vector<std::string> urls;
    for (const auto& each : model->sortedApps()) urls.push_back(each.url);
    EXPECT_EQ(urls, scanOrder);
  }
}

TEST(AppsSortOrder, LabelsInMenuOrder) {
  QStringList labels;
  for (auto order : AppsViewModel::allSortOrders) labels << AppsViewModel::label(order);
  EXPECT_EQ(labels, (QStringList{"Least used", "Largest", "Name"}));
  ModelHarness harness;
  AppsViewModel model(harness.services(), std::make_shared<ScriptedAppsEngine>());
  EXPECT_EQ(model.sortOrder(), SortOrder::leastUsed);
}

// A clock that moves on every reading: read more than once per sort, it
// would make keys change while the sort runs.
TEST(AppsSort, ReadsNowOncePerSort) {
  ModelHarness harness;
  int readings = 0;
  auto services = harness.services();
  services.clock = Clock{[&] { return fixedNow + 31 * day * readings++; }};
  auto engine = std::make_shared<ScriptedAppsEngine>();
  for (int i = 0; i < 40; ++i)
    engine->installed.push_back(app("App" + std::to_string(i), i, fixedNow - day * i));
  auto model = std::make_shared<AppsViewModel>(services, engine);
  auto task = model->scan();
  runToEnd(*harness.executor);
  readings = 0;
  const auto sorted = model->sortedApps();
  EXPECT_EQ(readings, 1);
  ASSERT_EQ(sorted.size(), 40u);
  for (size_t i = 0; i + 1 < sorted.size(); ++i)
    EXPECT_GE(sorted[i].monthsSinceLastUse(fixedNow), sorted[i + 1].monthsSinceLastUse(fixedNow));
}

TEST_F(AppsFixture, OneScanAtATimeWithProgressThatNeverLandsLate) {
  engine->installed = {app("Alpha", 100)};
  engine->reports = {0.5, 1.0};
  scanToEnd();
  model->setLastResult(UninstallResult{"Old", 1, 10, {}, true});

  std::vector<double> progress;
  QObject::connect(model.get(), &AppsViewModel::scanProgressChanged, model.get(),
                   [&] { progress.push_back(model->scanProgress()); });
  engine->installed = {app("Alpha", 100), app("Beta", 200)};
  auto first = model->scan();
  auto second = model->scan();
  EXPECT_TRUE(finished(second));
  EXPECT_EQ(model->phase(), Phase::scanning);
  EXPECT_FALSE(model->lastResult());
  EXPECT_EQ(names(model->apps()), std::vector<std::string>{"Alpha"});  // kept until the scan ends
  EXPECT_EQ(harness.executor->pending(), 1u);
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(first));
  EXPECT_EQ(engine->scans, 2);
  EXPECT_EQ(progress, (std::vector<double>{0.0, 0.5, 1.0, 1.0}));
  EXPECT_EQ(model->phase(), Phase::list);
  EXPECT_EQ(names(model->apps()), (std::vector<std::string>{"Alpha", "Beta"}));
  EXPECT_EQ(model->totalBytes(), 300);

  // A straggling report of the finished scan is dropped.
  progress.clear();
  engine->lastProgress(0.25);
  settle();
  EXPECT_TRUE(progress.empty());
  EXPECT_EQ(model->scanProgress(), 1.0);
}

TEST_F(AppsFixture, APlanIsOfferedUnderANewIdAndTheSheetCanCancelIt) {
  engine->installed = {app("Alpha", 100)};
  engine->leftoversByUrl["/Applications/Alpha.app"] = {leftover("/h/Library/Caches/com.example.Alpha", 40)};
  scanToEnd();

  auto task = model->prepareUninstall(model->apps()[0]);
  EXPECT_TRUE(model->isBuildingPlan());
  EXPECT_FALSE(model->pendingPlan());
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(task));
  EXPECT_FALSE(model->isBuildingPlan());
  ASSERT_TRUE(model->pendingPlan());
  const auto first = *model->pendingPlan();
  EXPECT_EQ(first.plan,
            (UninstallPlan{engine->installed[0], engine->leftoversByUrl["/Applications/Alpha.app"]}));
  EXPECT_EQ(first.plan.totalBytes(), 140);

  model->setPendingPlan(std::nullopt);
  EXPECT_FALSE(model->pendingPlan());
  EXPECT_NE(planFor(0), first.id);
  EXPECT_EQ(model->phase(), Phase::list);
}

TEST_F(AppsFixture, OverlappingPlanBuildsOfferOnlyTheLatestAndStayBusyUntilBothEnd) {
  engine->installed = {app("Alpha", 100), app("Beta", 200)};
  scanToEnd();
  for (const size_t firstToFinish : {0u, 1u}) {
    SCOPED_TRACE(firstToFinish == 0 ? "older build ends first" : "newer build ends first");
    model->setPendingPlan(std::nullopt);
    std::vector<std::string> offered;
    auto connection = QObject::connect(model.get(), &AppsViewModel::pendingPlanChanged, model.get(), [&] {
      if (model->pendingPlan()) offered.push_back(model->pendingPlan()->plan.app.name);
    });
    auto older = model->prepareUninstall(model->apps()[0]);
    auto newer = model->prepareUninstall(model->apps()[1]);
    ASSERT_EQ(harness.executor->pending(), 2u);

    harness.executor->runJob(firstToFinish);
    settle();
    EXPECT_TRUE(model->isBuildingPlan());
    harness.executor->runJob(0);
    settle();
    EXPECT_TRUE(finished(older) && finished(newer));
    EXPECT_FALSE(model->isBuildingPlan());
    ASSERT_TRUE(model->pendingPlan());
    EXPECT_EQ(model->pendingPlan()->plan.app.name, "Beta");
    EXPECT_EQ(offered, std::vector<std::string>{"Beta"});
    QObject::disconnect(connection);
  }
}

TEST_F(AppsFixture, ConfirmationActsOnlyOnThePlanTheSheetShowed) {
  engine->installed = {app("Alpha", 100), app("Beta", 200)};
  scanToEnd();
  const uint64_t alpha = planFor(0);
  const uint64_t beta = planFor(1);  // replaces Alpha's plan while its sheet may still be up
  ASSERT_NE(alpha, beta);

  // Nothing pending of that id: nothing happens, the result stays.
  model->setLastResult(UninstallResult{"Old", 1, 10, {}, true});
  auto stale = model->confirmUninstall(alpha);
  EXPECT_TRUE(finished(stale));
  EXPECT_EQ(harness.executor->pending(), 0u);
  ASSERT_TRUE(model->pendingPlan());
  EXPECT_EQ(model->pendingPlan()->id, beta);

  auto confirmed = model->confirmUninstall(beta);
  EXPECT_FALSE(model->pendingPlan());  // the sheet closes before the work starts
  auto twice = model->confirmUninstall(beta);
  EXPECT_TRUE(finished(twice));
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(confirmed));
  ASSERT_EQ(engine->uninstalled.size(), 1u);
  EXPECT_EQ(engine->uninstalled[0].app.name, "Beta");
  EXPECT_EQ(names(model->apps()), std::vector<std::string>{"Alpha"});
  EXPECT_EQ(model->lastResult(), (UninstallResult{"Beta", 1, 200, {}, true}));

  auto none = model->confirmUninstall(beta);
  EXPECT_TRUE(finished(none));
  EXPECT_EQ(model->lastResult(), (UninstallResult{"Beta", 1, 200, {}, true}));
  EXPECT_EQ(engine->uninstalled.size(), 1u);
}

TEST_F(AppsFixture, UninstallRemovesTheCopyByBundlePathAndOnlyWhenItsBundleMoved) {
  engine->installed = {app("Alpha", 100, std::nullopt, "/Applications/Alpha.app", "com.example.alpha"),
                       app("Alpha", 120, std::nullopt, "/h/Applications/Alpha.app", "com.example.alpha"),
                       app("Busy", 300)};
  engine->runningUrls = {"/Applications/Busy.app"};
  scanToEnd();
  ASSERT_EQ(model->totalBytes(), 520);

  auto first = model->confirmUninstall(planFor(0));
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(first));
  ASSERT_EQ(model->apps().size(), 2u);
  EXPECT_EQ(model->apps()[0].url, "/h/Applications/Alpha.app");
  EXPECT_EQ(model->totalBytes(), 420);

  // A running application stays, and the result says why; so does the log.
  LogLines log("tidewell.models", QtWarningMsg);
  auto busy = model->confirmUninstall(planFor(1));
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(busy));
  EXPECT_EQ(model->apps().size(), 2u);
  EXPECT_EQ(model->lastResult(),
            (UninstallResult{"Busy",
                             0,
                             0,
                             {{"Busy is running. Quit it first.", {platform::FailureReason::Kind::running}}},
                             false}));
  EXPECT_EQ(model->totalBytes(), 420);
  EXPECT_EQ(log.take(), std::vector<std::string>{"apps: Busy not uninstalled: the application is running"});
}

TEST_F(AppsFixture, EachItemLeftBehindIsLoggedWithItsReason) {
  engine->installed = {app("Alpha", 100)};
  engine->leftoversByUrl["/Applications/Alpha.app"] = {leftover("/h/Library/Caches/com.example.Alpha", 10),
                                                       leftover("/h/Library/Logs/Alpha", 20)};
  engine->failuresByUrl["/Applications/Alpha.app"] = {"com.example.Alpha", "Alpha"};
  scanToEnd();
  LogLines log("tidewell.models", QtWarningMsg);
  auto task = model->confirmUninstall(planFor(0));
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(task));
  EXPECT_EQ(log.take(), (std::vector<std::string>{
                            "apps: com.example.Alpha of Alpha not moved to the Trash: rename failed: "
                            "Permission denied",
                            "apps: Alpha of Alpha not moved to the Trash: rename failed: Permission denied",
                        }));
}

TEST_F(AppsFixture, AnUninstallInProgressOutlivesTheWindow) {
  engine->installed = {app("Alpha", 100)};
  scanToEnd();
  const uint64_t id = planFor(0);
  std::weak_ptr<AppsViewModel> weak = model;
  auto task = model->confirmUninstall(id);
  model.reset();
  EXPECT_FALSE(weak.expired());
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(task));
  EXPECT_TRUE(weak.expired());
  EXPECT_EQ(engine->uninstalled.size(), 1u);
}

}  // namespace
}  // namespace tidewell::models
