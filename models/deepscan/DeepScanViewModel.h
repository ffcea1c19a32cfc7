#pragma once
// The state behind the Deep Scan section: one scan runs the big-item,
// installer and container scanners off the GUI thread and publishes their
// merged findings, largest first; a trash request moves one item to the
// Trash and publishes its outcome for the screen's banner.
//
// The window's root view owns one instance (std::make_shared) and hands it
// to the Deep Scan, Home and Smart Scan screens; GUI thread only. A scan or
// trash in progress keeps the model alive until it has recorded its result.

#include <qcoro/qcorotask.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "engine/deepscan/BigItem.h"
#include "engine/deepscan/BigItemScanner.h"
#include "models/FeatureModel.h"
#include "models/GuiRelay.h"
#include "models/ModelServices.h"
#include "models/deepscan/DeepScanEngine.h"

namespace tidewell::models {

class DeepScanViewModel : public FeatureModel {
  Q_OBJECT

 public:
  // idle: nothing scanned yet; list: a scan has finished (items may be empty).
  enum class Phase { idle, scanning, list };
  using TrashOutcome = engine::BigItemScanner::TrashOutcome;

  DeepScanViewModel(ModelServices services, std::shared_ptr<const DeepScanEngine> engine);

  Phase phase() const { return phase_; }
  // The merged findings, largest first; equal sizes keep big items before
  // installers before containers, each in its scanner's order.
  const std::vector<engine::BigItem>& items() const { return items_; }
  // Fraction of the big-item scanner's candidates measured, 0 to 1; stays
  // at the last report when the scan ends (0 when there was no candidate).
  double scanProgress() const { return scanProgress_; }
  // The outcome of the last trash request; absent before one and after a
  // new scan starts or the screen dismisses it.
  const std::optional<TrashOutcome>& lastResult() const { return lastResult_; }

  // The sum of sizeBytes over items; 0 when empty.
  int64_t totalBytes() const;

  // A full scan; finishes once items and phase are published. Refused (an
  // already finished task, nothing changed) while a scan runs.
  QCoro::Task<> scan();
  // Moves item to the Trash; on success every element with its id leaves
  // items. lastResult is the outcome either way. Requests may overlap.
  QCoro::Task<> trash(engine::BigItem item);

  // The screen's banner dismisses the outcome with std::nullopt.
  void setLastResult(std::optional<TrashOutcome> result);

 Q_SIGNALS:
  void phaseChanged();
  void itemsChanged();
  void scanProgressChanged();
  void lastResultChanged();

 private:
  ModelServices services_;
  std::shared_ptr<const DeepScanEngine> engine_;
  std::shared_ptr<GuiRelay> relay_;
  // Counts scans, so a progress report of an earlier scan never lands.
  uint64_t scanRun_ = 0;

  Phase phase_ = Phase::idle;
  std::vector<engine::BigItem> items_;
  double scanProgress_ = 0;
  std::optional<TrashOutcome> lastResult_;
};

}  // namespace tidewell::models
