#pragma once
// Hands small pieces of work (progress reports) from a worker thread to the
// thread of one QObject, for as long as that object lives: a report posted
// after the object is gone, or still queued when it goes, is dropped.
//
// create() on the object's own thread; post() from any thread.

#include <QObject>
#include <functional>
#include <memory>
#include <mutex>

namespace tidewell::models {

class GuiRelay {
 public:
  static std::shared_ptr<GuiRelay> create(QObject* target);

  // Queues work to run on the target's thread. Thread-safe.
  void post(std::function<void()> work) const;

 private:
  explicit GuiRelay(QObject* target) : target_(target) {}
  mutable std::mutex mutex_;
  QObject* target_;  // cleared, under mutex_, when the target is destroyed
};

}  // namespace tidewell::models
