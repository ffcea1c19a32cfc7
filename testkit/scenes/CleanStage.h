#pragma once
// A real Clean model over a scripted engine and a ManualExecutor (the
// model tests' harness), moved into the states the Clean screens show:
// idle, scanning at a chosen fraction, review, cleaning part-way, done.
// The rows are the real catalog's (titles, details, categories and safety
// as shipped) plus two project build folders, with sizes of our choosing.
// Shared by the Clean screen tests and render-clean. GUI thread only.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "design/motion/MotionPreference.h"
#include "engine/clean/CleanupTarget.h"
#include "engine/deepscan/BigItemScanner.h"
#include "models/VolumeModel.h"
#include "models/clean/CleanupViewModel.h"
#include "platform/core/EngineContext.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedCleanupEngine.h"

namespace tidewell::probe {

// Motion on for one test; still motion (what the screen probe sets) comes
// back after it.
struct MotionOn {
  MotionOn() { design::setReduceMotionOverride(false); }
  ~MotionOn() { design::setReduceMotionOverride(true); }
  MotionOn(const MotionOn&) = delete;
  MotionOn& operator=(const MotionOn&) = delete;
};

struct CleanStage : testing::ModelHarness {
  // The rows found, with their sizes, largest first once measured.
  struct Found {
    std::string id;
    int64_t bytes;
  };

  QTemporaryDir dir;
  std::shared_ptr<models::ManualExecutor> executor = std::make_shared<models::ManualExecutor>();
  std::shared_ptr<models::SettingsStore> settings =
      models::SettingsStore::atFile(dir.filePath("settings.ini"));
  std::shared_ptr<testing::ScriptedCleanupEngine> engine = std::make_shared<testing::ScriptedCleanupEngine>();
  std::shared_ptr<models::CleanupViewModel> model;
  std::shared_ptr<models::VolumeModel> volume;
  // What the volume model reads as the volume's free bytes.
  std::shared_ptr<int64_t> volumeFree;

  // free: what the volume reports, before and after a cleaning.
  explicit CleanStage(const std::vector<Found>& found = defaultFinds(), int64_t freeBefore = 41'200'000'000,
                      int64_t freeAfter = 43'540'000'000) {
    const platform::EngineContext ctx = platform::EngineContext::forFixture("/fixture");
    engine->catalogRows = engine::CleanupTarget::catalog(ctx);
    engine->artifactRows = {
        engine::BigItemScanner::artifactTarget("node_modules", ctx.inHome("Projects/web-app/node_modules"),
                                               ctx),
        engine::BigItemScanner::artifactTarget("target", ctx.inHome("Projects/engine/target"), ctx)};
    for (const Found& f : found) engine->sizes[f.id] = f.bytes;
    // Read at creation, at the scan, when a cleaning starts and when it ends.
    engine->freeSpace = {freeBefore, freeBefore, freeBefore, freeAfter};
    model = std::make_shared<models::CleanupViewModel>(
        models::ModelServices{executor, settings},
        std::const_pointer_cast<const testing::ScriptedCleanupEngine>(engine));
    volumeFree = std::make_shared<int64_t>(freeBefore);
    volume = std::make_shared<models::VolumeModel>(
        [free = volumeFree]() -> std::optional<platform::VolumeCapacity> {
          return platform::VolumeCapacity{*free, 494'380'000'000};
        });
  }

  static std::string nodeModulesId() {
    return "artifact:node_modules:/fixture/home/Projects/web-app/node_modules";
  }
  static std::string targetId() { return "artifact:target:/fixture/home/Projects/engine/target"; }

  // A spread over three categories, with safe and caution rows in each.
  static std::vector<Found> defaultFinds() {
    return {{"xcode-derived-data", 18'400'000'000},
            {"xcode-device-support", 6'210'000'000},
            {"xcode-archives", 3'870'000'000},  // caution
            {"npm-cache", 2'140'000'000},
            {nodeModulesId(), 1'260'000'000},
            {targetId(), 912'000'000},  // caution
            {"chrome-cache", 1'730'000'000},
            {"slack-cache", 684'000'000},
            {"saved-app-state", 96'400'000},
            {"user-logs", 412'000'000},
            {"trash", 2'980'000'000}};
  }

  std::size_t rowCount() const { return engine->catalogRows.size() + engine->artifactRows.size(); }

  // Starts a scan and lets it list its rows; nothing is measured yet.
  void startScan() {
    model->scan();
    testing::settle();
    executor->runJob(0);  // the listing
    testing::settle();
  }
  // Finishes measurements, oldest first, until `finished` of them are done.
  void measure(std::size_t finished) {
    for (std::size_t i = 0; i < finished && executor->pending() > 0; ++i) {
      executor->runJob(0);
      testing::settle();
    }
  }
  void runToEnd() { testing::runToEnd(*executor); }
  // A whole scan: the model is then in review.
  void scan() {
    startScan();
    runToEnd();
  }
  // Starts cleaning the selection and finishes `items` of them.
  void startClean(std::size_t items = 0) {
    model->clean();
    testing::settle();
    measure(items);
  }
  void clean() {
    startClean();
    runToEnd();
  }
};

}  // namespace tidewell::probe
