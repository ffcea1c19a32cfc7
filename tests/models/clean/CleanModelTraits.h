#pragma once
// How the shared Clean and Dev Mode model tests drive the Clean model, and
// where its contract differs from Dev Mode's.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/clean/CleanupTarget.h"
#include "models/ModelServices.h"
#include "models/clean/CleanupEngine.h"
#include "models/clean/CleanupViewModel.h"
#include "tests/models/SignalLog.h"

namespace tidewell::testing {

struct CleanModelTraits {
  using Model = models::CleanupViewModel;
  static constexpr const char* name = "Clean";
  // What its log lines begin with.
  static constexpr const char* logSection = "clean";

  // Reads the free space at once: make it after scripting the engine.
  static std::shared_ptr<Model> make(models::ModelServices services,
                                     std::shared_ptr<const models::CleanupEngine> engine) {
    return std::make_shared<Model>(std::move(services), std::move(engine));
  }

  // What a scan measures, in order: every catalog row, then the artefacts.
  static std::vector<engine::CleanupTarget> targets(std::vector<engine::CleanupTarget> catalog,
                                                    std::vector<engine::CleanupTarget> artifacts) {
    catalog.insert(catalog.end(), artifacts.begin(), artifacts.end());
    return catalog;
  }
  // Of the engine's real catalog.
  static constexpr std::size_t realCatalogTargets = 65;

  static void watchOwnFields(SignalLog& log, Model* model) {
    log.watch(model, &Model::phaseChanged, "phase");
    log.watch(model, &Model::currentTargetChanged, "currentTarget");
    log.watch(model, &Model::freeSpaceBeforeChanged, "freeSpaceBefore");
    log.watch(model, &Model::freeSpaceAfterChanged, "freeSpaceAfter");
  }

  // The review groups the items by category.
  static constexpr bool groupsByCategory = true;
  // currentTarget names the row whose measuring began last.
  static constexpr bool namesCurrentTarget = true;
  // The free space is read at creation, scan, cleaning start and end, and reset.
  static constexpr bool readsFreeSpace = true;
  // A cleaning stamps "lastCleanupAt".
  static constexpr bool stampsCleanupTime = true;
  // No model folder search follows the measuring.
  static constexpr bool searchesModelFolders = false;
  // reset() empties the items.
  static constexpr bool resetKeepsItems = false;

  // What a scan of four rows that the measuring window takes at once, a
  // cleaning of three of them and a reset publish, in order.
  static std::vector<std::string> scanFields() {
    return {"phase",         "scanProgress", "items",        "freeSpaceBefore",
            "scanProgress",  "scanProgress", "scanProgress", "scanProgress",
            "currentTarget", "items",        "phase"};
  }
  static std::vector<std::string> cleanFields() {
    return {"phase",         "cleanProgress", "freeSpaceBefore", "cleanProgress",  "cleanProgress",
            "cleanProgress", "freedBytes",    "failedTitles",    "freeSpaceAfter", "phase"};
  }
  static std::vector<std::string> resetFields() {
    return {"items",        "scanProgress",    "cleanProgress", "freedBytes",
            "failedTitles", "freeSpaceBefore", "phase"};
  }
};

}  // namespace tidewell::testing
