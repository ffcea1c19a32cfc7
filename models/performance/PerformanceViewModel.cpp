#include "models/performance/PerformanceViewModel.h"

#include <qcoro/qcorofuture.h>
#include <qcoro/qcorotimer.h>

#include <QTimer>
#include <algorithm>
#include <utility>

namespace tidewell::models {

using engine::PerformanceService;

PerformanceViewModel::PerformanceViewModel(ModelServices services,
                                           std::shared_ptr<const PerformanceEngine> engine,
                                           std::chrono::milliseconds refreshDelay, QObject* parent)
    : FeatureModel(parent),
      services_(std::move(services)),
      engine_(std::move(engine)),
      refreshDelay_(refreshDelay) {}

void PerformanceViewModel::setLastMessage(std::optional<QString> message) {
  publish(this, lastMessage_, std::move(message), &PerformanceViewModel::lastMessageChanged);
}

double PerformanceViewModel::memoryFraction() const {
  if (memoryTotal_ < 1) return 0;
  return std::clamp(double(memoryUsed_) / double(memoryTotal_), 0.0, 1.0);
}

void PerformanceViewModel::setMemory(const PerformanceService::MemoryStats& stats) {
  publish(this, memoryUsed_, stats.used, &PerformanceViewModel::memoryUsedChanged);
  publish(this, memoryTotal_, stats.total, &PerformanceViewModel::memoryTotalChanged);
}

QCoro::Task<> PerformanceViewModel::scan() {
  if (phase_ == Phase::scanning) co_return;
  auto keep = keepAlive();
  publish(this, phase_, Phase::scanning, &PerformanceViewModel::phaseChanged);
  publish(this, busyPID_, std::nullopt, &PerformanceViewModel::busyPIDChanged);
  setLastMessage(std::nullopt);
  struct Reading {
    std::vector<engine::RunningApp> apps;
    std::vector<engine::LoginItem> loginItems;
    PerformanceService::MemoryStats memory;
  };
  QFuture<Reading> reading = services_.executor->run([engine = engine_] {
    Reading r;
    r.apps = engine->runningApps();
    r.loginItems = engine->loginItems();
    r.memory = engine->memoryStats();
    return r;
  });
  Reading read = co_await reading;
  publish(this, apps_, std::move(read.apps), &PerformanceViewModel::appsChanged);
  publish(this, loginItems_, std::move(read.loginItems), &PerformanceViewModel::loginItemsChanged);
  setMemory(read.memory);
  publish(this, phase_, Phase::list, &PerformanceViewModel::phaseChanged);
}

QCoro::Task<> PerformanceViewModel::quit(engine::RunningApp app) {
  if (asking_.contains(app.id)) co_return;
  auto keep = keepAlive();
  asking_.insert(app.id);
  // The identity check and the window requests talk to /proc and the
  // display server, so they run off the GUI thread.
  QFuture<PerformanceEngine::QuitAnswer> asking =
      services_.executor->run([engine = engine_, app] { return engine->quit(app); });
  const PerformanceEngine::QuitAnswer answer = co_await asking;
  asking_.erase(app.id);
  if (answer == PerformanceEngine::QuitAnswer::notRunning) co_return;

  publish(this, busyPID_, std::optional<int32_t>(app.id), &PerformanceViewModel::busyPIDChanged);
  const QString name = QString::fromStdString(app.name);
  if (answer == PerformanceEngine::QuitAnswer::asked) {
    setLastMessage(QStringLiteral("Asked ") + name +
                   QStringLiteral(" to quit. Its memory frees as it closes."));
  } else {
    setLastMessage(name + QStringLiteral(" wouldn't quit. It may have unsaved work open."));
  }
  refreshAfterQuit();  // runs on by itself
}

QCoro::Task<> PerformanceViewModel::refreshAfterQuit() {
  auto keep = keepAlive();
  auto* timer = new QTimer(this);
  timer->setSingleShot(true);
  timer->setInterval(refreshDelay_);
  timer->start();
  co_await qCoro(timer).waitForTimeout();
  delete timer;
  co_await refreshMemory();
  publish(this, busyPID_, std::nullopt, &PerformanceViewModel::busyPIDChanged);
}

QCoro::Task<> PerformanceViewModel::refreshMemory() {
  auto keep = keepAlive();
  struct Reading {
    std::vector<engine::RunningApp> apps;
    PerformanceService::MemoryStats memory;
  };
  QFuture<Reading> reading = services_.executor->run([engine = engine_] {
    Reading r;
    r.apps = engine->runningApps();
    r.memory = engine->memoryStats();
    return r;
  });
  Reading read = co_await reading;
  publish(this, apps_, std::move(read.apps), &PerformanceViewModel::appsChanged);
  setMemory(read.memory);
}

}  // namespace tidewell::models
