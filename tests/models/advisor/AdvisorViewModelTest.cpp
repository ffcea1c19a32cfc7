#include "models/advisor/AdvisorViewModel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "models/advisor/MachineAdvisorEngine.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedAdvisorEngine.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/LogLines.h"
#include "tests/engine/advisor/FakeTool.h"

namespace tidewell::models {
namespace {

using engine::AdvisorService;
using testing::FakeTool;
using testing::finished;
using testing::FixtureHome;
using testing::LogLines;
using testing::ModelHarness;
using testing::runToEnd;
using testing::ScriptedAdvisorEngine;
using testing::settle;

using Findings = AdvisorViewModel::Findings;

std::vector<std::string> ids(const Findings& f) {
  std::vector<std::string> out;
  for (const auto& r : f.runtimes) out.push_back(r.id);
  return out;
}

// A machine whose xcrun and tmutil are fake scripts: two runtimes, the
// given number of unavailable simulators, two local snapshots and a Docker
// folder.
struct FakeMachine {
  explicit FakeMachine(int unavailable) {
    xcrun.answer(
        "simctl runtime list -j",
        R"({"K1": {"identifier": "A1B2", "runtimeIdentifier": "com.apple.CoreSimulator.SimRuntime.iOS-17-4",
                            "sizeBytes": 7000000000},
                     "K2": {"identifier": "C3D4", "name": "watchOS 10.2", "sizeBytes": 3000000000}})");
    std::string devices =
        R"({"devices": {"com.apple.CoreSimulator.SimRuntime.iOS-17-4": [{"name": "iPhone 15", "isAvailable": true})";
    for (int i = 0; i < unavailable; ++i) devices += R"(, {"name": "Old", "isAvailable": false})";
    xcrun.answer("simctl list devices -j", devices + "]}}");
    tmutil.answer("listlocalsnapshots /",
                  "Snapshots for disk /:\ncom.apple.TimeMachine.2026-12-01-101010.local\n"
                  "com.apple.TimeMachine.2026-12-02-101010.local\n");
    fx.add({testing::file("Library/Containers/com.docker.docker/Data/vms/0/data/Docker.raw", 64 * 1024)});
  }

  FixtureHome fx;
  FakeTool xcrun{fx, "xcrun"};
  FakeTool tmutil{fx, "tmutil"};
  ModelHarness h;
  std::shared_ptr<AdvisorViewModel> model =
      std::make_shared<AdvisorViewModel>(h.services(), std::make_shared<MachineAdvisorEngine>(fx.context()));

  void scan() {
    auto task = model->scan();
    runToEnd(*h.executor);
    ASSERT_TRUE(finished(task));
    xcrun.clearCalls();
    tmutil.clearCalls();
  }
};

TEST(AdvisorViewModel, ScanGathersTheFourFindingsThroughTheTools) {
  FakeMachine m(2);
  EXPECT_EQ(m.model->phase(), AdvisorViewModel::Phase::idle);
  EXPECT_FALSE(m.model->hasFindings());
  auto task = m.model->scan();
  EXPECT_EQ(m.model->phase(), AdvisorViewModel::Phase::scanning);
  runToEnd(*m.h.executor);
  ASSERT_TRUE(finished(task));

  const Findings& f = m.model->findings();
  EXPECT_EQ(ids(f), (std::vector<std::string>{"A1B2", "C3D4"}));
  EXPECT_EQ(f.runtimes[0].name, "iOS 17.4");
  EXPECT_EQ(f.unavailableSims, 2);
  EXPECT_EQ(f.snapshotCount, 2);
  EXPECT_GT(f.dockerBytes, 0);
  EXPECT_EQ(m.model->runtimeBytes(), 10000000000);
  EXPECT_EQ(m.model->phase(), AdvisorViewModel::Phase::list);
  EXPECT_EQ(m.xcrun.calls(),
            (std::vector<std::string>{"<simctl><runtime><list><-j>", "<simctl><list><devices><-j>",
                                      "<simctl><list><devices><-j>"}));
  EXPECT_EQ(m.tmutil.calls(), (std::vector<std::string>{"<listlocalsnapshots></>"}));
}

