#include "testkit/fakes/ScriptedCleanupEngine.h"

namespace tidewell::screens::probe {

void ScriptedCleanupEngine::addRow(const std::string& id, const std::string& title, int64_t sizeBytes) {
  engine::CleanupTarget target;
  target.id = id;
  target.title = title;
  target.detail = "Scripted row.";
  target.paths = {"~/.scripted/" + id};
  rows.push_back({std::move(target), sizeBytes});
}

std::vector<engine::CleanupTarget> ScriptedCleanupEngine::catalog() const {
  std::vector<engine::CleanupTarget> targets;
  for (const Row& row : rows) targets.push_back(row.target);
  return targets;
}

std::optional<engine::CleanupItem> ScriptedCleanupEngine::scan(const engine::CleanupTarget& target) const {
  for (const Row& row : rows) {
    if (row.target.id != target.id || row.sizeBytes < 1) continue;
    engine::CleanupItem item;
    item.target = target;
    item.sizeBytes = row.sizeBytes;
    item.isSelected = target.safety == engine::SafetyLevel::safe;
    return item;
  }
  return std::nullopt;
}

engine::DiskScanner::CleanResult ScriptedCleanupEngine::clean(const engine::CleanupItem& item) const {
  return {item.sizeBytes, std::nullopt};
}

}  // namespace tidewell::screens::probe
