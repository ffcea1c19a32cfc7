// render-devmode: the Dev Mode screen idle, scanning, in review (a group
// opened with a mixed pick, the models group, nothing found), cleaning and
// done with and without items left behind. The real model runs over a
// scripted engine; a manual executor holds the scan and the clean where a
// state needs them held.
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "design/theme/SectionPalette.h"
#include "engine/clean/CleanupTarget.h"
#include "engine/deepscan/BigItemScanner.h"
#include "models/ManualExecutor.h"
#include "models/SettingsStore.h"
#include "models/devmode/DevModeViewModel.h"
#include "screens/devmode/DevModeView.h"
#include "testkit/fakes/ScriptedCleanupEngine.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"

namespace tidewell::render {

// A renderer shows the screens: their names read as they do there.
using namespace screens;
namespace {

using engine::CleanupTarget;
using models::DevModeViewModel;

constexpr int64_t GB = 1'000'000'000;
constexpr int64_t MB = 1'000'000;

// Sizes of a developer's Mac: Xcode, Node and Python heavy, a few AI caches.
std::shared_ptr<testing::ScriptedCleanupEngine> developersMac() {
  auto fake = std::make_shared<testing::ScriptedCleanupEngine>();
  const auto ctx = platform::EngineContext::forFixture("/render");
  fake->catalogRows = CleanupTarget::catalog(ctx);
  for (const char* path : {"Projects/shop/web", "Projects/blog"})
    fake->artifactRows.push_back(
        engine::BigItemScanner::artifactTarget("node_modules", ctx.home + "/" + path + "/node_modules", ctx));
  fake->artifactRows.push_back(
      engine::BigItemScanner::artifactTarget("target", ctx.home + "/Projects/engine/target", ctx));
  fake->artifactRows.push_back(
      engine::BigItemScanner::artifactTarget(".venv", ctx.home + "/Projects/notebooks/.venv", ctx));
  fake->sizes = {
      {"xcode-derived-data", 18'400 * MB},
      {"xcode-device-support", 6'120 * MB},
      {"coresimulator-caches", 2'310 * MB},
      {"xcode-archives", 4'870 * MB},
      {"xcode-caches", 512 * MB},
      {"npm-cache", 3'260 * MB},
      {"yarn-cache", 1'180 * MB},
      {"pnpm-store", 2'050 * MB},
      {"playwright-browsers", 1'640 * MB},
      {"pip-cache", 880 * MB},
      {"uv-cache", 410 * MB},
      {"gradle-caches", 5'300 * MB},
      {"cargo-cache", 1'720 * MB},
      {"go-build-cache", 940 * MB},
      {"homebrew-cache", 2'210 * MB},
      {"cli-tool-caches", 730 * MB},
      {"editor-app-caches", 1'090 * MB},
      {"claude-vm-bundles", 8'600 * MB},
      {"hf-hub-cache", 14'200 * MB},
      {"torch-hub-cache", 2'600 * MB},
      {"artifact:node_modules:/render/home/Projects/shop/web/node_modules", 912 * MB},
      {"artifact:node_modules:/render/home/Projects/blog/node_modules", 386 * MB},
      {"artifact:target:/render/home/Projects/engine/target", 3'050 * MB},
      {"artifact:.venv:/render/home/Projects/notebooks/.venv", 1'240 * MB},
  };
  fake->stores = {
      {"/render/home/.ollama/models", "Ollama models", 21 * GB + 400 * MB, "/render/home/.ollama/models",
       "Local LLM weights pulled with ollama pull. Remove unused ones with ollama rm."},
      {"/render/home/.lmstudio/models", "LM Studio models", 9 * GB + 800 * MB,
       "/render/home/.lmstudio/models",
       "Models downloaded in LM Studio. Delete the ones you no longer chat with from its My Models tab."},
  };
  return fake;
}

struct Scene {
  QTemporaryDir dir;
  std::shared_ptr<models::ManualExecutor> executor = std::make_shared<models::ManualExecutor>();
  std::shared_ptr<testing::ScriptedCleanupEngine> engine;
  std::shared_ptr<DevModeViewModel> model;
  probe::FakeServices fakes;

  explicit Scene(std::shared_ptr<testing::ScriptedCleanupEngine> scripted) : engine(std::move(scripted)) {
    models::ModelServices services{executor, models::SettingsStore::atFile(dir.filePath("settings.ini")),
                                   models::Clock::system()};
    model = std::make_shared<DevModeViewModel>(services, engine);
  }

  void runAll() {
    probe::settle();
    while (executor->pending() > 0) {
      executor->runAll();
      probe::settle();
    }
  }
  // Runs jobs one at a time until progress reaches fraction.
  void scanUntil(double fraction) {
    (void)model->scan();
    probe::settle();
    while (model->scanProgress() < fraction && executor->pending() > 0) {
      executor->runJob();
      probe::settle();
    }
  }
  void scan() {
    (void)model->scan();
    runAll();
  }

  DevModeView* view(std::optional<std::string> viewing = std::nullopt) {
    auto* screen = new DevModeView(model, fakes.services());
    if (viewing) screen->view(*viewing);
    return screen;
  }
};

void render(probe::Shots& shots) {
  const auto& accent = design::SectionPalette::devMode();
  const QSize size = probe::kDetailPaneSize;

  Scene mac(developersMac());
  shots.take("devmode-idle", mac.view(), accent, size);
  mac.scanUntil(0.37);
  shots.take("devmode-scanning", mac.view(), accent, size);
  mac.runAll();
  // Xcode holds a caution row, unpicked at first: a mixed box and a "review" badge.
  shots.take("devmode-review", mac.view("Xcode"), accent, size);
  shots.take("devmode-review-models", mac.view("__models__"), accent, size);

  mac.engine->results["claude-vm-bundles"] = {6'100 * MB, "Claude Code VM images"};
  mac.engine->results["npm-cache"] = {0, "npm cache"};
  mac.model->selectAll(true);
  (void)mac.model->clean();
  probe::settle();
  mac.executor->runJob();
  probe::settle();
  shots.take("devmode-cleaning", mac.view(), accent, size);
  mac.runAll();
  shots.take("devmode-done-failures", mac.view(), accent, size);

  Scene clean(developersMac());
  clean.scan();
  (void)clean.model->clean();
  clean.runAll();
  shots.take("devmode-done", clean.view(), accent, size);

  Scene empty(std::make_shared<testing::ScriptedCleanupEngine>());
  empty.scan();
  shots.take("devmode-review-empty", empty.view(), accent, size);
}

}  // namespace
}  // namespace tidewell::render

int main(int argc, char** argv) { return tidewell::probe::runRenderer(argc, argv, tidewell::render::render); }
