#pragma once
// What the Clean and Dev Mode models need of the engine: the catalog, the
// project build artefacts, measuring and cleaning one row, the free space of
// the home volume and the large AI model folders. The production form is
// MachineCleanupEngine; tests give scripted fakes.
//
// Every call is const and may come from any thread, several at once (the
// scans measure four rows at a time on worker threads). Implementations hold
// values only. Nothing throws: a row with nothing to clean is absent, a
// failure shows in CleanResult::failedTitle with its reason, unreadable
// free space is 0.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/clean/AIModelStore.h"
#include "engine/clean/CleanupItem.h"
#include "engine/clean/CleanupTarget.h"
#include "engine/clean/DiskScanner.h"

namespace tidewell::models {

class CleanupEngine {
 public:
  virtual ~CleanupEngine() = default;

  // The 65 catalog rows, in catalog order.
  virtual std::vector<engine::CleanupTarget> catalog() const = 0;
  // One row per project build folder under the home folder (walks the home).
  virtual std::vector<engine::CleanupTarget> findBuildArtifacts() const = 0;
  // Measures one row; absent when nothing of it was found.
  virtual std::optional<engine::CleanupItem> scan(const engine::CleanupTarget& target) const = 0;
  // Empties one measured item in place.
  virtual engine::DiskScanner::CleanResult clean(const engine::CleanupItem& item) const = 0;
  // Free bytes of the home volume; 0 when unreadable. Quick (one volume
  // query), so the models read it on the GUI thread.
  virtual int64_t availableBytes() const = 0;
  // The large model folders of local AI tools, largest first (walks them).
  virtual std::vector<engine::AIModelStore> aiModels() const = 0;
};

}  // namespace tidewell::models
