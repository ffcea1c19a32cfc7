// render-advisor: the Advisor screen from the real model over a scripted
// engine: the intro, the scan, nothing found (what a machine without the
// Simulator, Time Machine or Docker shows), all four findings, a runtime
// being deleted, the question before it, and an outcome's banner.
#include "screens/advisor/AdvisorView.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/AdvisorScene.h"

namespace tidewell::render {

// A renderer shows the screens: their names read as they do there.
using namespace screens;
namespace {

using engine::AdvisorService;
using namespace std::chrono_literals;

constexpr std::chrono::system_clock::time_point kNow{std::chrono::seconds{1796904000}};

AdvisorService::SimRuntime runtime(std::string version, std::string build, int64_t bytes,
                                   std::vector<std::string> devices, std::optional<std::chrono::hours> ago,
                                   bool deletable = true) {
  AdvisorService::SimRuntime r;
  r.id = "com.apple.CoreSimulator.SimRuntime.iOS-" + version;
  r.name = "iOS " + version;
  for (char& c : r.name)
    if (c == '-') c = '.';
  r.build = build;
  r.sizeBytes = bytes;
  r.deletable = deletable;
  if (ago) r.lastUsed = kNow - *ago;
  r.deviceNames = std::move(devices);
  return r;
}

void scriptFindings(testing::ScriptedAdvisorEngine& engine) {
  engine.installed = {
      runtime("17-4", "21E213", 7'630'000'000,
              {"iPhone 15", "iPhone 15 Pro", "iPhone 15 Pro Max", "iPad Air (5th generation)", "iPad mini"},
              3 * 24h),
      runtime("16-4", "20E247", 5'910'000'000, {"iPhone 14"}, 24h * 95),
      runtime("15-5", "19F70", 4'420'000'000, {}, std::nullopt, /*deletable=*/false),
  };
  engine.unavailable = 3;
  engine.snapshots = 1;
  engine.dockerBytes = 64'000'000'000;
}

struct Scene : probe::AdvisorScene {
  explicit Scene(bool findings) : probe::AdvisorScene(kNow) {
    if (findings) scriptFindings(*engine);
  }
};

void renderAll(probe::Shots& shots) {
  const auto accent = design::SectionPalette::advisor();
  {
    Scene scene(true);
    shots.take("advisor-idle", scene.makeView(), accent, probe::kDetailPaneSize);
  }
  {
    Scene scene(true);
    scene.model->scan();  // its gathering stays queued
    shots.take("advisor-scanning", scene.makeView(), accent, probe::kDetailPaneSize);
  }
  {
    Scene scene(false);
    scene.scanToEnd();
    shots.take("advisor-all-good", scene.makeView(), accent, probe::kDetailPaneSize);
  }
  {
    Scene scene(true);
    scene.scanToEnd();
    shots.take("advisor-findings", scene.makeView(), accent, probe::kDetailPaneSize);
    shots.take("advisor-findings-wide", scene.makeView(), accent, {1400, 900});
  }
  {
    Scene scene(true);
    scene.scanToEnd();
    screens::AdvisorView* view = scene.makeView();
    probe::Stage stage(view, accent, probe::kDetailPaneSize);
    stage.image(1);
    const QString id = QString::fromStdString(scene.engine->installed[1].id);
    probe::click(probe::find(probe::find(&stage, "runtimeRow", id), "actionButton"));
    if (screens::ConfirmAlert* question = view->deleteQuestion()) {
      shots.save("advisor-confirm", stage.imageWithDialog(question));
      probe::click(probe::find(question, "alertConfirm"));
    }
    // The deletion is asked of the tool; its answer waits.
    shots.take("advisor-busy", stage);
    scene.runToEnd();
    shots.take("advisor-banner", stage);
  }
  {
    Scene scene(true);
    scene.engine->thinSucceeds = false;
    scene.scanToEnd();
    probe::Stage stage(scene.makeView(), accent, probe::kDetailPaneSize);
    stage.image(1);
    probe::click(probe::find(probe::find(&stage, "thinSnapshotsButton"), "actionButton"));
    scene.runToEnd();
    shots.take("advisor-banner-failure", stage);
  }
}

}  // namespace
}  // namespace tidewell::render

int main(int argc, char** argv) {
  return tidewell::probe::runRenderer(argc, argv, tidewell::render::renderAll);
}
