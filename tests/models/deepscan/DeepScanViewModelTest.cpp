#include "models/deepscan/DeepScanViewModel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedDeepScanEngine.h"
#include "testkit/support/LogLines.h"

namespace tidewell::models {
namespace {

using engine::BigItem;
using Kind = BigItem::Kind;
using Outcome = DeepScanViewModel::TrashOutcome;
using Phase = DeepScanViewModel::Phase;
using tidewell::testing::finished;
using tidewell::testing::LogLines;
using tidewell::testing::ModelHarness;
using tidewell::testing::runToEnd;
using tidewell::testing::ScriptedDeepScanEngine;
using tidewell::testing::settle;

BigItem item(std::string id, int64_t size, Kind kind = Kind::other) {
  BigItem made;
  made.id = made.url = id;
  made.name = id.substr(id.rfind('/') + 1);
  made.sizeBytes = size;
  made.kind = kind;
  return made;
}

struct DeepScanFixture : ::testing::Test {
  ModelHarness harness;
  std::shared_ptr<ScriptedDeepScanEngine> engine = std::make_shared<ScriptedDeepScanEngine>();
  std::shared_ptr<DeepScanViewModel> model;

  void SetUp() override { model = std::make_shared<DeepScanViewModel>(harness.services(), engine); }
  void scanToEnd() {
    auto task = model->scan();
    runToEnd(*harness.executor);
    ASSERT_TRUE(finished(task));
  }
  std::vector<std::string> ids() const {
    std::vector<std::string> out;
    for (const auto& each : model->items()) out.push_back(each.id);
    return out;
  }
};

TEST_F(DeepScanFixture, MergesTheThreeScansIntoOneListLargestFirst) {
  const std::string docker = "/h/Library/Containers/com.docker.docker";
  const std::string orb = "/h/Library/Group Containers/HUAQ24HBR6.dev.orbstack";
  struct Case {
    const char* label;
    std::vector<BigItem> big, installers, containers;
    std::vector<std::string> managed;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"nothing found", {}, {}, {}, {docker}, {}},
      {"an installer replaces the big item at its path",
       {item("/h/Downloads/setup.dmg", 200), item("/h/Downloads/movie.mkv", 150)},
       {item("/h/Downloads/setup.dmg", 200, Kind::installer)},
       {},
       {},
       {"/h/Downloads/setup.dmg", "/h/Downloads/movie.mkv"}},
      {"a managed folder itself and anything below it are dropped, a sibling stays",
       {item(docker, 900), item(docker + "/Data", 800), item(docker + "-backup", 700), item(orb + "/x", 600),
        item("/h/Library/Containers/com.docker", 500)},
       {},
       {item(docker + "/Data/vms/0/data", 850, Kind::container)},
       {docker, orb},
       {docker + "/Data/vms/0/data", docker + "-backup", "/h/Library/Containers/com.docker"}},
      {"equal sizes keep big items, then installers, then containers, each in its order",
       {item("/h/a", 100), item("/h/b", 100)},
       {item("/h/Downloads/c.dmg", 100, Kind::installer), item("/h/Desktop/d.iso", 300, Kind::installer)},
       {item("/h/.colima", 100, Kind::container)},
       {},
       {"/h/Desktop/d.iso", "/h/a", "/h/b", "/h/Downloads/c.dmg", "/h/.colima"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    engine->big = c.big;
    engine->installerItems = c.installers;
    engine->containerItems = c.containers;
    engine->managed = c.managed;
    scanToEnd();
    EXPECT_EQ(model->phase(), Phase::list);
    EXPECT_EQ(ids(), c.expected);
    int64_t total = 0;
    for (const auto& each : model->items()) total += each.sizeBytes;
    EXPECT_EQ(model->totalBytes(), total);
  }
  // Long enough that an unstable sort would reorder the ties.
  engine->big.clear();
  engine->managed.clear();
  std::vector<std::string> found;
  for (int i = 0; i < 30; ++i) {
    engine->big.push_back(item("/h/Projects/" + std::to_string(i), 100));
    found.push_back(engine->big.back().id);
  }
  engine->installerItems = {item("/h/Downloads/x.dmg", 100, Kind::installer)};
  engine->containerItems = {item("/h/.lima", 100, Kind::container)};
  found.push_back("/h/Downloads/x.dmg");
  found.push_back("/h/.lima");
  scanToEnd();
  EXPECT_EQ(ids(), found);

  // The installer kept its own kind, not the big item's.
  engine->big = {item("/h/Downloads/setup.dmg", 200, Kind::personal)};
  engine->installerItems = {item("/h/Downloads/setup.dmg", 200, Kind::installer)};
  engine->containerItems = {};
  scanToEnd();
  ASSERT_EQ(model->items().size(), 1u);
  EXPECT_EQ(model->items()[0].kind, Kind::installer);
}

TEST_F(DeepScanFixture, ProgressReachesTheScreenAndNothingLandsAfterTheList) {
  engine->reports = {0.25, 0.5, 0.75, 1.0};
  engine->big = {item("/h/Downloads/movie.mkv", 150)};
  std::vector<std::string> seen;  // progress values and phase changes, in order
  QObject::connect(model.get(), &DeepScanViewModel::scanProgressChanged, model.get(),
                   [&] { seen.push_back(std::to_string(model->scanProgress())); });
  QObject::connect(model.get(), &DeepScanViewModel::phaseChanged, model.get(), [&] {
    seen.push_back(model->phase() == Phase::list       ? "list"
                   : model->phase() == Phase::scanning ? "scanning"
                                                       : "idle");
  });

  auto task = model->scan();
  EXPECT_EQ(model->phase(), Phase::scanning);
  runToEnd(*harness.executor);
  ASSERT_TRUE(finished(task));
  EXPECT_EQ(seen, (std::vector<std::string>{"scanning", "0.000000", "0.250000", "0.500000", "0.750000",
                                            "1.000000", "list"}));

  // A report that comes after the result is dropped.
  seen.clear();
  engine->lastProgress(0.5);
  settle();
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(model->scanProgress(), 1.0);

  // And so is a late report of the previous scan while the next one runs.
  auto previous = engine->lastProgress;
  engine->reports = {};
  auto again = model->scan();
  previous(0.75);
  settle();
  EXPECT_EQ(model->scanProgress(), 0.0);
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(again));
}

// Runs each job as it is queued, so its future is finished before the model
// awaits it, ahead of the progress reports the job queued.
class ImmediateExecutor final : public Executor {
 protected:
  void post(std::function<void()> work) override { work(); }
};

TEST_F(DeepScanFixture, AScanFinishedBeforeItIsAwaitedStillShowsItsLastReport) {
  auto services = harness.services();
  services.executor = std::make_shared<ImmediateExecutor>();
  model = std::make_shared<DeepScanViewModel>(services, engine);
  engine->reports = {0.5, 1.0};
  std::vector<double> seen;
  QObject::connect(model.get(), &DeepScanViewModel::scanProgressChanged, model.get(),
                   [&] { seen.push_back(model->scanProgress()); });
  auto task = model->scan();
  EXPECT_TRUE(finished(task));
  EXPECT_EQ(model->phase(), Phase::list);
  settle();
  EXPECT_EQ(seen, (std::vector<double>{0.0, 1.0}));
  EXPECT_EQ(model->scanProgress(), 1.0);
}

TEST_F(DeepScanFixture, ASecondScanWhileOneRunsChangesNothing) {
  engine->big = {item("/h/Downloads/movie.mkv", 150)};
  auto first = model->scan();
  int changes = 0;
  QObject::connect(model.get(), &FeatureModel::changed, model.get(), [&] { ++changes; });
  auto second = model->scan();
  EXPECT_TRUE(finished(second));
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(harness.executor->pending(), 1u);
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(first));
  EXPECT_EQ(engine->scans, 1);

