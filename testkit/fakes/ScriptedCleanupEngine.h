#pragma once
// A scripted Clean engine for the screens' tests and renderers: catalog
// rows with their measured sizes (a row of size 0 is not found), no build
// artefacts, no AI model folders; cleaning frees an item's whole size and
// touches no file. Meant for a ManualExecutor: every call runs on the GUI
// thread.

#include <cstdint>
#include <string>
#include <vector>

#include "models/clean/CleanupEngine.h"

namespace tidewell::screens::probe {

class ScriptedCleanupEngine final : public models::CleanupEngine {
 public:
  struct Row {
    engine::CleanupTarget target;
    int64_t sizeBytes = 0;
  };
  std::vector<Row> rows;
  int64_t freeBytes = 0;

  // A safe developer-cache row titled title, measuring sizeBytes.
  void addRow(const std::string& id, const std::string& title, int64_t sizeBytes);

  std::vector<engine::CleanupTarget> catalog() const override;
  std::vector<engine::CleanupTarget> findBuildArtifacts() const override { return {}; }
  std::optional<engine::CleanupItem> scan(const engine::CleanupTarget& target) const override;
  engine::DiskScanner::CleanResult clean(const engine::CleanupItem& item) const override;
  int64_t availableBytes() const override { return freeBytes; }
  std::vector<engine::AIModelStore> aiModels() const override { return {}; }
};

}  // namespace tidewell::screens::probe
