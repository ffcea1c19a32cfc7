#include "models/clean/CleanupViewModel.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <algorithm>
#include <chrono>
#include <limits>
#include <random>
#include <set>

#include "models/ThreadPoolExecutor.h"
#include "tests/models/InFlightGate.h"
#include "tests/models/ModelTesting.h"
#include "tests/models/SignalLog.h"
#include "tests/models/clean/CleanupTesting.h"
#include "tests/models/clean/FakeCleanupEngine.h"
#include "tests/support/EventWait.h"

namespace tidewell::models {
namespace {

using engine::CleanupCategory;
using engine::CleanupItem;
using engine::CleanupTarget;
using engine::SafetyLevel;
using Phase = CleanupViewModel::Phase;
using testing::FakeCleanupEngine;
using testing::finished;
using testing::ids;
using testing::realCatalog;
using testing::row;
using testing::runToEnd;
using testing::selectedIds;
using testing::settle;

void watchAll(testing::SignalLog& log, CleanupViewModel* model) {
  testing::watchSharedFields(log, model);
  log.watch(model, &CleanupViewModel::phaseChanged, "phase");
  log.watch(model, &CleanupViewModel::currentTargetChanged, "currentTarget");
  log.watch(model, &CleanupViewModel::freeSpaceBeforeChanged, "freeSpaceBefore");
  log.watch(model, &CleanupViewModel::freeSpaceAfterChanged, "freeSpaceAfter");
}

struct CleanModel : ::testing::Test {
  testing::ModelHarness harness;
  std::shared_ptr<FakeCleanupEngine> fake = std::make_shared<FakeCleanupEngine>();
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
  // Three safe rows a, b, c of 300, 200 and 100 bytes and a caution row d.
  void threeSafeAndOneCaution() {
    fake->catalogRows = {row("a"), row("b"), row("c"),
                         row("d", CleanupCategory::appCaches, SafetyLevel::caution)};
    fake->sizes = {{"a", 300}, {"b", 200}, {"c", 100}, {"d", 50}};
  }
};

TEST_F(CleanModel, ProgressAndCurrentTargetFollowShuffledCompletions) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    fake = std::make_shared<FakeCleanupEngine>();
    fake->catalogRows = realCatalog();
    fake->artifactRows = {row("artifact:node_modules:/p/node_modules")};
    std::vector<CleanupTarget> targets = fake->catalogRows;
    targets.push_back(fake->artifactRows.front());
    ASSERT_EQ(targets.size(), 66u);
    // Every third row finds nothing; the others fall into five sizes, so
    // ties are plenty.
    for (std::size_t i = 0; i < targets.size(); ++i)
      if (i % 3 != 0) fake->sizes[targets[i].id] = int64_t(1000 * (1 + i % 5));
    make();

    auto task = model->scan();
    EXPECT_EQ(model->phase(), Phase::scanning);
    ASSERT_EQ(executor().pending(), 1u);  // the artefact walk comes first
    executor().runJob(0);
    settle();
    EXPECT_EQ(executor().pending(), 4u);
    EXPECT_EQ(model->scanProgress(), 0.0);
    EXPECT_FALSE(model->currentTarget());

    std::mt19937 random(seed);
    for (std::size_t k = 1; k <= targets.size(); ++k) {
      ASSERT_EQ(executor().pending(), std::min<std::size_t>(4, targets.size() - (k - 1)));
      executor().runJob(random() % executor().pending());
      settle();
      EXPECT_DOUBLE_EQ(model->scanProgress(), double(k) / 66.0);
      if (k < targets.size()) {
        // The row whose measuring began last: the fifth after the first
        // finish, and the last one once every row has started.
        const std::size_t started = std::min<std::size_t>(3 + k, targets.size() - 1);
        ASSERT_TRUE(model->currentTarget());
        EXPECT_EQ(*model->currentTarget(), targets[started].title);
        EXPECT_EQ(model->phase(), Phase::scanning);
        EXPECT_TRUE(model->items().empty());
      }
    }
    ASSERT_TRUE(finished(task));
    EXPECT_EQ(model->phase(), Phase::review);
    EXPECT_FALSE(model->currentTarget());

