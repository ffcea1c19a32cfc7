#pragma once
// The one scripted CleanupEngine, for the Clean and Dev Mode model and
// screen tests, the scenes and the renderers: rows, sizes, cleaning results
// and free-space answers are set by the test, and every measurement and
// cleaning is recorded in the order it ran. It touches no file. Safe to
// call from several threads (the real-thread tests).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "models/clean/CleanupEngine.h"

namespace tidewell::testing {

// A row with a readable title, "<id> title", and one path.
inline engine::CleanupTarget row(std::string id,
                                 engine::CleanupCategory category = engine::CleanupCategory::developerCaches,
                                 engine::SafetyLevel safety = engine::SafetyLevel::safe) {
  engine::CleanupTarget target;
  target.id = id;
  target.title = id + " title";
  target.detail = "Detail of " + id + ".";
  target.category = category;
  target.safety = safety;
  target.paths = {"~/" + id};
  return target;
}

// A large model folder of one tool.
inline engine::AIModelStore store(const std::string& tool, int64_t bytes) {
  return {"/fixture/" + tool, tool, bytes, "/fixture/" + tool, "Manage these in " + tool + "."};
}

class ScriptedCleanupEngine final : public models::CleanupEngine {
 public:
  using CleanResult = engine::DiskScanner::CleanResult;

  std::vector<engine::CleanupTarget> catalogRows;
  std::vector<engine::CleanupTarget> artifactRows;
  // Measured size by row id; a row without one yields no item.
  std::map<std::string, int64_t> sizes;
  // Cleaning result by row id; without one the item's whole size is freed.
  std::map<std::string, CleanResult> results;
  std::vector<engine::AIModelStore> stores;
  // Successive answers of availableBytes(); the last one repeats.
  std::vector<int64_t> freeSpace = {0};
  // Runs inside scan(), on the measuring thread, before the answer.
  std::function<void(const engine::CleanupTarget&)> whileMeasuring;

  // A safe developer-cache catalog row titled title, measuring sizeBytes (a
  // size of 0 or less: not found).
  void addRow(const std::string& id, const std::string& title, int64_t sizeBytes) {
    engine::CleanupTarget target;
    target.id = id;
    target.title = title;
    target.detail = "Scripted row.";
    target.paths = {"~/.scripted/" + id};
    catalogRows.push_back(std::move(target));
    if (sizeBytes > 0) sizes[id] = sizeBytes;
  }

  std::vector<engine::CleanupTarget> catalog() const override { return catalogRows; }
  std::vector<engine::CleanupTarget> findBuildArtifacts() const override { return artifactRows; }

  std::optional<engine::CleanupItem> scan(const engine::CleanupTarget& target) const override {
    if (whileMeasuring) whileMeasuring(target);
    std::lock_guard lock(mutex_);
    measured_.push_back(target.id);
    auto size = sizes.find(target.id);
    if (size == sizes.end()) return std::nullopt;
    engine::CleanupItem item;
    item.target = target;
    item.resolvedPaths = {"/fixture/" + target.id};
    item.sizeBytes = size->second;
    item.isSelected = target.safety == engine::SafetyLevel::safe;
    return item;
  }

  CleanResult clean(const engine::CleanupItem& item) const override {
    std::lock_guard lock(mutex_);
    cleaned_.push_back(item.id());
    auto result = results.find(item.id());
    return result != results.end() ? result->second : CleanResult{item.sizeBytes, std::nullopt};
  }

  int64_t availableBytes() const override {
    std::lock_guard lock(mutex_);
    const std::size_t at = std::min(freeReads_++, freeSpace.size() - 1);
    return freeSpace[at];
  }

  std::vector<engine::AIModelStore> aiModels() const override {
    std::lock_guard lock(mutex_);
    ++modelScans_;
    return stores;
  }

  // Row ids in the order they were measured (under a ManualExecutor, the
  // order the jobs were run in).
  std::vector<std::string> measured() const {
    std::lock_guard lock(mutex_);
    return measured_;
  }
  std::vector<std::string> cleaned() const {
    std::lock_guard lock(mutex_);
    return cleaned_;
  }
  std::size_t freeSpaceReads() const {
    std::lock_guard lock(mutex_);
    return freeReads_;
  }
  int modelScans() const {
    std::lock_guard lock(mutex_);
    return modelScans_;
  }

 private:
  mutable std::mutex mutex_;
  mutable std::vector<std::string> measured_;
  mutable std::vector<std::string> cleaned_;
  mutable std::size_t freeReads_ = 0;
  mutable int modelScans_ = 0;
};

}  // namespace tidewell::testing
