#include "engine/walk/WorkPool.h"

#include <sched.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/core/BackgroundThread.h"

namespace tidewell::engine {

struct WorkPool::State {
  struct RunState;

  struct Item {
    RunState* run;
    void* item;
  };

  // One queue: a worker's own, or the one a run's helpers spawn into.
  struct alignas(64) Lane {
    std::mutex mutex;
    std::deque<Item> items;
  };

  struct RunState : WorkPool::Run {
    State* pool = nullptr;
    const Task* task = nullptr;
    std::atomic<int64_t> pending{0};
    Lane own;
    std::mutex doneMutex;
    std::condition_variable doneCv;
    bool finished = false;  // under doneMutex
  };

  std::vector<std::unique_ptr<Lane>> lanes;
  std::vector<std::thread> threads;

  // Items waiting in any lane; a worker sleeps only while this is 0.
  std::atomic<int64_t> queued{0};
  std::atomic<int> sleepers{0};
  std::mutex sleepMutex;
  std::condition_variable sleepCv;
  bool stopping = false;  // under sleepMutex

  // Runs in progress, so workers can take from their own lanes.
  std::mutex runsMutex;
  std::vector<RunState*> runs;
  size_t runCursor = 0;  // under runsMutex: the run to look at first
  std::atomic<int64_t> runQueued{0};

