#pragma once
// How the shared Clean and Dev Mode model tests drive the Dev Mode model,
// and where its contract differs from Clean's.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/clean/CleanupTarget.h"
#include "models/ModelServices.h"
#include "models/clean/CleanupEngine.h"
#include "models/devmode/DevModeViewModel.h"
#include "tests/models/SignalLog.h"

namespace tidewell::testing {

struct DevModeModelTraits {
  using Model = models::DevModeViewModel;
  static constexpr const char* name = "DevMode";
  // What its log lines begin with.
  static constexpr const char* logSection = "dev mode";

  static std::shared_ptr<Model> make(models::ModelServices services,
                                     std::shared_ptr<const models::CleanupEngine> engine) {
    return std::make_shared<Model>(std::move(services), std::move(engine));
  }

  // What a scan measures, in order: the developer and extra catalog rows,
  // the four AI cache rows, then the artefacts.
  static std::vector<engine::CleanupTarget> targets(std::vector<engine::CleanupTarget> catalog,
                                                    std::vector<engine::CleanupTarget> artifacts) {
    return Model::targets(std::move(catalog), std::move(artifacts));
  }
  // Of the engine's real catalog.
  static constexpr std::size_t realCatalogTargets = 33;

  static void watchOwnFields(SignalLog& log, Model* model) {
    log.watch(model, &Model::phaseChanged, "phase");
    log.watch(model, &Model::modelsChanged, "models");
  }

  static constexpr bool groupsByCategory = false;
  static constexpr bool namesCurrentTarget = false;
  // Never reads the free space.
  static constexpr bool readsFreeSpace = false;
  // Adds to "totalFreedBytes" only; "lastCleanupAt" is the Clean model's.
  static constexpr bool stampsCleanupTime = false;
  // After the measuring, one job lists the AI model folders.
  static constexpr bool searchesModelFolders = true;
  // reset() keeps the items and the model folders, to show them again.
  static constexpr bool resetKeepsItems = true;

  // What a scan of four developer rows (and the four AI cache rows), a
  // cleaning of three of them and a reset publish, in order.
  static std::vector<std::string> scanFields() {
    return {"phase",        "scanProgress", "items",        "models",       "scanProgress",
            "scanProgress", "scanProgress", "scanProgress", "scanProgress", "scanProgress",
            "scanProgress", "scanProgress", "items",        "models",       "phase"};
  }
  static std::vector<std::string> cleanFields() {
    return {"phase",         "cleanProgress", "cleanProgress", "cleanProgress",
            "cleanProgress", "freedBytes",    "failedTitles",  "phase"};
  }
  static std::vector<std::string> resetFields() {
    return {"phase", "scanProgress", "cleanProgress", "freedBytes", "failedTitles"};
  }
};

}  // namespace tidewell::testing