TEST(AdvisorViewModel, EachActionRunsItsToolExactlyAndReportsInOneSentence) {
  enum class Action { deleteFirstRuntime, removeUnavailable, thinSnapshots };
  struct Case {
    const char* what;
    int unavailable;
    Action action;
    FakeTool::End end;
    const char* tool;
    std::string argv;    // as the tool sees "$*"
    std::string logged;  // one argument per <>
    QString busy;
    QString message;
    std::vector<std::string> runtimesAfter;
    int unavailableAfter;
    int snapshotsAfter;
    std::vector<std::string> warnings = {};  // how the tool ended, when it failed
  };
  const std::vector<std::string> both = {"A1B2", "C3D4"};
  const std::vector<Case> cases = {
      {"runtime deleted",
       2,
       Action::deleteFirstRuntime,
       FakeTool::End::Exit0,
       "xcrun",
       "simctl runtime delete A1B2",
       "<simctl><runtime><delete><A1B2>",
       "A1B2",
       "Deleted iOS 17.4. If the space doesn't show up, a restart releases it.",
       {"C3D4"},
       2,
       2},
      {"runtime delete refused",
       2,
       Action::deleteFirstRuntime,
       FakeTool::End::Exit1,
       "xcrun",
       "simctl runtime delete A1B2",
       "<simctl><runtime><delete><A1B2>",
       "A1B2",
       "Couldn't delete iOS 17.4. Try Xcode ▸ Settings ▸ Components instead.",
       both,
       2,
       2,
       {"advisor: A1B2 failed: the tool exited with status 1"}},
      {"one unavailable simulator removed", 1, Action::removeUnavailable, FakeTool::End::Exit0, "xcrun",
       "simctl delete unavailable", "<simctl><delete><unavailable>", "unavailable-sims",
       "Removed 1 unavailable simulator.", both, 0, 2},
      {"three unavailable simulators removed", 3, Action::removeUnavailable, FakeTool::End::Exit0, "xcrun",
       "simctl delete unavailable", "<simctl><delete><unavailable>", "unavailable-sims",
       "Removed 3 unavailable simulators.", both, 0, 2},
      {"none to remove still succeeds", 0, Action::removeUnavailable, FakeTool::End::Exit0, "xcrun",
       "simctl delete unavailable", "<simctl><delete><unavailable>", "unavailable-sims",
       "Removed 0 unavailable simulators.", both, 0, 2},
      {"removal failed",
       3,
       Action::removeUnavailable,
       FakeTool::End::Killed,
       "xcrun",
       "simctl delete unavailable",
       "<simctl><delete><unavailable>",
       "unavailable-sims",
       "Couldn't remove unavailable simulators.",
       both,
       3,
       2,
       {"advisor: unavailable-sims failed: the tool was stopped by signal 9"}},
      {"snapshots thinned", 1, Action::thinSnapshots, FakeTool::End::Exit0, "tmutil",
       "thinlocalsnapshots / 999999999999 4", "<thinlocalsnapshots></><999999999999><4>", "snapshots",
       "macOS is purging snapshots now. Space shows up over the next few minutes.", both, 1, 0},
      {"thinning failed",
       1,
       Action::thinSnapshots,
       FakeTool::End::Exit1,
       "tmutil",
       "thinlocalsnapshots / 999999999999 4",
       "<thinlocalsnapshots></><999999999999><4>",
       "snapshots",
       "Couldn't thin local snapshots.",
       both,
       1,
       2,
       {"advisor: snapshots failed: the tool exited with status 1"}},
  };
  for (const Case& c : cases) {
    FakeMachine m(c.unavailable);
    m.scan();
    const FakeTool& tool = std::string(c.tool) == "xcrun" ? m.xcrun : m.tmutil;
    tool.answer(c.argv, "done\n", c.end);
    const int64_t docker = m.model->findings().dockerBytes;

    LogLines log("tidewell.models", QtWarningMsg);
    QCoro::Task<> task = c.action == Action::deleteFirstRuntime
                             ? m.model->deleteRuntime(m.model->findings().runtimes[0])
                         : c.action == Action::removeUnavailable ? m.model->removeUnavailable()
                                                                 : m.model->thinSnapshots();
    EXPECT_EQ(m.model->busyAction(), c.busy) << c.what;
    runToEnd(*m.h.executor);
    ASSERT_TRUE(finished(task)) << c.what;

    EXPECT_EQ(tool.calls(), std::vector<std::string>{c.logged}) << c.what;
    EXPECT_EQ((&tool == &m.xcrun ? m.tmutil : m.xcrun).calls().size(), 0u) << c.what;
    EXPECT_EQ(m.model->busyAction(), std::nullopt) << c.what;
    EXPECT_EQ(m.model->lastMessage(), c.message) << c.what;
    EXPECT_EQ(log.take(), c.warnings) << c.what;
    EXPECT_EQ(ids(m.model->findings()), c.runtimesAfter) << c.what;
    EXPECT_EQ(m.model->findings().unavailableSims, c.unavailableAfter) << c.what;
    EXPECT_EQ(m.model->findings().snapshotCount, c.snapshotsAfter) << c.what;
    EXPECT_EQ(m.model->findings().dockerBytes, docker) << c.what << ": only a rescan changes it";
    EXPECT_EQ(m.model->phase(), AdvisorViewModel::Phase::list) << c.what;
  }
}

