#include "models/performance/PerformanceViewModel.h"

#include <qcoro/qcorofuture.h>
#include <qcoro/qcorotimer.h>

#include <QTimer>
#include <algorithm>
#include <utility>

#include "base/FileNameText.h"

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

QCoro::Task<> PerformanceViewModel::scan() {
  if (phase_ == Phase::scanning) co_return;
  auto keep = keepAlive();
  publish(this, phase_, Phase::scanning, &PerformanceViewModel::phaseChanged);
  publish(this, busyPID_, std::nullopt, &PerformanceViewModel::busyPIDChanged);
  setLastMessage(std::nullopt);
  QCoro::Task<> reading = read(/*withLoginItems=*/true);
  co_await reading;
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
  // The name comes from another program: shown escaped, as the rows show it.
  const QString name = QString::fromStdString(base::fileNameText(app.name));
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
  // A coarse timer may fire up to 5% early; the application gets the whole
  // delay to close.
  timer->setTimerType(Qt::PreciseTimer);
  timer->setSingleShot(true);
  timer->setInterval(refreshDelay_);
  timer->start();
  QCoro::Task<> waiting = qCoro(timer).waitForTimeout();
  co_await waiting;
  delete timer;
  QCoro::Task<> refreshing = refreshMemory();
  co_await refreshing;
  publish(this, busyPID_, std::nullopt, &PerformanceViewModel::busyPIDChanged);
}

QCoro::Task<> PerformanceViewModel::refreshMemory() {
  auto keep = keepAlive();
  QCoro::Task<> reading = read(/*withLoginItems=*/false);
  co_await reading;
}

QCoro::Task<> PerformanceViewModel::read(bool withLoginItems) {
  struct Reading {
    std::vector<engine::RunningApp> apps;
    std::vector<engine::LoginItem> loginItems;
    PerformanceService::MemoryStats memory;
  };
  // In the engine's order: applications, login items, memory.
  QFuture<Reading> reading = services_.executor->run([engine = engine_, withLoginItems] {
    Reading r;
    r.apps = engine->runningApps();
    if (withLoginItems) r.loginItems = engine->loginItems();
    r.memory = engine->memoryStats();
    return r;
  });
  Reading read = co_await reading;
  publish(this, apps_, std::move(read.apps), &PerformanceViewModel::appsChanged);
  if (withLoginItems)
    publish(this, loginItems_, std::move(read.loginItems), &PerformanceViewModel::loginItemsChanged);
  publish(this, memoryUsed_, read.memory.used, &PerformanceViewModel::memoryUsedChanged);
  publish(this, memoryTotal_, read.memory.total, &PerformanceViewModel::memoryTotalChanged);
}

}  // namespace tidewell::models
