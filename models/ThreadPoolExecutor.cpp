#include "models/ThreadPoolExecutor.h"

#include <QThread>
#include <algorithm>

#include "platform/core/BackgroundThread.h"

namespace tidewell::models {

ThreadPoolExecutor::ThreadPoolExecutor(int threads) {
  // Most jobs wait on the engine's own walking pool, so a few more threads
  // than cores keep one long walk from holding up a short job.
  pool_.setMaxThreadCount(threads > 0 ? threads : std::max(8, QThread::idealThreadCount()));
}

ThreadPoolExecutor::~ThreadPoolExecutor() { pool_.waitForDone(); }

void ThreadPoolExecutor::post(std::function<void()> work) {
  pool_.start([work = std::move(work)] {
    // Engine jobs are background work (and help with the walks they wait
    // on), so the GUI thread never waits for a processor behind them.
    platform::markCurrentThreadAsBackground();
    work();
  });
}

}  // namespace tidewell::models