AdvisorService::SimRuntime runtime(std::string id, std::string name, int64_t bytes) {
  AdvisorService::SimRuntime r;
  r.id = std::move(id);
  r.name = std::move(name);
  r.sizeBytes = bytes;
  return r;
}

struct Scripted {
  ModelHarness h;
  std::shared_ptr<ScriptedAdvisorEngine> engine = std::make_shared<ScriptedAdvisorEngine>();
  std::shared_ptr<AdvisorViewModel> model = std::make_shared<AdvisorViewModel>(h.services(), engine);

  void scanWith(Findings f) {
    engine->installed = f.runtimes;
    engine->unavailable = f.unavailableSims;
    engine->snapshots = f.snapshotCount;
    engine->dockerBytes = f.dockerBytes;
    auto task = model->scan();
    runToEnd(*h.executor);
    ASSERT_TRUE(finished(task));
  }
};

TEST(AdvisorViewModel, TwoScansInOneTurnRunOneAndAScanClearsTheMessageOnly) {
  Scripted s;
  s.scanWith({{runtime("a", "A", 5)}, 1, 0, 0});
  s.model->setLastMessage(QStringLiteral("Old news."));
  s.engine->setActionsSucceed(true);

  int changed = 0;
  QObject::connect(s.model.get(), &FeatureModel::changed, s.model.get(), [&] { ++changed; });
  auto first = s.model->scan();
  auto second = s.model->scan();
  EXPECT_TRUE(finished(second)) << "a refused scan finishes at once";
  EXPECT_EQ(s.model->lastMessage(), std::nullopt);
  EXPECT_EQ(s.h.executor->pending(), 1u);
  runToEnd(*s.h.executor);
  EXPECT_TRUE(finished(first));
  EXPECT_EQ(s.engine->scans.load(), 2);  // the earlier scan and one of these
  EXPECT_GE(changed, 4);                 // phase, message, findings, phase
}

