#pragma once
// Smart Scan: the Clean, Apps, Deep Scan and Advisor scans one after
// another, on the very models the four tool sections show, so each section
// keeps its results. The controller owns no scanning of its own: it
// sequences the four scans, publishes which step is under way, and passes
// on every change of the four models as a change of its own (changed()),
// so a screen watching only the controller redraws whenever any of them
// changes. Nothing is deleted by a Smart Scan.
//
// A run is identified by runID, which every start and every stop bumps;
// the run compares its own number after each awaited scan and ends
// silently when they differ. The scan under way is never cut short.
//
// GUI thread only. Holds the four models strongly; they never refer back.
// The window's root view owns it through a shared_ptr.

#include <qcoro/qcorotask.h>

#include <QString>
#include <cstdint>
#include <memory>

#include "models/FeatureModel.h"
#include "models/advisor/AdvisorViewModel.h"
#include "models/apps/AppsViewModel.h"
#include "models/clean/CleanupViewModel.h"
#include "models/deepscan/DeepScanViewModel.h"

namespace tidewell::models {

class SmartScanController : public FeatureModel {
  Q_OBJECT

 public:
  // Running: any phase but idle and done.
  enum class Phase { idle, clean, apps, deepScan, advisor, done };

  SmartScanController(std::shared_ptr<CleanupViewModel> cleanup, std::shared_ptr<AppsViewModel> apps,
                      std::shared_ptr<DeepScanViewModel> deepScan, std::shared_ptr<AdvisorViewModel> advisor,
                      QObject* parent = nullptr);

  Phase phase() const { return phase_; }
  // True once the user stopped the current run; cleared by the next start.
  bool stopped() const { return stopped_; }
  // The number of the current run; only grows.
  int64_t runID() const { return runID_; }

  const std::shared_ptr<CleanupViewModel>& cleanup() const { return cleanup_; }
  const std::shared_ptr<AppsViewModel>& apps() const { return apps_; }
  const std::shared_ptr<DeepScanViewModel>& deepScan() const { return deepScan_; }
  const std::shared_ptr<AdvisorViewModel>& advisor() const { return advisor_; }

  bool isRunning() const;
  // The Clean step has results: the Clean model is in review or done.
  bool cleanupFinished() const;
  // The detail line under the running headline; empty when idle or done.
  QString statusLine() const;

  // Starts a run, unless one is running or any of the four models is busy
  // scanning (or the Clean model is cleaning): then nothing changes and the
  // task is finished at once. The run counts as running (phase clean) from
  // the moment the start is accepted, so a second start in the same turn is
  // refused. The task finishes when the run ends, finished or abandoned.
  QCoro::Task<> start();
  // The screen's Stop: while running, abandons the run (the scan under way
  // still completes in its own model), marks it stopped and finishes.
  void requestStop();
  // phase = done; nothing else changes.
  void finish();
  // phase = idle; nothing else changes (stopped stays until the next start).
  void reset();

 Q_SIGNALS:
  void phaseChanged();
  void stoppedChanged();

 private:
  bool refusesStart() const;
  void setPhase(Phase phase);

  std::shared_ptr<CleanupViewModel> cleanup_;
  std::shared_ptr<AppsViewModel> apps_;
  std::shared_ptr<DeepScanViewModel> deepScan_;
  std::shared_ptr<AdvisorViewModel> advisor_;
  Phase phase_ = Phase::idle;
  bool stopped_ = false;
  int64_t runID_ = 0;
};

}  // namespace tidewell::models