    // Largest first; equal sizes in the order their measurements finished.
    std::vector<std::string> expected;
    for (int64_t size = 5000; size >= 1000; size -= 1000)
      for (const auto& id : fake->measured())
        if (fake->sizes.count(id) && fake->sizes.at(id) == size) expected.push_back(id);
    EXPECT_EQ(ids(model->items()), expected) << "seed " << seed;
  }
}

TEST_F(CleanModel, EqualSizesKeepFinishingOrderAndEmptyRowsStillCount) {
  fake->catalogRows = {row("first"), row("second"), row("empty"), row("third"), row("big")};
  fake->sizes = {{"first", 10}, {"second", 10}, {"third", 10}, {"big", 99}};
  make();
  auto task = model->scan();
  executor().runJob(0);
  settle();
  // Finish "third", then "empty", then "second", then "first"; "big" starts last.
  const std::size_t order[] = {3, 2, 1, 0};
  std::vector<double> progress;
  for (std::size_t pick : order) {
    executor().runJob(pick);
    settle();
    progress.push_back(model->scanProgress());
  }
  EXPECT_EQ(progress, (std::vector<double>{0.2, 0.4, 0.6, 0.8}));
  runToEnd(executor());
  ASSERT_TRUE(finished(task));
  EXPECT_EQ(ids(model->items()), (std::vector<std::string>{"big", "third", "second", "first"}));
  EXPECT_EQ(model->scanProgress(), 1.0);
}

TEST_F(CleanModel, AScanThatFindsNothingEndsInReviewWithNoCategories) {
  fake->catalogRows = {row("a"), row("b")};
  make();
  scanToReview();
  EXPECT_TRUE(model->items().empty());
  EXPECT_TRUE(model->categories().empty());
  EXPECT_EQ(model->scanProgress(), 1.0);
  EXPECT_EQ(model->totalBytes(), 0);
  // With nothing selected, clean() changes nothing.
  auto clean = model->clean();
  EXPECT_TRUE(finished(clean));
  EXPECT_EQ(model->phase(), Phase::review);
  EXPECT_EQ(executor().pending(), 0u);
}

TEST_F(CleanModel, EveryPublishedWriteIsFollowedByChanged) {
  threeSafeAndOneCaution();
  make();
  testing::SignalLog log;
  watchAll(log, model.get());
  scanToReview();
  auto clean = model->clean();
  runToEnd(executor());
  ASSERT_TRUE(finished(clean));
  model->reset();
  EXPECT_TRUE(log.eachFollowedByChanged());
  const std::vector<std::string> expected = {
      // scan
      "phase", "scanProgress", "items", "freeSpaceBefore", "scanProgress", "scanProgress", "scanProgress",
      "scanProgress", "currentTarget", "items", "phase",
      // clean of a, b, c
      "phase", "cleanProgress", "freeSpaceBefore", "cleanProgress", "cleanProgress", "cleanProgress",
      "freedBytes", "failedTitles", "freeSpaceAfter", "phase",
      // reset
      "items", "scanProgress", "cleanProgress", "freedBytes", "failedTitles", "freeSpaceBefore", "phase"};
  EXPECT_EQ(log.fields(), expected);
}

