#include <gtest/gtest.h>
#include <qcoro/qcorofuture.h>
#include <qcoro/qcorotask.h>

#include <QThread>
#include <atomic>
#include <latch>
#include <memory>
#include <vector>

#include "models/GuiRelay.h"
#include "models/ManualExecutor.h"
#include "models/ThreadPoolExecutor.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/support/EventWait.h"

namespace tidewell::models {
namespace {

using tidewell::testing::finished;
using tidewell::testing::settle;
using tidewell::testing::waitUntilDone;

QCoro::Task<int> awaitValue(Executor& executor, std::vector<int>& log, int value) {
  auto future = executor.run([value] { return value * 10; });
  const int got = co_await future;
  log.push_back(got);
  co_return got;
}

TEST(ManualExecutor, JobsRunOnlyWhenAskedAndInTheOrderChosen) {
  ManualExecutor executor;
  std::vector<int> log;
  auto first = awaitValue(executor, log, 1);
  auto second = awaitValue(executor, log, 2);
  EXPECT_EQ(executor.pending(), 2u);
  settle();
  EXPECT_TRUE(log.empty());

  ASSERT_TRUE(executor.runJob(1));
  // The completion comes through the event loop, not from inside runJob.
  EXPECT_TRUE(log.empty());
  settle();
  EXPECT_EQ(log, std::vector<int>{20});
  EXPECT_FALSE(finished(first));

  EXPECT_FALSE(executor.runJob(5));
  EXPECT_EQ(executor.runAll(), 1u);
  settle();
  EXPECT_EQ(log, (std::vector<int>{20, 10}));
  EXPECT_TRUE(finished(first) && finished(second));
}

TEST(ThreadPoolExecutor, RunsJobsOffTheCallingThreadAndResumesOnIt) {
  ThreadPoolExecutor executor(2);
  QThread* gui = QThread::currentThread();
  std::atomic<QThread*> worker{nullptr};
  QThread* resumedOn = nullptr;
  // The closure outlives its coroutine: a coroutine lambda reads its
  // captures through the closure after each resumption.
  auto body = [&]() -> QCoro::Task<> {
    auto done = executor.run([&] { worker = QThread::currentThread(); });
    co_await done;
    resumedOn = QThread::currentThread();
  };
  auto task = body();
  ASSERT_TRUE(waitUntilDone(task));
  EXPECT_NE(worker.load(), gui);
  EXPECT_EQ(resumedOn, gui);
}

TEST(GuiRelay, DeliversOnTheTargetsThreadAndDropsWhatArrivesAfterItIsGone) {
  ThreadPoolExecutor executor(1);
  auto target = std::make_unique<QObject>();
  auto relay = GuiRelay::create(target.get());
  int delivered = 0;
  QThread* deliveredOn = nullptr;

  std::latch posted(1);
  executor.run([&] {
    relay->post([&] {
      ++delivered;
      deliveredOn = QThread::currentThread();
    });
    posted.count_down();
  });
  posted.wait();
  settle();
  EXPECT_EQ(delivered, 1);
  EXPECT_EQ(deliveredOn, QThread::currentThread());

  // Queued while alive, then the target goes before the loop runs.
  std::latch queued(1);
  executor.run([&] {
    relay->post([&] { ++delivered; });
    queued.count_down();
  });
  queued.wait();
  target.reset();
  settle();
  relay->post([&] { ++delivered; });
  settle();
  EXPECT_EQ(delivered, 1);
}

}  // namespace
}  // namespace tidewell::models
