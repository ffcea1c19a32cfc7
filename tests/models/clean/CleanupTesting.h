#pragma once
// Small helpers shared by the Clean and Dev Mode model tests.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/clean/CleanupItem.h"
#include "engine/clean/CleanupTarget.h"
#include "models/ManualExecutor.h"
#include "models/clean/CleanupItemsModel.h"
#include "platform/core/EngineContext.h"
#include "testkit/fakes/ModelTesting.h"
#include "tests/models/SignalLog.h"

namespace tidewell::testing {

inline std::vector<std::string> ids(const std::vector<engine::CleanupItem>& items) {
  std::vector<std::string> out;
  for (const auto& item : items) out.push_back(item.id());
  return out;
}

inline std::vector<std::string> ids(const std::vector<engine::CleanupTarget>& targets) {
  std::vector<std::string> out;
  for (const auto& target : targets) out.push_back(target.id);
  return out;
}

inline std::set<std::string> selectedIds(const models::CleanupItemsModel& model) {
  std::set<std::string> out;
  for (const auto& item : model.selectedItems()) out.insert(item.id());
  return out;
}

// The engine's real 65 rows; only paths are made, nothing is read.
inline std::vector<engine::CleanupTarget> realCatalog() {
  return engine::CleanupTarget::catalog(platform::EngineContext::forFixture("/nonexistent-fixture-root"));
}

// Logs the signals of the fields both models share, and changed().
inline void watchSharedFields(SignalLog& log, models::CleanupItemsModel* model) {
  log.watch(model, &models::CleanupItemsModel::itemsChanged, "items");
  log.watch(model, &models::CleanupItemsModel::scanProgressChanged, "scanProgress");
  log.watch(model, &models::CleanupItemsModel::cleanProgressChanged, "cleanProgress");
  log.watch(model, &models::CleanupItemsModel::freedBytesChanged, "freedBytes");
  log.watch(model, &models::CleanupItemsModel::failedTitlesChanged, "failedTitles");
  log.watch(model, &models::CleanupItemsModel::changed, "changed");
}

// Runs a started cleaning job by job and returns cleanProgress after each;
// fails the test if two cleanings are ever queued at once.
inline std::vector<double> cleanStepByStep(models::ManualExecutor& executor,
                                           const models::CleanupItemsModel& model) {
  std::vector<double> progress;
  while (executor.pending() > 0) {
    EXPECT_EQ(executor.pending(), 1u) << "cleanings overlap";
    executor.runJob(0);
    settle();
    progress.push_back(model.cleanProgress());
  }
  return progress;
}

}  // namespace tidewell::testing
