#pragma once
// Measures a list of targets through an Executor, never more than `width`
// at a time, and hands each result to the GUI thread in the order the
// measurements finish. The window, not the pool size, bounds the work in
// flight, so results and progress never depend on the number of cores.
//
// The Clean and Dev Mode scans use it with width 4:
//   - jobs 0 … min(count, width) - 1 start at once, in order;
//   - each time one finishes, onFinished(index, result, next) runs on the
//     GUI thread, where next is the index of the job that starts right
//     after it (absent when none is left to start), and then that job
//     starts.
// The returned task finishes after the last onFinished. GUI thread only;
// `context` (the model) must outlive the task, which a running model
// operation ensures by keeping itself alive.

#include <qcoro/qcorofuture.h>
#include <qcoro/qcorotask.h>

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

#include "models/Executor.h"

namespace tidewell::models {

template <typename Result>
class MeasureWindow {
 public:
  // Runs on a worker thread: plain values only.
  using Job = std::function<Result(std::size_t index)>;
  using Finished = std::function<void(std::size_t index, Result result, std::optional<std::size_t> next)>;

  static QCoro::Task<> run(QObject* context, Executor& executor, std::size_t count, std::size_t width,
                           Job job, Finished onFinished) {
    if (count == 0) co_return;
    auto state = std::make_shared<State>(context, executor, count, std::move(job), std::move(onFinished));
    QFuture<void> done = state->done.future();
    state->done.start();
    const std::size_t first = std::min(count, std::max<std::size_t>(width, 1));
    for (std::size_t i = 0; i < first; ++i) start(state, i);
    co_await done;
  }

 private:
  struct State {
    State(QObject* c, Executor& e, std::size_t n, Job j, Finished f)
        : context(c), executor(e), count(n), job(std::move(j)), onFinished(std::move(f)) {}
    QObject* context;
    Executor& executor;
    std::size_t count;
    Job job;
    Finished onFinished;
    std::size_t started = 0;
    std::size_t finished = 0;
    QPromise<void> done;
  };

  static void start(const std::shared_ptr<State>& state, std::size_t index) {
    state->started = index + 1;
    // A watcher delivers the result through the context's event loop, in
    // production and under a ManualExecutor alike, and dies with the context.
    auto* watcher = new QFutureWatcher<Result>(state->context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, state->context, [state, index, watcher] {
      watcher->deleteLater();
      std::optional<std::size_t> next;
      if (state->started < state->count) next = state->started;
      ++state->finished;
      state->onFinished(index, watcher->result(), next);
      if (next) start(state, *next);
      if (state->finished == state->count) state->done.finish();
    });
    watcher->setFuture(state->executor.run([job = state->job, index] { return job(index); }));
  }
};

}  // namespace tidewell::models
