#pragma once
// Where the models' engine work runs. A model never calls a blocking engine
// operation on the GUI thread: it hands the call to an Executor and awaits
// the returned QFuture with QCoro, which resumes the model's coroutine on the
// GUI thread through the event loop.
//
// Production uses ThreadPoolExecutor (its own pool, since one Deep Scan walk
// can hold a thread for minutes); tests use ManualExecutor and run the queued
// jobs themselves, one at a time, in any order.
//
// run() may be called from the GUI thread only. A job must not touch a
// QObject: it takes plain values in and returns a plain value.
//
// Call run() in a statement of its own and await the future it returns
// (`auto done = executor.run(job); co_await done;`): g++ 12 may destroy a
// capturing lambda made inside an await expression twice.

#include <QFuture>
#include <QPromise>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace tidewell::models {

class Executor {
 public:
  virtual ~Executor() = default;

  // Queues job; the future finishes (with job's result) once it has run.
  template <typename F>
  auto run(F job) -> QFuture<std::invoke_result_t<F&>> {
    using T = std::invoke_result_t<F&>;
    auto promise = std::make_shared<QPromise<T>>();
    QFuture<T> future = promise->future();
    promise->start();
    post([promise, job = std::move(job)]() mutable {
      if constexpr (std::is_void_v<T>) {
        job();
      } else {
        promise->addResult(job());
      }
      promise->finish();
    });
    return future;
  }

 protected:
  // Runs work some time later, off the caller's stack.
  virtual void post(std::function<void()> work) = 0;
};

}  // namespace tidewell::models
