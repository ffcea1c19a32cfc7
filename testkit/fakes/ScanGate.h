#pragma once
// Holds a scripted scan part way: the engine, on a worker thread, says it
// has arrived and waits; the caller waits for that, looks, and releases
// it. One use per gate.

#include <condition_variable>
#include <mutex>

namespace tidewell::testing {

class ScanGate {
 public:
  // The engine's side: says it has arrived and waits for the release.
  void pass();
  // The caller's side.
  void waitForArrival();
  void release();

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool arrived_ = false;
  bool released_ = false;
};

}  // namespace tidewell::testing
