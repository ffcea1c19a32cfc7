#include "models/smartscan/SmartScanController.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedAdvisorEngine.h"
#include "testkit/fakes/ScriptedAppsEngine.h"
#include "testkit/fakes/ScriptedCleanupEngine.h"
#include "testkit/fakes/ScriptedDeepScanEngine.h"

namespace tidewell::models {
namespace {

using testing::finished;
using testing::ModelHarness;
using testing::runToEnd;
using testing::settle;
using Phase = SmartScanController::Phase;

// Five rows, so the four-wide window starts a fifth measurement (and
// names it) when the first one ends.
std::shared_ptr<testing::ScriptedCleanupEngine> fiveRows() {
  auto engine = std::make_shared<testing::ScriptedCleanupEngine>();
  for (int i = 1; i <= 5; ++i) {
    engine->catalogRows.push_back(testing::row("row-" + std::to_string(i)));
    engine->sizes["row-" + std::to_string(i)] = 10;
  }
  engine->freeSpace = {1000};
  return engine;
}

// An Apps engine that finds nothing and reports the scan done. Under the
// manual executor every call runs on the test's thread, when the test says so.
std::shared_ptr<testing::ScriptedAppsEngine> scriptedApps() {
  auto engine = std::make_shared<testing::ScriptedAppsEngine>();
  engine->reports = {1.0};
  return engine;
}

// The four real models over scripted engines and one manual executor, and
// the controller over them, with every phase it publishes recorded.
struct Rig {
  Rig() {
    QObject::connect(controller.get(), &SmartScanController::phaseChanged, controller.get(),
                     [this] { phases.push_back(controller->phase()); });
  }

  // Runs jobs one at a time until the controller reaches phase.
  void runUntil(Phase phase) {
    settle();
    while (controller->phase() != phase && h.executor->runJob(0)) settle();
    ASSERT_EQ(controller->phase(), phase);
  }

  // Clean scans count as one per five rows measured.
  int scansServed() const {
    return int(cleanupEngine->measured().size() / 5) + appsEngine->scans + deepScanEngine->scans +
           advisorEngine->scans;
  }