TEST_F(CleanModel, BusyCallsAreRefusedAndChangeNothing) {
  threeSafeAndOneCaution();
  make();
  testing::SignalLog log;
  watchAll(log, model.get());

  // A second scan in the same event-loop turn.
  auto first = model->scan();
  const auto published = log.names().size();
  auto second = model->scan();
  EXPECT_TRUE(finished(second));
  EXPECT_FALSE(finished(first));
  EXPECT_EQ(log.names().size(), published);
  EXPECT_EQ(executor().pending(), 1u);

  // Neither clean() nor reset() touches a running scan.
  auto cleanWhileScanning = model->clean();
  EXPECT_TRUE(finished(cleanWhileScanning));
  model->reset();
  EXPECT_EQ(model->phase(), Phase::scanning);
  EXPECT_EQ(log.names().size(), published);

  executor().runJob(0);
  settle();
  executor().runJob(0);
  settle();
  model->reset();
  EXPECT_EQ(model->phase(), Phase::scanning);
  EXPECT_DOUBLE_EQ(model->scanProgress(), 0.25);
  runToEnd(executor());
  ASSERT_TRUE(finished(first));
  EXPECT_EQ(fake->measured().size(), 4u);  // each row once

  // While cleaning: no scan, no second clean, no reset.
  auto cleaning = model->clean();
  ASSERT_EQ(model->phase(), Phase::cleaning);
  log.clear();
  auto scanWhileCleaning = model->scan();
  auto cleanAgain = model->clean();
  model->reset();
  EXPECT_TRUE(finished(scanWhileCleaning) && finished(cleanAgain));
  EXPECT_TRUE(log.names().empty());
  EXPECT_EQ(executor().pending(), 1u);
  runToEnd(executor());
  ASSERT_TRUE(finished(cleaning));
  EXPECT_EQ(fake->cleaned(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(harness.settings->totalFreedBytes(), 600);
}

TEST_F(CleanModel, CleanAfterDoneDoesNotCleanOrCountAgain) {
  threeSafeAndOneCaution();
  make();
  scanToReview();
  auto once = model->clean();
  runToEnd(executor());
  ASSERT_TRUE(finished(once));
  ASSERT_EQ(model->phase(), Phase::done);
  ASSERT_EQ(harness.settings->totalFreedBytes(), 600);

  auto twice = model->clean();
  EXPECT_TRUE(finished(twice));
  EXPECT_EQ(executor().pending(), 0u);
  EXPECT_EQ(model->phase(), Phase::done);
  EXPECT_EQ(fake->cleaned().size(), 3u);
  EXPECT_EQ(harness.settings->totalFreedBytes(), 600);

  // After a reset the items are gone, so there is nothing to clean either.
  model->reset();
  auto fromIdle = model->clean();
  EXPECT_TRUE(finished(fromIdle));
  EXPECT_EQ(model->phase(), Phase::idle);
}

TEST_F(CleanModel, ACleanWhoseSecondItemFailsRecordsItAndGoesOn) {
  threeSafeAndOneCaution();
  fake->results = {{"b", {40, "b title"}}};
  fake->freeSpace = {1'000, 2'000, 9'000};  // creation, scan, cleaning start; then after
  make();
  EXPECT_EQ(model->freeSpaceBefore(), 1'000);
  scanToReview();
  EXPECT_EQ(model->freeSpaceBefore(), 2'000);
  harness.settings->addFreedBytes(5'000'000'000);

  auto task = model->clean();
  EXPECT_EQ(model->phase(), Phase::cleaning);
  EXPECT_EQ(model->cleanProgress(), 0.0);
  EXPECT_EQ(model->freeSpaceBefore(), 9'000);
  const std::vector<double> progress = testing::cleanStepByStep(executor(), *model);
  ASSERT_TRUE(finished(task));
  EXPECT_EQ(progress, (std::vector<double>{1.0 / 3, 2.0 / 3, 1.0}));
  // The caution row d was not selected, so it was never touched.
  EXPECT_EQ(fake->cleaned(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(model->failedTitles(), std::vector<std::string>{"b title"});
  EXPECT_EQ(model->freedBytes(), 300 + 40 + 100);
  EXPECT_EQ(model->freeSpaceAfter(), 9'000);
  EXPECT_EQ(model->phase(), Phase::done);
  EXPECT_EQ(harness.settings->totalFreedBytes(), 5'000'000'000 + 440);
  EXPECT_DOUBLE_EQ(*harness.settings->lastCleanupAt(), 1796904000.0);
  // The cleaned items stay, with their old sizes, until the next reset.
  EXPECT_EQ(ids(model->items()), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(model->totalBytes(), 650);
}

TEST_F(CleanModel, AZeroByteCleanStillWritesBothSettings) {
  fake->catalogRows = {row("a")};
  fake->sizes = {{"a", 10}};
  fake->results = {{"a", {0, "a title"}}};
  make();
  scanToReview();
  QStringList keys;
  QObject::connect(harness.settings.get(), &SettingsStore::valueChanged,
                   [&](const QString& key) { keys << key; });
  auto task = model->clean();
  runToEnd(executor());
  ASSERT_TRUE(finished(task));
  EXPECT_EQ(keys, (QStringList{"totalFreedBytes", "lastCleanupAt"}));
  EXPECT_EQ(harness.settings->totalFreedBytes(), 0);
  EXPECT_TRUE(harness.settings->value("totalFreedBytes").isValid());
  EXPECT_DOUBLE_EQ(*harness.settings->lastCleanupAt(), 1796904000.0);
  EXPECT_EQ(model->freedBytes(), 0);
}

TEST_F(CleanModel, AStoredTimeThatIsNotFiniteReadsAsNoCleanupUntilOneIsDone) {
  for (QVariant stored :
       {QVariant(std::numeric_limits<double>::infinity()), QVariant("nan"), QVariant("soon")}) {
    {
      QSettings raw(harness.dir.filePath("settings.ini"), QSettings::IniFormat);
      raw.setValue("lastCleanupAt", stored);
    }
    harness.settings = SettingsStore::atFile(harness.dir.filePath("settings.ini"));
    fake = std::make_shared<FakeCleanupEngine>();
    fake->catalogRows = {row("a")};
    fake->sizes = {{"a", 10}};
    make();
    EXPECT_FALSE(harness.settings->lastCleanupAt()) << stored.toString().toStdString();
    scanToReview();
    auto task = model->clean();
    runToEnd(executor());
    ASSERT_TRUE(finished(task));
    EXPECT_DOUBLE_EQ(harness.settings->lastCleanupAt().value_or(-1), 1796904000.0);
  }
}

TEST_F(CleanModel, ResetAfterACleaningKeepsTheAfterFiguresAndEmptiesTheRest) {
  threeSafeAndOneCaution();
  fake->results = {{"b", {0, "b title"}}};
  fake->freeSpace = {1, 2, 3, 4, 5};
  make();
  scanToReview();
  auto task = model->clean();
  runToEnd(executor());
  ASSERT_TRUE(finished(task));
  model->reset();
  EXPECT_EQ(model->phase(), Phase::idle);
  EXPECT_TRUE(model->items().empty());
  EXPECT_TRUE(model->failedTitles().empty());
  EXPECT_EQ(model->scanProgress(), 0.0);
  EXPECT_EQ(model->cleanProgress(), 0.0);
  EXPECT_EQ(model->freedBytes(), 0);
  EXPECT_EQ(model->freeSpaceAfter(), 4);
  EXPECT_EQ(model->freeSpaceBefore(), 5);
  EXPECT_FALSE(model->currentTarget());
  // A scan may start again from idle.
  scanToReview();
  EXPECT_EQ(model->items().size(), 4u);
}

TEST_F(CleanModel, SelectionOperations) {
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
      {"as measured: safe rows", [](CleanupViewModel&) {}, {"dev-safe", "app-safe"}},
      {"select all", [](CleanupViewModel& m) { m.selectAll(true); }, all},
      {"select none", [](CleanupViewModel& m) { m.selectAll(false); }, {}},
      {"safe only after all",
       [](CleanupViewModel& m) {
         m.selectAll(true);
         m.selectSafeOnly();
       },
       {"dev-safe", "app-safe"}},
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
      {"one item by id",
       [](CleanupViewModel& m) { m.setSelected("sys-caution", true); },
       {"dev-safe", "app-safe", "sys-caution"}},
      {"unknown id ignored",
       [](CleanupViewModel& m) { m.setSelected("no-such-row", true); },
       {"dev-safe", "app-safe"}},
  };
  for (const Case& c : cases) {
    model->selectAll(false);
    model->selectSafeOnly();
    c.operation(*model);
    EXPECT_EQ(selectedIds(*model), c.selected) << c.name;
    for (const auto& id : all)
      EXPECT_EQ(model->isSelected(id), c.selected.count(id) > 0) << c.name << " " << id;
  }

  // Derived values for the measured selection.
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
  EXPECT_EQ(model->totalBytes(), 150);
  EXPECT_EQ(model->selectedBytes(), 100);
  EXPECT_EQ(ids(model->selectedItems()), (std::vector<std::string>{"dev-safe", "app-safe", "app-caution"}));
  EXPECT_FALSE(model->isSelected("no-such-row"));

  // A write publishes items; a write that finds nothing publishes nothing.
  testing::SignalLog log;
  watchAll(log, model.get());
  model->setSelected("dev-safe", false);
  model->setSelected("no-such-row", false);
  model->setSelected(true, CleanupCategory::aiCaches);
  EXPECT_EQ(log.names(), (std::vector<std::string>{"items", "changed"}));
}

TEST_F(CleanModel, ASelectionForAnItemALaterScanDroppedReadsFalse) {
  fake->catalogRows = {row("a"), row("b")};
  fake->sizes = {{"a", 10}, {"b", 20}};
  make();
  scanToReview();
  EXPECT_TRUE(model->isSelected("a"));
  fake->sizes.erase("a");
  scanToReview();
  EXPECT_FALSE(model->isSelected("a"));
  model->setSelected("a", true);
  EXPECT_FALSE(model->isSelected("a"));
  EXPECT_EQ(ids(model->items()), std::vector<std::string>{"b"});
}

TEST_F(CleanModel, ACleanRunsToItsEndAfterTheWindowLetsGoOfTheModel) {
  threeSafeAndOneCaution();
  make();
  scanToReview();
  std::weak_ptr<CleanupViewModel> weak = model;
  auto task = model->clean();
  model.reset();
  ASSERT_FALSE(weak.expired());
  runToEnd(executor());
  ASSERT_TRUE(finished(task));
  EXPECT_EQ(harness.settings->totalFreedBytes(), 600);
  EXPECT_TRUE(harness.settings->lastCleanupAt());
  EXPECT_TRUE(weak.expired());
}

// Real threads and a pool far wider than four: the model never has more
// than four measurements running.
TEST(CleanModelThreads, NeverMoreThanFourMeasurementsRunAtOnce) {
  testing::ModelHarness harness;
  auto fake = std::make_shared<FakeCleanupEngine>();
  for (int i = 0; i < 14; ++i) fake->catalogRows.push_back(row("row-" + std::to_string(i)));
  testing::InFlightGate gate;
  fake->whileMeasuring = [&](const CleanupTarget&) { gate.pass(); };
  auto services = harness.services();
  services.executor = std::make_shared<ThreadPoolExecutor>(16);
  auto model = std::make_shared<CleanupViewModel>(services, fake);
  auto task = model->scan();
  ASSERT_TRUE(testing::waitUntil([&] {
    gate.releaseWhenFull(4, 14);
    return finished(task);
  }));
  EXPECT_EQ(gate.peak(), 4);
  EXPECT_EQ(model->phase(), Phase::review);
  EXPECT_EQ(model->scanProgress(), 1.0);
}

}  // namespace
}  // namespace tidewell::models
