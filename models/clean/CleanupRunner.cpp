#include "models/clean/CleanupRunner.h"

#include <qcoro/qcorofuture.h>

#include <algorithm>
#include <utility>

#include "models/MeasureWindow.h"

namespace tidewell::models {

namespace {

// Built outside the coroutine: the job owns copies of what it needs.
QFuture<engine::DiskScanner::CleanResult> cleanOne(Executor& executor,
                                                   const std::shared_ptr<const CleanupEngine>& engine,
                                                   const engine::CleanupItem& item) {
  return executor.run([engine, item] { return engine->clean(item); });
}

}  // namespace

QCoro::Task<std::vector<engine::CleanupItem>> CleanupRunner::measure(
    QObject* context, std::shared_ptr<Executor> executor, std::shared_ptr<const CleanupEngine> engine,
    Targets targets, Measured onMeasured) {
  std::vector<engine::CleanupItem> found;
  std::size_t finished = 0;
  // The job holds its own references: it runs on a worker and may outlive
  // this frame's view of them.
  using Window = MeasureWindow<std::optional<engine::CleanupItem>>;
  Window::Job job = [engine, targets](std::size_t index) { return engine->scan((*targets)[index]); };
  Window::Finished record = [&](std::size_t, std::optional<engine::CleanupItem> item,
                                std::optional<std::size_t> next) {
    if (item) found.push_back(std::move(*item));
    onMeasured(++finished, next);
  };
  // Every awaited value is a named local: g++ 12 may destroy temporaries
  // of an expression holding co_await twice.
  QCoro::Task<> window = Window::run(context, *executor, targets->size(), measureWidth, job, record);
  co_await window;
  std::stable_sort(
      found.begin(), found.end(),
      [](const engine::CleanupItem& a, const engine::CleanupItem& b) { return a.sizeBytes > b.sizeBytes; });
  co_return found;
}

QCoro::Task<CleanupRunner::Outcome> CleanupRunner::clean(std::shared_ptr<Executor> executor,
                                                         std::shared_ptr<const CleanupEngine> engine,
                                                         std::vector<engine::CleanupItem> items,
                                                         Cleaned onCleaned) {
  Outcome outcome;
  for (std::size_t i = 0; i < items.size(); ++i) {
    QFuture<engine::DiskScanner::CleanResult> cleaning = cleanOne(*executor, engine, items[i]);
    const engine::DiskScanner::CleanResult result = co_await cleaning;
    outcome.freedBytes += std::max<int64_t>(result.freedBytes, 0);
    if (result.failedTitle) outcome.failedTitles.push_back(*result.failedTitle);
    onCleaned(i + 1);
  }
  co_return outcome;
}

}  // namespace tidewell::models
