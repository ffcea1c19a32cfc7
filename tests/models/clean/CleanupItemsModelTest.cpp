// What the Clean and Dev Mode models share, checked once over both: the
// scan -> review -> clean -> done phases, the four-wide measuring window,
// progress and ordering, refused calls while busy, the selection rules and
// the freed-total bookkeeping. Where the two differ by design, the model's
// traits say how.
#include "models/clean/CleanupItemsModel.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "models/ThreadPoolExecutor.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedCleanupEngine.h"
#include "testkit/support/EventWait.h"
#include "testkit/support/LogLines.h"
#include "tests/models/InFlightGate.h"
#include "tests/models/SignalLog.h"
#include "tests/models/clean/CleanModelTraits.h"
#include "tests/models/clean/CleanupTesting.h"
#include "tests/models/devmode/DevModeModelTraits.h"

namespace tidewell::models {
namespace {

using engine::CleanupCategory;
using engine::CleanupTarget;
using engine::SafetyLevel;
using testing::finished;
using testing::ids;
using testing::realCatalog;
using testing::row;
using testing::runToEnd;
using testing::ScriptedCleanupEngine;
using testing::selectedIds;
using testing::settle;

// 2026-12-10 12:00:00 UTC, the harness's clock.
constexpr double now = 1796904000.0;

template <typename Traits>
struct CleanupModels : ::testing::Test {
  using Model = typename Traits::Model;
  using Phase = typename Model::Phase;

  testing::ModelHarness harness;
  std::shared_ptr<ScriptedCleanupEngine> fake = std::make_shared<ScriptedCleanupEngine>();
  std::shared_ptr<Model> model;

