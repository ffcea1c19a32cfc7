#pragma once
// Counts the jobs running at once on real threads. Each job calls pass(),
// which holds it until the test lets one go; the test's loop calls
// releaseWhenFull() between event-loop turns, which lets one job go only
// once every job that can be in flight is (or more, so a broken bound ends
// in a failure, not a hang), so peak() shows the true bound whatever the
// pool size.

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace tidewell::testing {

class InFlightGate {
 public:
  // On a worker: counts the job in, waits to be let go, counts it out.
  void pass() {
    std::unique_lock lock(mutex_);
    peak_ = std::max(peak_, ++running_);
    wake_.wait(lock, [&] { return released_ > 0; });
    --released_;
    --running_;
    ++returned_;
  }

  // On the test thread: of total jobs, at most width should be running.
  void releaseWhenFull(int width, int total) {
    std::lock_guard lock(mutex_);
    if (released_ == 0 && running_ > 0 && running_ >= std::min(width, total - returned_)) {
      ++released_;
      wake_.notify_all();
    }
  }

  int peak() const {
    std::lock_guard lock(mutex_);
    return peak_;
  }

 private:
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  int running_ = 0, peak_ = 0, released_ = 0, returned_ = 0;
};

}  // namespace tidewell::testing
