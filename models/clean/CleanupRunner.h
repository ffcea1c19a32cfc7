#pragma once
// The two long steps the Clean and Dev Mode models share: measuring a list
// of rows through the four-wide window, and cleaning chosen items one after
// another. Each model writes its own fields from the callbacks, which run on
// the GUI thread; the engine calls run on the executor.
//
// GUI thread only. `context` (the model) must outlive the returned task,
// which a running model operation ensures by keeping itself alive.

#include <qcoro/qcorotask.h>

#include <QObject>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/CleanupItem.h"
#include "engine/CleanupTarget.h"
#include "models/Executor.h"
#include "models/clean/CleanupEngine.h"

namespace tidewell::models {

class CleanupRunner {
 public:
  // At most this many rows are measured at once, whatever the core count.
  static constexpr std::size_t measureWidth = 4;

  using Targets = std::shared_ptr<const std::vector<engine::CleanupTarget>>;
  // After each finished measurement: how many have finished, and the index
  // of the row whose measuring starts next (absent when none is left).
  using Measured = std::function<void(std::size_t finished, std::optional<std::size_t> next)>;
  // After each cleaned item: how many have been cleaned.
  using Cleaned = std::function<void(std::size_t cleaned)>;

  struct Outcome {
    int64_t freedBytes = 0;
    // Titles of the items that failed, in cleaning order.
    std::vector<std::string> failedTitles;
  };

  // The found items, largest first; equal sizes keep the order in which
  // their measurements finished. Rows with nothing found still count as
  // finished.
  static QCoro::Task<std::vector<engine::CleanupItem>> measure(QObject* context,
                                                               std::shared_ptr<Executor> executor,
                                                               std::shared_ptr<const CleanupEngine> engine,
                                                               Targets targets, Measured onMeasured);

  // Cleans the items in order, each only after the one before has finished.
  static QCoro::Task<Outcome> clean(std::shared_ptr<Executor> executor,
                                    std::shared_ptr<const CleanupEngine> engine,
                                    std::vector<engine::CleanupItem> items, Cleaned onCleaned);
};

}  // namespace tidewell::models