  ManualExecutor& executor() { return *harness.executor; }
  // Call after scripting the fake: the Clean model reads the free space at once.
  Model& make() {
    model = Traits::make(harness.services(), fake);
    return *model;
  }
  // The rows a scan of the fake measures, in order.
  std::vector<CleanupTarget> targets() const {
    return Traits::targets(fake->catalogRows, fake->artifactRows);
  }
  void scanToReview() {
    auto task = model->scan();
    runToEnd(executor());
    ASSERT_TRUE(finished(task));
    ASSERT_EQ(model->phase(), Phase::review);
  }
  void watchAll(testing::SignalLog& log) {
    testing::watchSharedFields(log, model.get());
    Traits::watchOwnFields(log, model.get());
  }
  // Three safe rows a, b, c of 300, 200 and 100 bytes and a caution row d
  // of 50, developer caches, which both models take.
  void threeSafeAndOneCaution() {
    fake->catalogRows = {row("a"), row("b"), row("c"),
                         row("d", CleanupCategory::developerCaches, SafetyLevel::caution)};
    fake->sizes = {{"a", 300}, {"b", 200}, {"c", 100}, {"d", 50}};
  }
};

struct ModelName {
  template <typename Traits>
  static std::string GetName(int) {
    return Traits::name;
  }
};

using BothModels = ::testing::Types<testing::CleanModelTraits, testing::DevModeModelTraits>;
TYPED_TEST_SUITE(CleanupModels, BothModels, ModelName);

TYPED_TEST(CleanupModels, ProgressAndOrderFollowShuffledCompletions) {
  using Phase = typename TestFixture::Phase;
  for (unsigned seed = 1; seed <= 6; ++seed) {
    this->fake = std::make_shared<ScriptedCleanupEngine>();
    this->fake->catalogRows = realCatalog();
    this->fake->artifactRows = {row("artifact:node_modules:/p/node_modules")};
    const std::vector<CleanupTarget> targets = this->targets();
    ASSERT_EQ(targets.size(), TypeParam::realCatalogTargets + 1);
    const std::size_t n = targets.size();
    // Every third row finds nothing; the others fall into five sizes, so
    // ties are plenty.
    for (std::size_t i = 0; i < n; ++i)
      if (i % 3 != 0) this->fake->sizes[targets[i].id] = int64_t(1000 * (1 + i % 5));
    auto& model = this->make();

    auto task = model.scan();
    EXPECT_EQ(model.phase(), Phase::scanning);
    ASSERT_EQ(this->executor().pending(), 1u);  // the artefact walk comes first
    this->executor().runJob(0);
    settle();
    EXPECT_EQ(this->executor().pending(), 4u);
    EXPECT_EQ(model.scanProgress(), 0.0);
    if constexpr (TypeParam::namesCurrentTarget) {
      EXPECT_FALSE(model.currentTarget());
    }

    std::mt19937 random(seed);
    for (std::size_t k = 1; k <= n; ++k) {
      ASSERT_EQ(this->executor().pending(), std::min<std::size_t>(4, n - (k - 1)));
      this->executor().runJob(random() % this->executor().pending());
      settle();
      EXPECT_DOUBLE_EQ(model.scanProgress(), double(k) / double(n));
      if (k < n) {
        if constexpr (TypeParam::namesCurrentTarget) {
          // The row whose measuring began last: the fifth after the first
          // finish, and the last one once every row has started.
          const std::size_t started = std::min<std::size_t>(3 + k, n - 1);
          ASSERT_TRUE(model.currentTarget());
          EXPECT_EQ(*model.currentTarget(), targets[started].title);
        }
        EXPECT_EQ(model.phase(), Phase::scanning);
        EXPECT_TRUE(model.items().empty());
      }
    }
    if constexpr (TypeParam::searchesModelFolders) {
      // Still scanning at full progress until the model folders are known.
      EXPECT_FALSE(finished(task));
      EXPECT_EQ(model.phase(), Phase::scanning);
      EXPECT_TRUE(model.items().empty());
      EXPECT_EQ(this->executor().pending(), 1u);
      runToEnd(this->executor());
    }
    ASSERT_TRUE(finished(task));
    EXPECT_EQ(model.phase(), Phase::review);
    if constexpr (TypeParam::namesCurrentTarget) {
      EXPECT_FALSE(model.currentTarget());
    }

    // Each row measured once.
    std::vector<std::string> measured = this->fake->measured(), expectedRows = ids(targets);
    std::sort(measured.begin(), measured.end());
    std::sort(expectedRows.begin(), expectedRows.end());
    EXPECT_EQ(measured, expectedRows);
    // Largest first; equal sizes in the order their measurements finished.
    std::vector<std::string> expected;
    for (int64_t size = 5000; size >= 1000; size -= 1000)
      for (const auto& id : this->fake->measured())
        if (this->fake->sizes.count(id) && this->fake->sizes.at(id) == size) expected.push_back(id);
    EXPECT_EQ(ids(model.items()), expected) << "seed " << seed;
  }
}

TYPED_TEST(CleanupModels, EqualSizesKeepFinishingOrderAndEmptyRowsStillCount) {
  this->fake->catalogRows = {row("first"), row("second"), row("empty"), row("third"), row("big")};
  this->fake->sizes = {{"first", 10}, {"second", 10}, {"third", 10}, {"big", 99}};
  auto& model = this->make();
  const double n = double(this->targets().size());
  auto task = model.scan();
  this->executor().runJob(0);
  settle();
  // Finish "third", then "empty", then "second", then "first"; "big" starts
  // after the first of them.
  const std::size_t order[] = {3, 2, 1, 0};
  std::vector<double> progress;
  for (std::size_t pick : order) {
    this->executor().runJob(pick);
    settle();
    progress.push_back(model.scanProgress());
  }
  EXPECT_EQ(progress, (std::vector<double>{1 / n, 2 / n, 3 / n, 4 / n}));
  EXPECT_EQ(this->fake->measured(), (std::vector<std::string>{"third", "empty", "second", "first"}));
  runToEnd(this->executor());
  ASSERT_TRUE(finished(task));
  EXPECT_EQ(ids(model.items()), (std::vector<std::string>{"big", "third", "second", "first"}));
  EXPECT_EQ(model.scanProgress(), 1.0);
}

TYPED_TEST(CleanupModels, AScanThatFindsNothingEndsInReviewWithNothingToClean) {
  using Phase = typename TestFixture::Phase;
  this->fake->catalogRows = {row("a"), row("b")};
  auto& model = this->make();
  this->scanToReview();
  EXPECT_TRUE(model.items().empty());
  if constexpr (TypeParam::groupsByCategory) {
    EXPECT_TRUE(model.categories().empty());
  }
  EXPECT_EQ(model.scanProgress(), 1.0);
  EXPECT_EQ(model.totalBytes(), 0);
  // With nothing selected, clean() changes nothing.
  auto clean = model.clean();
  EXPECT_TRUE(finished(clean));
  EXPECT_EQ(model.phase(), Phase::review);
  EXPECT_EQ(this->executor().pending(), 0u);
}

TYPED_TEST(CleanupModels, EveryPublishedWriteIsFollowedByChanged) {
  this->threeSafeAndOneCaution();
  auto& model = this->make();
  testing::SignalLog log;
  this->watchAll(log);
  this->scanToReview();
  auto clean = model.clean();
  runToEnd(this->executor());
  ASSERT_TRUE(finished(clean));
  model.reset();
  EXPECT_TRUE(log.eachFollowedByChanged());
  std::vector<std::string> expected = TypeParam::scanFields();
  for (const auto& fields : {TypeParam::cleanFields(), TypeParam::resetFields()})
    expected.insert(expected.end(), fields.begin(), fields.end());
  EXPECT_EQ(log.fields(), expected);
}

TYPED_TEST(CleanupModels, BusyCallsAreRefusedAndChangeNothing) {
  using Phase = typename TestFixture::Phase;
  this->threeSafeAndOneCaution();
  auto& model = this->make();
  testing::SignalLog log;
  this->watchAll(log);

  // A second scan in the same event-loop turn.
  auto first = model.scan();
  const auto published = log.names().size();
  auto second = model.scan();
  EXPECT_TRUE(finished(second));
  EXPECT_FALSE(finished(first));
  EXPECT_EQ(log.names().size(), published);
  EXPECT_EQ(this->executor().pending(), 1u);

  // Neither clean() nor reset() touches a running scan.
  auto cleanWhileScanning = model.clean();
  EXPECT_TRUE(finished(cleanWhileScanning));
  model.reset();
  EXPECT_EQ(model.phase(), Phase::scanning);
  EXPECT_EQ(log.names().size(), published);

  this->executor().runJob(0);
  settle();
  this->executor().runJob(0);
  settle();
  model.reset();
  EXPECT_EQ(model.phase(), Phase::scanning);
  EXPECT_DOUBLE_EQ(model.scanProgress(), 1.0 / double(this->targets().size()));
  runToEnd(this->executor());
  ASSERT_TRUE(finished(first));
  EXPECT_EQ(this->fake->measured().size(), this->targets().size());  // each row once
  EXPECT_EQ(this->fake->modelScans(), TypeParam::searchesModelFolders ? 1 : 0);

  // While cleaning: no scan, no second clean, no reset.
  auto cleaning = model.clean();
  ASSERT_EQ(model.phase(), Phase::cleaning);
  log.clear();
  auto scanWhileCleaning = model.scan();
  auto cleanAgain = model.clean();
  model.reset();
  EXPECT_TRUE(finished(scanWhileCleaning) && finished(cleanAgain));
  EXPECT_TRUE(log.names().empty());
  EXPECT_EQ(this->executor().pending(), 1u);
  runToEnd(this->executor());
  ASSERT_TRUE(finished(cleaning));
  EXPECT_EQ(this->fake->cleaned(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(this->harness.settings->totalFreedBytes(), 600);
}

TYPED_TEST(CleanupModels, CleanOnlyFromReviewAndCountsEachCleaningOnce) {
  using Phase = typename TestFixture::Phase;
  this->threeSafeAndOneCaution();
  auto& model = this->make();
  this->scanToReview();
  auto once = model.clean();
  runToEnd(this->executor());
  ASSERT_TRUE(finished(once));
  ASSERT_EQ(model.phase(), Phase::done);
  ASSERT_EQ(this->harness.settings->totalFreedBytes(), 600);

  auto twice = model.clean();
  EXPECT_TRUE(finished(twice));
  EXPECT_EQ(this->executor().pending(), 0u);
  EXPECT_EQ(model.phase(), Phase::done);
  EXPECT_EQ(this->fake->cleaned().size(), 3u);
  EXPECT_EQ(this->harness.settings->totalFreedBytes(), 600);

  // Whether reset() keeps the items, still selected, or empties them, from
  // idle nothing is cleaned.
  model.reset();
  ASSERT_EQ(model.selectedItems().size(), TypeParam::resetKeepsItems ? 3u : 0u);
  auto fromIdle = model.clean();
  EXPECT_TRUE(finished(fromIdle));
  EXPECT_EQ(model.phase(), Phase::idle);
  EXPECT_EQ(this->executor().pending(), 0u);
  EXPECT_EQ(this->fake->cleaned().size(), 3u);
  EXPECT_EQ(this->harness.settings->totalFreedBytes(), 600);
}

TYPED_TEST(CleanupModels, ACleanWhoseSecondItemFailsRecordsItAndGoesOn) {
  using Phase = typename TestFixture::Phase;
  this->threeSafeAndOneCaution();
  this->fake->results = {
      {"b", {40, "b title", platform::FailureReason{platform::FailureReason::Kind::credential}}},
      {"d", {20, std::nullopt}}};
  // The Clean model reads it at creation, scan, cleaning start and end.
  this->fake->freeSpace = {1'000, 2'000, 9'000, 9'500};
  this->harness.settings->setLastCleanupAt(1700000000.0);
  this->harness.settings->addFreedBytes(5'000'000'000);
  auto& model = this->make();
  if constexpr (TypeParam::readsFreeSpace) {
    EXPECT_EQ(model.freeSpaceBefore(), 1'000);
  }
  this->scanToReview();
  if constexpr (TypeParam::readsFreeSpace) {
    EXPECT_EQ(model.freeSpaceBefore(), 2'000);
  }
  // The user takes the caution row d and leaves the safe row c.
  model.setSelected("d", true);
  model.setSelected("c", false);

  testing::LogLines log("tidewell.models", QtWarningMsg);
  auto task = model.clean();
  EXPECT_EQ(model.phase(), Phase::cleaning);
  EXPECT_EQ(model.cleanProgress(), 0.0);
  if constexpr (TypeParam::readsFreeSpace) {
    EXPECT_EQ(model.freeSpaceBefore(), 9'000);
  }
  const std::vector<double> progress = testing::cleanStepByStep(this->executor(), model);
  ASSERT_TRUE(finished(task));
  EXPECT_EQ(progress, (std::vector<double>{1.0 / 3, 2.0 / 3, 1.0}));
  // The row c, not selected, was never touched.
  EXPECT_EQ(this->fake->cleaned(), (std::vector<std::string>{"a", "b", "d"}));
  EXPECT_EQ(model.failedTitles(), std::vector<std::string>{"b title"});
  EXPECT_EQ(log.take(), std::vector<std::string>{std::string(TypeParam::logSection) +
                                                 ": b title not cleaned fully: a credential"});
  EXPECT_EQ(model.freedBytes(), 300 + 40 + 20);
  EXPECT_EQ(model.phase(), Phase::done);
  EXPECT_EQ(this->harness.settings->totalFreedBytes(), 5'000'000'000 + 360);
  EXPECT_DOUBLE_EQ(this->harness.settings->lastCleanupAt().value_or(-1),
                   TypeParam::stampsCleanupTime ? now : 1700000000.0);
  if constexpr (TypeParam::readsFreeSpace) {
    EXPECT_EQ(model.freeSpaceAfter(), 9'500);
  } else {
    EXPECT_EQ(this->fake->freeSpaceReads(), 0u);
  }
  // The cleaned items stay, with their old sizes, until the next reset.
  EXPECT_EQ(ids(model.items()), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(model.totalBytes(), 650);
}

TYPED_TEST(CleanupModels, AZeroByteCleanStillWritesTheFreedTotal) {
  this->fake->catalogRows = {row("a")};
  this->fake->sizes = {{"a", 10}};
  this->fake->results = {{"a", {0, "a title"}}};
  auto& model = this->make();
  this->scanToReview();
  QStringList keys;
  QObject::connect(this->harness.settings.get(), &SettingsStore::valueChanged, this->harness.settings.get(),
                   [&](const QString& key) { keys << key; });
  auto task = model.clean();
  runToEnd(this->executor());
  ASSERT_TRUE(finished(task));
  EXPECT_EQ(keys, (TypeParam::stampsCleanupTime ? QStringList{"totalFreedBytes", "lastCleanupAt"}
                                                : QStringList{"totalFreedBytes"}));
  EXPECT_EQ(this->harness.settings->totalFreedBytes(), 0);
  EXPECT_TRUE(this->harness.settings->value("totalFreedBytes").isValid());
  if constexpr (TypeParam::stampsCleanupTime) {
    EXPECT_DOUBLE_EQ(this->harness.settings->lastCleanupAt().value_or(-1), now);
  } else {
    EXPECT_FALSE(this->harness.settings->lastCleanupAt());
    EXPECT_EQ(model.freedBytes(), 0);
  }
}

TYPED_TEST(CleanupModels, AStoredTimeThatIsNotFiniteReadsAsNoCleanupUntilOneIsDone) {
  for (QVariant stored :
       {QVariant(std::numeric_limits<double>::infinity()), QVariant("nan"), QVariant("soon")}) {
    const std::string what = stored.toString().toStdString();
    {
      QSettings raw(this->harness.dir.filePath("settings.ini"), QSettings::IniFormat);
      raw.setValue("lastCleanupAt", stored);
    }
    this->harness.settings = SettingsStore::atFile(this->harness.dir.filePath("settings.ini"));
    this->fake = std::make_shared<ScriptedCleanupEngine>();
    this->fake->catalogRows = {row("a")};
    this->fake->sizes = {{"a", 10}};
    auto& model = this->make();
    EXPECT_FALSE(this->harness.settings->lastCleanupAt()) << what;
    this->scanToReview();
    auto task = model.clean();
    runToEnd(this->executor());
    ASSERT_TRUE(finished(task));
    // Dev Mode leaves the stored value alone, so it still reads as none.
    if constexpr (TypeParam::stampsCleanupTime) {
      EXPECT_DOUBLE_EQ(this->harness.settings->lastCleanupAt().value_or(-1), now) << what;
    } else {
      EXPECT_FALSE(this->harness.settings->lastCleanupAt()) << what;
    }
  }
}

TYPED_TEST(CleanupModels, ResetAfterACleaningZeroesTheOutcomeAndAllowsANewScan) {
  using Phase = typename TestFixture::Phase;
  this->threeSafeAndOneCaution();
  this->fake->results = {{"b", {0, "b title"}}};
  this->fake->freeSpace = {1, 2, 3, 4, 5};
  this->fake->stores = {testing::store("Ollama models", 20'000'000'000)};
  auto& model = this->make();
  this->scanToReview();
  auto task = model.clean();
  runToEnd(this->executor());
  ASSERT_TRUE(finished(task));
  const auto items = model.items();
  testing::SignalLog log;
  this->watchAll(log);
  model.reset();
  EXPECT_EQ(log.fields(), TypeParam::resetFields());
  EXPECT_TRUE(log.eachFollowedByChanged());
  EXPECT_EQ(model.phase(), Phase::idle);
  EXPECT_TRUE(model.failedTitles().empty());
  EXPECT_EQ(model.scanProgress(), 0.0);
  EXPECT_EQ(model.cleanProgress(), 0.0);
  EXPECT_EQ(model.freedBytes(), 0);
  if constexpr (TypeParam::resetKeepsItems) {
    EXPECT_EQ(model.items(), items);
  } else {
    EXPECT_TRUE(model.items().empty());
  }
  if constexpr (TypeParam::searchesModelFolders) {
    EXPECT_EQ(model.models(), this->fake->stores);
  } else {
    EXPECT_EQ(this->fake->modelScans(), 0);
  }
  if constexpr (TypeParam::readsFreeSpace) {
    EXPECT_EQ(model.freeSpaceAfter(), 4);
    EXPECT_EQ(model.freeSpaceBefore(), 5);
  }
  if constexpr (TypeParam::namesCurrentTarget) {
    EXPECT_FALSE(model.currentTarget());
  }
  // A scan may start again from idle.
  this->scanToReview();
  EXPECT_EQ(model.items().size(), 4u);
}

TYPED_TEST(CleanupModels, SelectionOperations) {
  using Model = typename TestFixture::Model;
  this->fake->catalogRows = {
      row("safe-a"),
      row("caution-a", CleanupCategory::developerCaches, SafetyLevel::caution),
      row("safe-b"),
      row("caution-b", CleanupCategory::developerCaches, SafetyLevel::caution),
      row("caution-c", CleanupCategory::developerCaches, SafetyLevel::caution),
  };
  this->fake->sizes = {
      {"safe-a", 50}, {"caution-a", 40}, {"safe-b", 30}, {"caution-b", 20}, {"caution-c", 10}};
  auto& model = this->make();
  this->scanToReview();

  using Operation = std::function<void(Model&)>;
  struct Case {
    const char* name;
    Operation operation;
    std::set<std::string> selected;
  };
  const std::set<std::string> all = {"safe-a", "caution-a", "safe-b", "caution-b", "caution-c"};
  const Case cases[] = {
      {"as measured: safe rows", [](Model&) {}, {"safe-a", "safe-b"}},
      {"select all", [](Model& m) { m.selectAll(true); }, all},
      {"select none", [](Model& m) { m.selectAll(false); }, {}},
      {"safe only after all",
       [](Model& m) {
         m.selectAll(true);
         m.selectSafeOnly();
       },
       {"safe-a", "safe-b"}},
      {"one item by id",
       [](Model& m) { m.setSelected("caution-c", true); },
       {"safe-a", "safe-b", "caution-c"}},
      {"one item off by id", [](Model& m) { m.setSelected("safe-a", false); }, {"safe-b"}},
      {"unknown id ignored", [](Model& m) { m.setSelected("no-such-row", true); }, {"safe-a", "safe-b"}},
  };
  for (const Case& c : cases) {
    model.selectAll(false);
    model.selectSafeOnly();
    c.operation(model);
    EXPECT_EQ(selectedIds(model), c.selected) << c.name;
    for (const auto& id : all)
      EXPECT_EQ(model.isSelected(id), c.selected.count(id) > 0) << c.name << " " << id;
  }

  // Derived values, in items order.
  model.selectSafeOnly();
  model.setSelected("caution-b", true);
  EXPECT_EQ(model.totalBytes(), 150);
  EXPECT_EQ(model.selectedBytes(), 100);
  EXPECT_EQ(ids(model.selectedItems()), (std::vector<std::string>{"safe-a", "safe-b", "caution-b"}));
  EXPECT_FALSE(model.isSelected("no-such-row"));

  // A write publishes items; a write that finds nothing publishes nothing.
  testing::SignalLog log;
  this->watchAll(log);
  model.setSelected("safe-a", false);
  model.setSelected("no-such-row", false);
  EXPECT_EQ(log.names(), (std::vector<std::string>{"items", "changed"}));
}

TYPED_TEST(CleanupModels, ASelectionForAnItemALaterScanDroppedReadsFalse) {
  this->fake->catalogRows = {row("a"), row("b")};
  this->fake->sizes = {{"a", 10}, {"b", 20}};
  auto& model = this->make();
  this->scanToReview();
  EXPECT_TRUE(model.isSelected("a"));
  this->fake->sizes.erase("a");
  this->scanToReview();
  EXPECT_FALSE(model.isSelected("a"));
  model.setSelected("a", true);
  EXPECT_FALSE(model.isSelected("a"));
  EXPECT_EQ(ids(model.items()), std::vector<std::string>{"b"});
}

TYPED_TEST(CleanupModels, ACleanRunsToItsEndAfterTheWindowLetsGoOfTheModel) {
  this->threeSafeAndOneCaution();
  this->make();
  this->scanToReview();
  std::weak_ptr<typename TestFixture::Model> weak = this->model;
  auto task = this->model->clean();
  this->model.reset();
  ASSERT_FALSE(weak.expired());
  runToEnd(this->executor());
  ASSERT_TRUE(finished(task));
  EXPECT_EQ(this->harness.settings->totalFreedBytes(), 600);
  EXPECT_EQ(this->harness.settings->lastCleanupAt().has_value(), TypeParam::stampsCleanupTime);
  EXPECT_TRUE(weak.expired());
}

// Real threads and a pool far wider than four: never more than four
// measurements run at once.
TYPED_TEST(CleanupModels, NeverMoreThanFourMeasurementsRunAtOnce) {
  using Phase = typename TestFixture::Phase;
  for (int i = 0; i < 14; ++i) this->fake->catalogRows.push_back(row("row-" + std::to_string(i)));
  const int rows = int(this->targets().size());
  testing::InFlightGate gate;
  this->fake->whileMeasuring = [&](const CleanupTarget&) { gate.pass(); };
  auto services = this->harness.services();
  services.executor = std::make_shared<ThreadPoolExecutor>(16);
  auto model = TypeParam::make(services, this->fake);
  auto task = model->scan();
  ASSERT_TRUE(testing::waitUntil([&] {
    gate.releaseWhenFull(4, rows);
    return finished(task);
  }));
  EXPECT_EQ(gate.peak(), 4);
  EXPECT_EQ(model->phase(), Phase::review);
  EXPECT_EQ(model->scanProgress(), 1.0);
  EXPECT_EQ(this->fake->measured().size(), std::size_t(rows));
}

}  // namespace
}  // namespace tidewell::models
