#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "engine/walk/WorkPool.h"

namespace tidewell::engine {
namespace {

void* asItem(uintptr_t id) { return reinterpret_cast<void*>(id); }
uintptr_t idOf(void* item) { return reinterpret_cast<uintptr_t>(item); }

// A hung pool would hang the whole test binary; fail loudly instead.
template <class F>
void withinDeadline(F&& body) {
  auto done = std::async(std::launch::async, std::forward<F>(body));
  if (done.wait_for(std::chrono::seconds(60)) == std::future_status::timeout) {
    std::fprintf(stderr, "work pool did not finish within 60 s\n");
    std::abort();
  }
  done.get();
}

// A binary tree of items: item i spawns 2i+1 and 2i+2 below count. Every
// item must run exactly once.
std::vector<int> runTree(WorkPool& pool, uintptr_t count) {
  std::vector<std::atomic<int>> seen(count);
  pool.run(asItem(0), [&](WorkPool::Run& run, void* item) {
    const uintptr_t id = idOf(item);
    seen[id].fetch_add(1);
    for (uintptr_t child : {2 * id + 1, 2 * id + 2})
      if (child < count) run.spawn(asItem(child));
  });
  std::vector<int> counts;
  for (auto& s : seen) counts.push_back(s.load());
  return counts;
}

TEST(WorkPool, WorkerCountComesFromTheOverrideOrTheCores) {
  struct Case {
    const char* override;
    unsigned cores;
    unsigned expected;
  };
  const Case cases[] = {
      {nullptr, 8, 32}, {nullptr, 1, 4}, {nullptr, 0, 4}, {nullptr, 32, 64}, {"", 8, 32},
      {"1", 8, 1},      {"256", 8, 256}, {"257", 8, 32},  {"0", 8, 32},      {"-3", 8, 32},
      {"12x", 8, 32},   {" 12", 8, 32},  {"many", 8, 32}, {"100", 2, 100},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WorkPool::workerCountFor(c.override, c.cores), c.expected)
        << (c.override ? c.override : "(unset)") << " on " << c.cores << " cores";
  }
}

TEST(WorkPool, RunsEverySpawnedItemOnceWhateverTheNumberOfWorkers) {
  for (unsigned workers : {0u, 1u, 8u}) {
    WorkPool pool(workers);
    ASSERT_EQ(pool.workerCount(), workers);
    withinDeadline([&] {
      const auto counts = runTree(pool, 20000);
      EXPECT_EQ(std::count(counts.begin(), counts.end(), 1), 20000) << workers << " workers";
    });
  }
}

TEST(WorkPool, SeveralCallersAndNestedRunsAllFinish) {
  WorkPool pool(2);
  withinDeadline([&] {
    std::vector<std::thread> callers;
    std::atomic<int> wrong{0};
    for (int c = 0; c < 4; ++c) {
      callers.emplace_back([&] {
        for (int round = 0; round < 5; ++round) {
          // Each item of the outer run starts a small run of its own on the
          // same pool, from whichever thread it landed on.
          std::atomic<int> inner{0};
          pool.run(asItem(0), [&](WorkPool::Run& run, void* item) {
            const uintptr_t id = idOf(item);
            if (id < 40) run.spawn(asItem(id + 1));
            const auto counts = runTree(pool, 300);
            if (std::count(counts.begin(), counts.end(), 1) != 300) wrong.fetch_add(1);
            inner.fetch_add(1);
          });
          if (inner.load() != 41) wrong.fetch_add(1);
        }
      });
    }
    for (auto& t : callers) t.join();
    EXPECT_EQ(wrong.load(), 0);
  });
}

TEST(WorkPool, CallerMakesProgressWhileWorkersAreBusyElsewhere) {
  // One worker held by a long item: a second run must still finish, done
  // by its own caller.
  WorkPool pool(1);
  std::atomic<bool> release{false};
  std::atomic<int> started{0};
  std::thread blocker([&] {
    // Two long items: one keeps the worker, the other the blocker's caller.
    pool.run(asItem(0), [&](WorkPool::Run& run, void* item) {
      if (idOf(item) == 0) run.spawn(asItem(1));
      started.fetch_add(1);
      started.notify_all();
      release.wait(false);
    });
  });
  for (int seen = started.load(); seen < 2; seen = started.load()) started.wait(seen);
  withinDeadline([&] {
    const auto counts = runTree(pool, 5000);
    EXPECT_EQ(std::count(counts.begin(), counts.end(), 1), 5000);
  });
  release = true;
  release.notify_all();
  blocker.join();
}

TEST(WorkPool, RaisesTheSoftOpenFilesLimit) {
  WorkPool::raiseOpenFileLimit();
  rlimit limit{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &limit), 0);
  const rlim_t wanted = limit.rlim_max == RLIM_INFINITY ? 65536 : std::min<rlim_t>(limit.rlim_max, 65536);
  EXPECT_GE(limit.rlim_cur, wanted);
}

}  // namespace
}  // namespace tidewell::engine
