#pragma once
// The Clean section's model: measures every catalog row plus the project
// build artefacts, four at a time, publishes the items largest first with
// live progress, keeps the user's selection, cleans the selected items one
// after another and records what was freed, the free space before and after,
// and the running totals ("totalFreedBytes", "lastCleanupAt").
//
// The window's root view owns the one instance (std::make_shared); the
// Smart Scan controller shares it. GUI thread only. Every published field
// has a getter, a signal of its own and changed() after it.
//
// Phases: idle -> scanning -> review -> cleaning -> done -> (reset) idle.
// scan() is refused while scanning or cleaning, clean() unless in review,
// reset() while scanning or cleaning; a refused call changes nothing and its
// task is finished at once.

#include <qcoro/qcorotask.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/clean/CleanupCategory.h"
#include "engine/clean/CleanupItem.h"
#include "models/ModelServices.h"
#include "models/clean/CleanupEngine.h"
#include "models/clean/CleanupItemsModel.h"

namespace tidewell::models {

// Published fields besides those of CleanupItemsModel (items, scanProgress,
// cleanProgress, freedBytes, failedTitles): phase, currentTarget,
// freeSpaceBefore, freeSpaceAfter.
class CleanupViewModel final : public CleanupItemsModel {
  Q_OBJECT

 public:
  enum class Phase { idle, scanning, review, cleaning, done };
  Q_ENUM(Phase)

  // Reads the free space once, as the free space before.
  CleanupViewModel(ModelServices services, std::shared_ptr<const CleanupEngine> engine);

  // ---- Published fields ----
  Phase phase() const { return phase_; }
  // Title of the row whose measuring started last; absent before the first
  // measurement finishes and after the scan.
  const std::optional<std::string>& currentTarget() const { return currentTarget_; }
  // Free bytes of the home volume when the last scan or cleaning began.
  int64_t freeSpaceBefore() const { return freeSpaceBefore_; }
  // Free bytes after the last cleaning.
  int64_t freeSpaceAfter() const { return freeSpaceAfter_; }

  // ---- Operations ----
  // Measures the catalog and the build artefacts; returns when finished.
  QCoro::Task<> scan();
  // Cleans the selected items, then adds the freed bytes to
  // "totalFreedBytes" and stamps "lastCleanupAt"; refused with nothing
  // selected.
  QCoro::Task<> clean();
  // Back to the start page: items emptied, progress and freed bytes zeroed,
  // failures cleared, free space read again, then idle. currentTarget and
  // freeSpaceAfter stay.
  void reset();

  // ---- Derived values, by category ----
  using CleanupItemsModel::items;
  // The items of one category, in items order.
  std::vector<engine::CleanupItem> items(engine::CleanupCategory category) const;
  // The categories, in declaration order, that have at least one item.
  std::vector<engine::CleanupCategory> categories() const;
  std::size_t selectedCount(engine::CleanupCategory category) const;
  int64_t bytes(engine::CleanupCategory category) const;

  // ---- Selection by category ----
  using CleanupItemsModel::selectSafeOnly;
  using CleanupItemsModel::setSelected;
  void setSelected(bool selected, engine::CleanupCategory category);
  void selectSafeOnly(engine::CleanupCategory category);

 Q_SIGNALS:
  void phaseChanged();
  void currentTargetChanged();
  void freeSpaceBeforeChanged();
  void freeSpaceAfterChanged();

 private:
  bool busy() const { return phase_ == Phase::scanning || phase_ == Phase::cleaning; }

  Phase phase_ = Phase::idle;
  std::optional<std::string> currentTarget_;
  int64_t freeSpaceBefore_ = 0;
  int64_t freeSpaceAfter_ = 0;
};

}  // namespace tidewell::models
