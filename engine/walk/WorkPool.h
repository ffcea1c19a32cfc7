#pragma once
// The engine-wide work-stealing pool that walks folders in parallel.
//
// A run is one call of run(): a task function and a root item; the task may
// spawn more items of the same run, and run() returns once every item has
// been processed. Each worker keeps its own queue (newest first, so a walk
// goes depth-first and holds few folders open) and steals the oldest items
// of the others when it runs dry. The calling thread helps with its own
// run's items while it waits, so a run always makes progress even when the
// workers are busy with someone else's, and a pool with no workers still
// works (the caller does everything).
//
// Thread safety: run() may be called from any number of threads at once,
// and from inside a task of another run (a nested run helps only itself and
// never waits on the outer one, so nothing deadlocks). Tasks must not throw.

#include <cstdint>
#include <functional>
#include <memory>

namespace tidewell::engine {

class WorkPool {
 public:
  // Handed to every call of a run's task; spawn() queues another item.
  class Run {
   public:
    void spawn(void* item);

   protected:
    Run() = default;
    ~Run() = default;
  };
  using Task = std::function<void(Run& run, void* item)>;

  // Starts `workers` threads (0 is allowed: callers then do all the work).
  explicit WorkPool(unsigned workers);
  // Stops and joins the workers; no run may be in progress.
  ~WorkPool();
  WorkPool(const WorkPool&) = delete;
  WorkPool& operator=(const WorkPool&) = delete;

  unsigned workerCount() const;

  // Calls task(run, root) and task(run, item) for every spawned item, on the
  // workers and on the calling thread, until none is left.
  void run(void* root, const Task& task);

  // The pool every scanner shares, made on first use with
  // workerCountFor(getenv("TIDEWELL_WALK_THREADS"), cores) workers. Never
  // destroyed. Also raises the open-files limit (see raiseOpenFileLimit).
  static WorkPool& shared();

  // The override when it is a whole number from 1 to 256; otherwise four
  // workers per core (more threads than cores keep the disk busy while
  // others wait on it), at least 4 and at most 64.
  static unsigned workerCountFor(const char* override, unsigned cores);

  // Raises the soft open-files limit to the hard limit (at most 65536),
  // once per process: a wide walk holds one descriptor per folder in flight.
  static void raiseOpenFileLimit();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace tidewell::engine
