#pragma once
// An Executor whose jobs wait until someone runs them: tests (and the screen
// renderers) decide when each engine call finishes, and in which order. A
// job runs on the calling thread; its future's completion still reaches the
// awaiting model through the event loop, exactly as in production, so a
// test runs a job and then lets the event loop deliver it.
//
// GUI thread only.

#include <cstddef>
#include <deque>

#include "models/Executor.h"

namespace tidewell::models {

class ManualExecutor final : public Executor {
 public:
  // Jobs queued and not yet run.
  std::size_t pending() const { return jobs_.size(); }
  // Runs the job at position index of the queue (0 is the oldest) and
  // removes it. Returns false when there is no such job.
  bool runJob(std::size_t index = 0);
  // Runs jobs oldest first until none is queued, including jobs queued by
  // the ones it runs. Returns how many ran.
  std::size_t runAll();

 protected:
  void post(std::function<void()> work) override;

 private:
  std::deque<std::function<void()>> jobs_;
};

}  // namespace tidewell::models
