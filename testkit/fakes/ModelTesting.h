#pragma once
// Shared by the model tests: services over a ManualExecutor, a settings file
// in a temporary folder and a fixed clock, and a way to let the event loop
// deliver what finished jobs posted.

#include <qcoro/qcorotask.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <memory>

#include "models/Clock.h"
#include "models/ManualExecutor.h"
#include "models/ModelServices.h"
#include "models/SettingsStore.h"

namespace tidewell::testing {

// Runs the event loop a fixed number of rounds (eight unless told), each
// sending what is posted and processing events, since one delivery may post
// the next (a future watcher, then a coroutine step). It does not look
// whether anything is left: a chain longer than the rounds needs more.
inline void settle(int rounds = 8) {
  for (int i = 0; i < rounds; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

// Runs every queued job and every job those lead to, delivering results in
// between, until the executor is idle.
inline void runToEnd(models::ManualExecutor& executor) {
  settle();
  while (executor.pending() > 0) {
    executor.runAll();
    settle();
  }
}

template <typename T>
bool finished(const QCoro::Task<T>& task) {
  return task.isReady();
}

// 2026-12-10 12:00:00 UTC.
inline constexpr std::chrono::system_clock::time_point fixedNow{std::chrono::seconds{1796904000}};

struct ModelHarness {
  QTemporaryDir dir;
  std::shared_ptr<models::ManualExecutor> executor = std::make_shared<models::ManualExecutor>();
  std::shared_ptr<models::SettingsStore> settings =
      models::SettingsStore::atFile(dir.filePath("settings.ini"));
  models::Clock clock = models::Clock::fixed(fixedNow);

  models::ModelServices services() const { return {executor, settings, clock}; }
};

}  // namespace tidewell::testing
