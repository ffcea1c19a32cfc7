#pragma once
// The Performance tool's state: one scan reads the running applications
// with their memory, the launch agents and daemons, and the machine's
// memory in use. The user may ask an application to quit; a while later
// the list and the memory figures refresh themselves. Not part of Smart
// Scan.
//
// GUI thread only. The window's root view owns it through a shared_ptr; a
// running scan, quit or delayed refresh keeps it alive until it has
// recorded its outcome.

#include <qcoro/qcorotask.h>

#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "engine/performance/LoginItem.h"
#include "engine/performance/RunningApp.h"
#include "models/FeatureModel.h"
#include "models/ModelServices.h"
#include "models/performance/PerformanceEngine.h"

namespace tidewell::models {

class PerformanceViewModel : public FeatureModel {
  Q_OBJECT

 public:
  enum class Phase { idle, scanning, list };

  // How long after a quit request the list is read again: time for the
  // application to close its windows.
  static constexpr std::chrono::milliseconds defaultRefreshDelay{900};

  PerformanceViewModel(ModelServices services, std::shared_ptr<const PerformanceEngine> engine,
                       std::chrono::milliseconds refreshDelay = defaultRefreshDelay,
                       QObject* parent = nullptr);

  Phase phase() const { return phase_; }
  // Most memory first.
  const std::vector<engine::RunningApp>& apps() const { return apps_; }
  // By label.
  const std::vector<engine::LoginItem>& loginItems() const { return loginItems_; }
  int64_t memoryUsed() const { return memoryUsed_; }
  // 1 before the first scan, so the fraction is defined.
  int64_t memoryTotal() const { return memoryTotal_; }
  // The application being asked to quit (the latest one); none otherwise.
  std::optional<int32_t> busyPID() const { return busyPID_; }
  // The sentence for the message banner; none when there is nothing to say.
  const std::optional<QString>& lastMessage() const { return lastMessage_; }
  // The banner's close control sets none.
  void setLastMessage(std::optional<QString> message);

  // memoryUsed / memoryTotal within 0...1; 0 when the total is below 1.
  double memoryFraction() const;

  // Reads everything; refused (finished at once) while scanning.
  QCoro::Task<> scan();
  // Asks app to quit, politely. When its process is gone (or its pid now
  // names another process) nothing at all happens. Otherwise busyPID and
  // the message are set, and a refresh follows after the delay, on its
  // own. The task finishes once the request has been answered; a second
  // quit of the same pid while that is pending is ignored.
  QCoro::Task<> quit(engine::RunningApp app);
  // Reads the running applications and the memory figures again.
  QCoro::Task<> refreshMemory();

 Q_SIGNALS:
  void phaseChanged();
  void appsChanged();
  void loginItemsChanged();
  void memoryUsedChanged();
  void memoryTotalChanged();
  void busyPIDChanged();
  void lastMessageChanged();

 private:
  QCoro::Task<> refreshAfterQuit();
  // Reads the applications, the login items (when asked) and the memory
  // figures, and publishes them.
  QCoro::Task<> read(bool withLoginItems);

  ModelServices services_;
  std::shared_ptr<const PerformanceEngine> engine_;
  std::chrono::milliseconds refreshDelay_;
  Phase phase_ = Phase::idle;
  std::vector<engine::RunningApp> apps_;
  std::vector<engine::LoginItem> loginItems_;
  int64_t memoryUsed_ = 0;
  int64_t memoryTotal_ = 1;
  std::optional<int32_t> busyPID_;
  std::optional<QString> lastMessage_;
  std::set<int32_t> asking_;  // pids whose quit request is on its way
};

}  // namespace tidewell::models
