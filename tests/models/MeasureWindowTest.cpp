#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <random>
#include <vector>

#include "models/MeasureWindow.h"
#include "models/ThreadPoolExecutor.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/support/EventWait.h"
#include "tests/models/InFlightGate.h"

namespace tidewell::models {
namespace {

using tidewell::testing::finished;
using tidewell::testing::InFlightGate;
using tidewell::testing::settle;
using tidewell::testing::waitUntil;

struct Report {
  std::size_t index;
  int result;
  std::optional<std::size_t> next;
  bool operator==(const Report&) const = default;
};

TEST(MeasureWindow, KeepsAtMostFourInFlightAndReportsInFinishingOrder) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    ManualExecutor executor;
    QObject context;
    std::vector<Report> reports;
    const std::size_t count = 11;
    auto task = MeasureWindow<int>::run(
        &context, executor, count, 4, [](std::size_t i) { return static_cast<int>(i) * 2; },
        [&](std::size_t i, int r, std::optional<std::size_t> next) {
          reports.push_back({i, r, next});
        });

    std::mt19937 random(seed);
    std::vector<std::size_t> order;  // indexes in the order their jobs ran
    std::vector<std::size_t> queued = {0, 1, 2, 3};
    EXPECT_EQ(executor.pending(), 4u);
    while (executor.pending() > 0) {
      ASSERT_LE(executor.pending(), 4u);
      const std::size_t pick = random() % executor.pending();
      order.push_back(queued[pick]);
      queued.erase(queued.begin() + static_cast<std::ptrdiff_t>(pick));
      executor.runJob(pick);
      settle();
      if (reports.size() == order.size() && reports.back().next) queued.push_back(*reports.back().next);
    }
    settle();
    ASSERT_TRUE(finished(task));
    ASSERT_EQ(reports.size(), count);
    for (std::size_t k = 0; k < count; ++k) {
      EXPECT_EQ(reports[k].index, order[k]);
      EXPECT_EQ(reports[k].result, static_cast<int>(order[k]) * 2);
      // The k-th finished job starts job 4 + k, in target order, while any is left.
      const std::optional<std::size_t> expected = 4 + k < count ? std::optional(4 + k) : std::nullopt;
      EXPECT_EQ(reports[k].next, expected);
    }
  }
}

TEST(MeasureWindow, FewerTargetsThanTheWidthAndNoneAtAll) {
  ManualExecutor executor;
  QObject context;
  std::vector<Report> reports;
  auto record = [&](std::size_t i, int r, std::optional<std::size_t> next) {
    reports.push_back({i, r, next});
  };
  auto none = MeasureWindow<int>::run(
      &context, executor, 0, 4, [](std::size_t) { return 0; }, record);
  EXPECT_TRUE(finished(none));
  EXPECT_EQ(executor.pending(), 0u);

  auto two = MeasureWindow<int>::run(
      &context, executor, 2, 4, [](std::size_t i) { return int(i); }, record);
  EXPECT_EQ(executor.pending(), 2u);
  tidewell::testing::runToEnd(executor);
  EXPECT_TRUE(finished(two));
  EXPECT_EQ(reports, (std::vector<Report>{{0, 0, std::nullopt}, {1, 1, std::nullopt}}));
}

// With real threads and a pool far wider than the window, the window alone
// bounds the work in flight.
TEST(MeasureWindow, TheWindowNotThePoolBoundsTheWorkInFlight) {
  ThreadPoolExecutor executor(16);
  QObject context;
  InFlightGate gate;
  int reports = 0;
  auto task = MeasureWindow<int>::run(
      &context, executor, 12, 4,
      [&](std::size_t i) {
        gate.pass();
        return int(i);
      },
      [&](std::size_t, int, std::optional<std::size_t>) { ++reports; });
  ASSERT_TRUE(waitUntil([&] {
    gate.releaseWhenFull(4, 12);
    return finished(task);
  }));
  EXPECT_EQ(gate.peak(), 4);
  EXPECT_EQ(reports, 12);
}

}  // namespace
}  // namespace tidewell::models