  // A later scan runs again and replaces the list whole.
  engine->big = {item("/h/Downloads/other.mkv", 300)};
  scanToEnd();
  EXPECT_EQ(engine->scans, 2);
  EXPECT_EQ(ids(), std::vector<std::string>{"/h/Downloads/other.mkv"});
}

TEST_F(DeepScanFixture, TrashRemovesOnlyWhatWasMovedAndAlwaysReportsTheOutcome) {
  engine->big = {item("/h/Downloads/movie.mkv", 300), item("/h/Documents/film.mov", 200),
                 item("/h/Projects/vm", 100)};
  engine->refused = {"/h/Projects/vm"};
  engine->refusedReason = platform::FailureReason{platform::FailureReason::Kind::mountPoint};
  scanToEnd();
  ASSERT_EQ(model->totalBytes(), 600);

  // Two overlapping requests, finished in the opposite order: each removes its own item.
  auto first = model->trash(model->items()[0]);
  auto second = model->trash(model->items()[1]);
  EXPECT_EQ(harness.executor->pending(), 2u);
  harness.executor->runJob(1);
  settle();
  EXPECT_EQ(ids(), (std::vector<std::string>{"/h/Downloads/movie.mkv", "/h/Projects/vm"}));
  EXPECT_EQ(model->lastResult(), (Outcome{"film.mov", 200, true}));
  harness.executor->runJob(0);
  settle();
  EXPECT_TRUE(finished(first) && finished(second));
  EXPECT_EQ(ids(), std::vector<std::string>{"/h/Projects/vm"});
  EXPECT_EQ(model->totalBytes(), 100);
  EXPECT_EQ(model->lastResult(), (Outcome{"movie.mkv", 300, true}));

  // A refused request leaves the list as it was; the log says why, the
  // outcome too.
  LogLines log("tidewell.models", QtWarningMsg);
  auto refused = model->trash(model->items()[0]);
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(refused));
  EXPECT_EQ(ids(), std::vector<std::string>{"/h/Projects/vm"});
  EXPECT_EQ(model->lastResult(), (Outcome{"vm", 0, false, engine->refusedReason}));
  EXPECT_EQ(log.take(), std::vector<std::string>{"deep scan: vm not moved to the Trash: a mount point"});
  // A failure that names no reason is logged all the same.
  engine->refusedReason = std::nullopt;
  auto unexplained = model->trash(model->items()[0]);
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(unexplained));
  EXPECT_EQ(model->lastResult(), (Outcome{"vm", 0, false}));
  EXPECT_EQ(log.take(), std::vector<std::string>{"deep scan: vm not moved to the Trash: no reason given"});
  EXPECT_EQ(model->phase(), Phase::list);
  EXPECT_EQ(engine->trashed, (std::vector<std::string>{"/h/Documents/film.mov", "/h/Downloads/movie.mkv"}));

  // The banner dismisses the outcome; the next scan clears it too.
  model->setLastResult(std::nullopt);
  EXPECT_FALSE(model->lastResult());
  model->trash(model->items()[0]);
  runToEnd(*harness.executor);
  ASSERT_TRUE(model->lastResult());
  auto rescan = model->scan();
  EXPECT_FALSE(model->lastResult());
  runToEnd(*harness.executor);
}

TEST_F(DeepScanFixture, ATrashInProgressOutlivesTheWindow) {
  engine->big = {item("/h/Downloads/movie.mkv", 300)};
  scanToEnd();
  std::weak_ptr<DeepScanViewModel> weak = model;
  auto task = model->trash(model->items()[0]);
  model.reset();
  EXPECT_FALSE(weak.expired());
  runToEnd(*harness.executor);
  EXPECT_TRUE(finished(task));
  EXPECT_TRUE(weak.expired());
  EXPECT_EQ(engine->trashed, std::vector<std::string>{"/h/Downloads/movie.mkv"});
}

}  // namespace
}  // namespace tidewell::models
