#include "testkit/fakes/ScanGate.h"

namespace tidewell::testing {

void ScanGate::pass() {
  std::unique_lock lock(mutex_);
  arrived_ = true;
  changed_.notify_all();
  changed_.wait(lock, [this] { return released_; });
}

void ScanGate::waitForArrival() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return arrived_; });
}

void ScanGate::release() {
  std::lock_guard lock(mutex_);
  released_ = true;
  changed_.notify_all();
}

}  // namespace tidewell::testing