TEST(AdvisorViewModel, ADeletionMessageShowsTheRuntimeNameEscaped) {
  // The name is what the tool printed; a bidi override in it stays visible.
  Scripted s;
  s.scanWith({{runtime("a", "iOS\u202E 17", 5)}, 0, 0, 0});
  auto del = s.model->deleteRuntime(s.model->findings().runtimes[0]);
  runToEnd(*s.h.executor);
  EXPECT_TRUE(finished(del));
  EXPECT_EQ(s.model->lastMessage(),
            QStringLiteral("Deleted iOS\\u202E 17. If the space doesn't show up, a restart releases it."));
}

TEST(AdvisorViewModel, OverlappingActionsHoldTheLatestIdAndBothClearIt) {
  Scripted s;
  s.scanWith({{runtime("a", "A", 5), runtime("b", "B", 3)}, 2, 1, 0});
  int busy = 0;
  QObject::connect(s.model.get(), &AdvisorViewModel::busyActionChanged, s.model.get(), [&] { ++busy; });
  auto del = s.model->deleteRuntime(s.model->findings().runtimes[1]);
  auto thin = s.model->thinSnapshots();
  EXPECT_EQ(s.model->busyAction(), QStringLiteral("snapshots"));
  ASSERT_EQ(s.h.executor->pending(), 2u);

  s.h.executor->runJob(0);  // the delete ends first
  settle();
  EXPECT_TRUE(finished(del));
  EXPECT_EQ(s.model->busyAction(), std::nullopt);
  EXPECT_EQ(s.model->lastMessage(),
            QStringLiteral("Deleted B. If the space doesn't show up, a restart releases it."));
  runToEnd(*s.h.executor);
  EXPECT_TRUE(finished(thin));
  EXPECT_EQ(s.model->busyAction(), std::nullopt);
  EXPECT_EQ(busy, 4);
  EXPECT_EQ(ids(s.model->findings()), std::vector<std::string>{"a"});
  EXPECT_EQ(s.model->findings().snapshotCount, 0);
  EXPECT_EQ(s.model->findings().unavailableSims, 2);
}

TEST(AdvisorViewModel, DeletingTheOnlyRuntimeLeavesTheOtherFindingsToDecide) {
  struct Case {
    const char* what;
    Findings others;  // everything but the runtime
    bool hasFindingsAfter;
  };
  const Case cases[] = {
      {"nothing else", {{}, 0, 0, 0}, false},
      {"unavailable simulators", {{}, 1, 0, 0}, true},
      {"snapshots", {{}, 0, 1, 0}, true},
      {"only a Docker folder", {{}, 0, 0, 1}, true},
  };
  for (const Case& c : cases) {
    Scripted s;
    Findings f = c.others;
    f.runtimes = {runtime("only", "iOS 17.4", 7000)};
    s.scanWith(f);
    EXPECT_TRUE(s.model->hasFindings()) << c.what;
    EXPECT_EQ(s.model->runtimeBytes(), 7000) << c.what;

    auto task = s.model->deleteRuntime(s.model->findings().runtimes[0]);
    runToEnd(*s.h.executor);
    EXPECT_TRUE(s.model->findings().runtimes.empty()) << c.what;
    EXPECT_EQ(s.model->runtimeBytes(), 0) << c.what;
    EXPECT_EQ(s.model->hasFindings(), c.hasFindingsAfter) << c.what;
  }
}

TEST(AdvisorViewModel, ARunningActionKeepsTheModelUntilItHasRecordedItsOutcome) {
  ModelHarness h;
  auto engine = std::make_shared<ScriptedAdvisorEngine>();
  auto model = std::make_shared<AdvisorViewModel>(h.services(), engine);
  std::weak_ptr<AdvisorViewModel> weak = model;
  auto task = model->removeUnavailable();
  model.reset();  // the window closed
  ASSERT_FALSE(weak.expired());
  runToEnd(*h.executor);
  EXPECT_TRUE(finished(task));
  EXPECT_TRUE(weak.expired());
}

}  // namespace
}  // namespace tidewell::models