  ModelHarness h;
  std::shared_ptr<testing::ScriptedCleanupEngine> cleanupEngine = fiveRows();
  std::shared_ptr<testing::ScriptedAppsEngine> appsEngine = scriptedApps();
  std::shared_ptr<testing::ScriptedDeepScanEngine> deepScanEngine =
      std::make_shared<testing::ScriptedDeepScanEngine>();
  std::shared_ptr<testing::ScriptedAdvisorEngine> advisorEngine =
      std::make_shared<testing::ScriptedAdvisorEngine>();
  std::shared_ptr<CleanupViewModel> cleanup = std::make_shared<CleanupViewModel>(h.services(), cleanupEngine);
  std::shared_ptr<AppsViewModel> apps = std::make_shared<AppsViewModel>(h.services(), appsEngine);
  std::shared_ptr<DeepScanViewModel> deepScan =
      std::make_shared<DeepScanViewModel>(h.services(), deepScanEngine);
  std::shared_ptr<AdvisorViewModel> advisor = std::make_shared<AdvisorViewModel>(h.services(), advisorEngine);
  std::shared_ptr<SmartScanController> controller =
      std::make_shared<SmartScanController>(cleanup, apps, deepScan, advisor);
  std::vector<Phase> phases;
};

TEST(SmartScanController, ARunAwaitsTheFourScansInTurnAndLeavesEachModelWithItsResults) {
  Rig r;
  EXPECT_EQ(r.controller->phase(), Phase::idle);
  EXPECT_FALSE(r.controller->isRunning());
  auto run = r.controller->start();
  EXPECT_TRUE(r.controller->isRunning());
  EXPECT_EQ(r.controller->runID(), 1);
  runToEnd(*r.h.executor);
  ASSERT_TRUE(finished(run));

  EXPECT_EQ(r.phases,
            (std::vector<Phase>{Phase::clean, Phase::apps, Phase::deepScan, Phase::advisor, Phase::done}));
  EXPECT_FALSE(r.controller->isRunning());
  EXPECT_FALSE(r.controller->stopped());
  EXPECT_TRUE(r.controller->cleanupFinished());
  EXPECT_EQ(r.cleanup->phase(), CleanupViewModel::Phase::review);
  EXPECT_EQ(r.cleanup->items().size(), 5u);
  EXPECT_EQ(r.apps->phase(), AppsViewModel::Phase::list);
  EXPECT_EQ(r.deepScan->phase(), DeepScanViewModel::Phase::list);
  EXPECT_EQ(r.advisor->phase(), AdvisorViewModel::Phase::list);

  // A start from done runs all four again.
  auto again = r.controller->start();
  EXPECT_EQ(r.controller->phase(), Phase::clean);
  runToEnd(*r.h.executor);
  EXPECT_TRUE(finished(again));
  EXPECT_EQ(r.controller->phase(), Phase::done);
  EXPECT_EQ(r.controller->runID(), 2);
  EXPECT_EQ(r.scansServed(), 8);
}

TEST(SmartScanController, StartIsRefusedWhileItRunsOrAnyOfItsModelsIsBusy) {
  struct Case {
    const char* what;
    std::function<void(Rig&)> makeBusy;
  };
  const std::vector<Case> cases = {
      {"a run under way", [](Rig& r) { (void)r.controller->start(); }},
      {"Clean scanning", [](Rig& r) { (void)r.cleanup->scan(); }},
      {"Clean cleaning",
       [](Rig& r) {
         auto scan = r.cleanup->scan();
         runToEnd(*r.h.executor);
         ASSERT_EQ(r.cleanup->phase(), CleanupViewModel::Phase::review);
         (void)r.cleanup->clean();
         ASSERT_EQ(r.cleanup->phase(), CleanupViewModel::Phase::cleaning);
       }},
      {"Apps scanning", [](Rig& r) { (void)r.apps->scan(); }},
      {"Deep Scan scanning", [](Rig& r) { (void)r.deepScan->scan(); }},
      {"Advisor scanning", [](Rig& r) { (void)r.advisor->scan(); }},
  };
  for (const Case& c : cases) {
    Rig r;
    c.makeBusy(r);
    const Phase phase = r.controller->phase();
    const int64_t runID = r.controller->runID();
    const size_t pending = r.h.executor->pending();
    r.phases.clear();

    auto refused = r.controller->start();
    EXPECT_TRUE(finished(refused)) << c.what;
    EXPECT_EQ(r.controller->phase(), phase) << c.what;
    EXPECT_EQ(r.controller->runID(), runID) << c.what;
    EXPECT_FALSE(r.controller->stopped()) << c.what;
    EXPECT_EQ(r.h.executor->pending(), pending) << c.what << ": no scan was started";
    EXPECT_TRUE(r.phases.empty()) << c.what;
    runToEnd(*r.h.executor);
  }
}

TEST(SmartScanController, TwoStartsInOneTurnStartOneRun) {
  Rig r;
  auto first = r.controller->start();
  auto second = r.controller->start();
  EXPECT_TRUE(finished(second));
  EXPECT_EQ(r.controller->runID(), 1);
  runToEnd(*r.h.executor);
  EXPECT_TRUE(finished(first));
  EXPECT_EQ(r.phases,
            (std::vector<Phase>{Phase::clean, Phase::apps, Phase::deepScan, Phase::advisor, Phase::done}));
  EXPECT_EQ(r.cleanupEngine->measured().size(), 5u);
  EXPECT_EQ(r.advisorEngine->scans, 1);
}

TEST(SmartScanController, StopDuringAppsEndsAtOnceAndLetsTheAppsScanFinishAlone) {
  Rig r;
  auto run = r.controller->start();
  r.runUntil(Phase::apps);
  ASSERT_EQ(r.apps->phase(), AppsViewModel::Phase::scanning);

  r.controller->requestStop();
  EXPECT_EQ(r.controller->phase(), Phase::done);
  EXPECT_TRUE(r.controller->stopped());
  EXPECT_EQ(r.controller->runID(), 2);

  // While Apps still scans, a new start is refused.
  auto refused = r.controller->start();
  EXPECT_TRUE(finished(refused));
  EXPECT_EQ(r.controller->phase(), Phase::done);
  EXPECT_TRUE(r.controller->stopped());
  EXPECT_EQ(r.controller->runID(), 2);

  runToEnd(*r.h.executor);
  EXPECT_TRUE(finished(run)) << "the abandoned run ends silently";
  EXPECT_EQ(r.apps->phase(), AppsViewModel::Phase::list) << "the Apps scan completed and filled its model";
  EXPECT_EQ(r.deepScanEngine->scans, 0);
  EXPECT_EQ(r.advisorEngine->scans, 0);
  EXPECT_EQ(r.deepScan->phase(), DeepScanViewModel::Phase::idle);
  EXPECT_EQ(r.advisor->phase(), AdvisorViewModel::Phase::idle);
  EXPECT_EQ(r.phases, (std::vector<Phase>{Phase::clean, Phase::apps, Phase::done}));

  // Stop does nothing when not running; a reset keeps stopped.
  r.controller->requestStop();
  EXPECT_EQ(r.controller->runID(), 2);
  r.controller->reset();
  EXPECT_EQ(r.controller->phase(), Phase::idle);
  EXPECT_TRUE(r.controller->stopped());

  // Once Apps has finished, a start runs a fresh sequence and clears stopped.
  r.phases.clear();
  auto fresh = r.controller->start();
  EXPECT_FALSE(r.controller->stopped());
  runToEnd(*r.h.executor);
  EXPECT_TRUE(finished(fresh));
  EXPECT_EQ(r.phases,
            (std::vector<Phase>{Phase::clean, Phase::apps, Phase::deepScan, Phase::advisor, Phase::done}));
}

TEST(SmartScanController, StatusLineNamesTheStepUnderWay) {
  Rig r;
  EXPECT_EQ(r.controller->statusLine(), QString());
  auto run = r.controller->start();
  EXPECT_EQ(r.controller->statusLine(), QStringLiteral("measuring caches…")) << "no row measured yet";

  // The Clean model's current row, as it changes.
  std::vector<QString> lines;
  QObject::connect(r.cleanup.get(), &CleanupViewModel::currentTargetChanged, r.cleanup.get(),
                   [&] { lines.push_back(r.controller->statusLine()); });
  struct Step {
    Phase phase;
    QString line;
  };
  const Step steps[] = {
      {Phase::apps, "reading /Applications…"},
      {Phase::deepScan, "walking your home folder…"},
      {Phase::advisor, "asking simctl and tmutil…"},
      {Phase::done, ""},
  };
  for (const Step& s : steps) {
    r.runUntil(s.phase);
    EXPECT_EQ(r.controller->statusLine(), s.line);
  }
  EXPECT_EQ(lines.front(), QStringLiteral("row-5 title")) << "the row whose measuring started last";
  EXPECT_EQ(lines.back(), QStringLiteral("measuring caches…")) << "cleared when the measuring ends";
  EXPECT_TRUE(finished(run));
  EXPECT_EQ(QStringLiteral("…").size(), 1) << "a single ellipsis character";
}

TEST(SmartScanController, EveryChangeOfAnyModelIsAChangeOfTheController) {
  Rig r;
  int controllerChanges = 0;
  int modelChanges = 0;
  int ownWrites = 0;
  QObject::connect(r.controller.get(), &FeatureModel::changed, r.controller.get(),
                   [&] { ++controllerChanges; });
  for (FeatureModel* m :
       std::initializer_list<FeatureModel*>{r.cleanup.get(), r.apps.get(), r.deepScan.get(), r.advisor.get()})
    QObject::connect(m, &FeatureModel::changed, m, [&] { ++modelChanges; });
  QObject::connect(r.controller.get(), &SmartScanController::phaseChanged, r.controller.get(),
                   [&] { ++ownWrites; });
  QObject::connect(r.controller.get(), &SmartScanController::stoppedChanged, r.controller.get(),
                   [&] { ++ownWrites; });

  const std::function<void()> touches[] = {
      [&] { r.cleanup->reset(); },
      [&] { r.apps->setSortOrder(AppsViewModel::SortOrder::name); },
      [&] { r.deepScan->setLastResult(std::nullopt); },
      [&] { r.advisor->setLastMessage(QStringLiteral("Hello.")); },
  };
  for (const auto& touch : touches) {
    const int before = controllerChanges;
    touch();
    EXPECT_GT(controllerChanges, before);
    EXPECT_EQ(controllerChanges, modelChanges);
  }

  // Progress, items and phases while scanning reach it too, each once.
  auto run = r.controller->start();
  runToEnd(*r.h.executor);
  EXPECT_TRUE(finished(run));
  EXPECT_GT(modelChanges, 20);
  EXPECT_EQ(controllerChanges, modelChanges + ownWrites);

  // The models outlive a released controller and no longer reach it.
  std::weak_ptr<SmartScanController> weak = r.controller;
  r.controller.reset();
  EXPECT_TRUE(weak.expired());
  const int before = controllerChanges;
  r.advisor->setLastMessage(std::nullopt);
  EXPECT_EQ(controllerChanges, before);
}

}  // namespace
}  // namespace tidewell::models
