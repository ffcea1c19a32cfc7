#pragma once
// The Advisor tool's state: one scan gathers four findings (Simulator
// runtimes, unavailable simulators, Time Machine local snapshots, the
// Docker virtual-machine folder); three actions act on them (delete one
// runtime, remove the unavailable simulators, thin the snapshots). Each
// action marks itself in busyAction while it runs, patches the findings in
// place when it succeeds, and leaves one sentence in lastMessage. Nothing
// rescans by itself.
//
// GUI thread only. The window's root view owns it through a shared_ptr;
// the Smart Scan controller awaits its scan(). A running scan or action
// keeps the model alive until it has recorded its outcome.

#include <qcoro/qcorotask.h>

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/advisor/AdvisorService.h"
#include "models/FeatureModel.h"
#include "models/ModelServices.h"
#include "models/advisor/AdvisorEngine.h"

namespace tidewell::models {

class AdvisorViewModel : public FeatureModel {
  Q_OBJECT

 public:
  enum class Phase { idle, scanning, list };

  struct Findings {
    std::vector<engine::AdvisorService::SimRuntime> runtimes;  // largest first
    int unavailableSims = 0;
    int snapshotCount = 0;
    int64_t dockerBytes = 0;

    bool operator==(const Findings&) const = default;
  };

  // busyAction while the unavailable simulators are removed, and while the
  // snapshots are thinned; while a runtime is deleted it holds that
  // runtime's id.
  static constexpr const char* unavailableSimsAction = "unavailable-sims";
  static constexpr const char* snapshotsAction = "snapshots";

  AdvisorViewModel(ModelServices services, std::shared_ptr<const AdvisorEngine> engine,
                   QObject* parent = nullptr);

  Phase phase() const { return phase_; }
  const Findings& findings() const { return findings_; }
  // The id of the action running now (the latest one started); none when idle.
  const std::optional<QString>& busyAction() const { return busyAction_; }
  // The sentence for the message banner; none when there is nothing to say.
  const std::optional<QString>& lastMessage() const { return lastMessage_; }
  // The banner's close control sets none.
  void setLastMessage(std::optional<QString> message);

  // Any runtime, unavailable simulator, snapshot or Docker byte found.
  bool hasFindings() const;
  // The runtimes' bytes together: the Advisor's reclaimable total.
  int64_t runtimeBytes() const;

  // Gathers the four findings; refused (finished at once) while scanning.
  QCoro::Task<> scan();
  // The actions. None is refused while another runs: the screen disables
  // the controls. The runtime is deleted by the id it was listed with.
  QCoro::Task<> deleteRuntime(engine::AdvisorService::SimRuntime runtime);
  QCoro::Task<> removeUnavailable();
  QCoro::Task<> thinSnapshots();

 Q_SIGNALS:
  void phaseChanged();
  void findingsChanged();
  void busyActionChanged();
  void lastMessageChanged();

 private:
  // Marks id busy, runs action off the GUI thread, clears busyAction;
  // finishes with what the action came to, logging why when it failed.
  QCoro::Task<platform::Attempt> runAction(QString id,
                                           std::function<platform::Attempt(const AdvisorEngine&)> action);
  void patchFindings(const std::function<void(Findings&)>& patch);

  ModelServices services_;
  std::shared_ptr<const AdvisorEngine> engine_;
  Phase phase_ = Phase::idle;
  Findings findings_;
  std::optional<QString> busyAction_;
  std::optional<QString> lastMessage_;
};

}  // namespace tidewell::models