  void queue(Lane& lane, Item item, std::atomic<int64_t>* extra);
  bool popOwn(size_t lane, Item& out);
  bool takeFromRuns(Item& out);
  bool steal(size_t self, Item& out);
  bool takeFor(RunState& run, Item& out);
  void execute(Item item);
  void workerLoop(size_t lane);
};

namespace {

// Which pool, lane and nested run the current thread works for.
thread_local WorkPool::Run* tlHelping = nullptr;
thread_local const void* tlPool = nullptr;
thread_local size_t tlLane = SIZE_MAX;

// How far a helping caller looks into a worker's queue for its own items.
constexpr size_t kHelpScan = 64;
// A worker looks at the runs' own lanes before its own every this many
// items, so a new run is not left to its caller alone behind a long one.
constexpr unsigned kFairnessTick = 32;

}  // namespace

void WorkPool::State::queue(Lane& lane, Item item, std::atomic<int64_t>* extra) {
  {
    std::lock_guard lock(lane.mutex);
    lane.items.push_back(item);
  }
  if (extra) extra->fetch_add(1, std::memory_order_relaxed);
  // Paired with the sleeper's increment of sleepers before it reads queued:
  // one of the two sees the other, so no wake-up is lost.
  queued.fetch_add(1, std::memory_order_seq_cst);
  if (sleepers.load(std::memory_order_seq_cst) > 0) {
    std::lock_guard lock(sleepMutex);
    sleepCv.notify_one();
  }
}

void WorkPool::Run::spawn(void* item) {
  auto* run = static_cast<State::RunState*>(this);
  State& pool = *run->pool;
  // The spawner holds an unfinished item of this run, so pending cannot
  // reach 0 before this increment is seen.
  run->pending.fetch_add(1, std::memory_order_relaxed);
  if (tlPool == &pool && tlLane != SIZE_MAX && tlHelping == nullptr) {
    pool.queue(*pool.lanes[tlLane], {run, item}, nullptr);
  } else {
    pool.queue(run->own, {run, item}, &pool.runQueued);
  }
}

bool WorkPool::State::popOwn(size_t lane, Item& out) {
  Lane& l = *lanes[lane];
  std::lock_guard lock(l.mutex);
  if (l.items.empty()) return false;
  out = l.items.back();
  l.items.pop_back();
  queued.fetch_sub(1, std::memory_order_relaxed);
  return true;
}

bool WorkPool::State::takeFromRuns(Item& out) {
  if (runQueued.load(std::memory_order_relaxed) <= 0) return false;
  std::lock_guard lock(runsMutex);
  for (size_t i = 0; i < runs.size(); ++i) {
    RunState* run = runs[(runCursor + i) % runs.size()];
    std::lock_guard laneLock(run->own.mutex);
    if (run->own.items.empty()) continue;
    out = run->own.items.front();
    run->own.items.pop_front();
    runQueued.fetch_sub(1, std::memory_order_relaxed);
    queued.fetch_sub(1, std::memory_order_relaxed);
    runCursor = (runCursor + i + 1) % runs.size();
    return true;
  }
  return false;
}

bool WorkPool::State::steal(size_t self, Item& out) {
  const size_t n = lanes.size();
  for (size_t k = 1; k < n; ++k) {
    Lane& l = *lanes[(self + k) % n];
    std::lock_guard lock(l.mutex);
    if (l.items.empty()) continue;
    out = l.items.front();
    l.items.pop_front();
    queued.fetch_sub(1, std::memory_order_relaxed);
    return true;
  }
  return false;
}

// A helping caller takes only its own run's items: newest first from its
// own lane, else the oldest it can find in the workers' queues.
bool WorkPool::State::takeFor(RunState& run, Item& out) {
  {
    std::lock_guard lock(run.own.mutex);
    if (!run.own.items.empty()) {
      out = run.own.items.back();
      run.own.items.pop_back();
      runQueued.fetch_sub(1, std::memory_order_relaxed);
      queued.fetch_sub(1, std::memory_order_relaxed);
      return true;
    }
  }
  for (auto& lane : lanes) {
    std::lock_guard lock(lane->mutex);
    const size_t limit = std::min(lane->items.size(), kHelpScan);
    for (size_t i = 0; i < limit; ++i) {
      if (lane->items[i].run != &run) continue;
      out = lane->items[i];
      lane->items.erase(lane->items.begin() + ptrdiff_t(i));
      queued.fetch_sub(1, std::memory_order_relaxed);
      return true;
    }
  }
  return false;
}

void WorkPool::State::execute(Item item) {
  RunState* run = item.run;
  (*run->task)(*run, item.item);
  if (run->pending.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    // The caller may destroy the run as soon as it sees finished under the
    // lock; nothing of it is touched after this block.
    std::lock_guard lock(run->doneMutex);
    run->finished = true;
    run->doneCv.notify_all();
  }
}

void WorkPool::State::workerLoop(size_t lane) {
  // Walking is background work: the window's thread comes first.
  platform::markCurrentThreadAsBackground();
  tlPool = this;
  tlLane = lane;
  unsigned tick = 0;
  for (;;) {
    Item item{};
    bool got = (++tick % kFairnessTick == 0) && takeFromRuns(item);
    if (!got) got = popOwn(lane, item) || takeFromRuns(item) || steal(lane, item);
    if (got) {
      execute(item);
      continue;
    }
    std::unique_lock lock(sleepMutex);
    sleepers.fetch_add(1, std::memory_order_seq_cst);
    sleepCv.wait(lock, [&] { return stopping || queued.load(std::memory_order_seq_cst) > 0; });
    sleepers.fetch_sub(1, std::memory_order_seq_cst);
    if (stopping) return;
  }
}

WorkPool::WorkPool(unsigned workers) : state_(std::make_unique<State>()) {
  for (unsigned i = 0; i < workers; ++i) state_->lanes.push_back(std::make_unique<State::Lane>());
  for (unsigned i = 0; i < workers; ++i)
    state_->threads.emplace_back([s = state_.get(), i] { s->workerLoop(i); });
}

WorkPool::~WorkPool() {
  {
    std::lock_guard lock(state_->sleepMutex);
    state_->stopping = true;
  }
  state_->sleepCv.notify_all();
  for (auto& t : state_->threads) t.join();
}

unsigned WorkPool::workerCount() const { return unsigned(state_->threads.size()); }

void WorkPool::run(void* root, const Task& task) {
  State& s = *state_;
  State::RunState run;
  run.pool = &s;
  run.task = &task;
  {
    std::lock_guard lock(s.runsMutex);
    s.runs.push_back(&run);
  }
  Run* outer = tlHelping;
  tlHelping = &run;
  run.spawn(root);
  while (run.pending.load(std::memory_order_acquire) > 0) {
    State::Item item{};
    if (s.takeFor(run, item)) {
      s.execute(item);
      continue;
    }
    // The rest is on the workers; look again now and then in case one of
    // our items waits in a busy worker's queue.
    std::unique_lock lock(run.doneMutex);
    run.doneCv.wait_for(lock, std::chrono::milliseconds(1), [&] { return run.finished; });
  }
  {
    std::unique_lock lock(run.doneMutex);
    run.doneCv.wait(lock, [&] { return run.finished; });
  }
  tlHelping = outer;
  std::lock_guard lock(s.runsMutex);
  s.runs.erase(std::find(s.runs.begin(), s.runs.end(), &run));
}

unsigned WorkPool::workerCountFor(const char* override, unsigned cores) {
  if (override && *override) {
    unsigned value = 0;
    const char* end = override + std::strlen(override);
    auto [ptr, ec] = std::from_chars(override, end, value);
    if (ec == std::errc() && ptr == end && value >= 1 && value <= 256) return value;
  }
  return std::clamp(4 * std::max(cores, 1u), 4u, 64u);
}

void WorkPool::raiseOpenFileLimit() {
  static std::once_flag once;
  std::call_once(once, [] {
    constexpr rlim_t kWanted = 65536;
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
    const rlim_t target = limit.rlim_max == RLIM_INFINITY ? kWanted : std::min(limit.rlim_max, kWanted);
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < target) {
      limit.rlim_cur = target;
      setrlimit(RLIMIT_NOFILE, &limit);
    }
  });
}

WorkPool& WorkPool::shared() {
  static WorkPool* pool = [] {
    raiseOpenFileLimit();
    cpu_set_t set;
    unsigned cores = std::thread::hardware_concurrency();
    if (sched_getaffinity(0, sizeof(set), &set) == 0) cores = unsigned(CPU_COUNT(&set));
    return new WorkPool(workerCountFor(std::getenv("TIDEWELL_WALK_THREADS"), cores));
  }();
  return *pool;
}

}  // namespace tidewell::engine
