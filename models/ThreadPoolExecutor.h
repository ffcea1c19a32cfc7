#pragma once
// The production Executor: a thread pool of its own, not Qt's global one.
// Destroying it waits for the jobs already queued, so no job outlives it.

#include <QThreadPool>

#include "models/Executor.h"

namespace tidewell::models {

class ThreadPoolExecutor final : public Executor {
 public:
  // threads <= 0 picks max(8, the number of cores).
  explicit ThreadPoolExecutor(int threads = 0);
  ~ThreadPoolExecutor() override;

 protected:
  void post(std::function<void()> work) override;

 private:
  QThreadPool pool_;
};

}  // namespace tidewell::models
