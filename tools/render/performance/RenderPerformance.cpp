// render-performance: the Performance screen from the real model over a
// scripted engine: the intro, the scan, the memory and startup panels, a
// quit under way and a refused quit's banner.
#include "screens/common/controls/SegmentedControl.h"
#include "screens/performance/PerformanceView.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/PerformanceScene.h"

namespace tidewell::render {

// A renderer shows the screens: their names read as they do there.
using namespace screens;
namespace {

using std::chrono::system_clock;

engine::RunningApp app(int32_t pid, std::string name, int64_t bytes, std::string entry) {
  return {pid,   std::move(name),     entry, "/usr/share/applications/" + entry + ".desktop",
          bytes, 1000 + uint64_t(pid)};
}

engine::LoginItem login(std::string id, std::string label, std::string program, std::string scope) {
  return {std::move(id), label, std::move(program), "/home/tester/.config/autostart/" + label + ".desktop",
          std::move(scope)};
}

void script(testing::ScriptedPerformanceEngine& engine) {
  engine.apps = {
      app(4120, "Firefox", 2'480'000'000, "firefox-esr"),
      app(3011, "Visual Studio Code", 1'310'000'000, "code"),
      app(5230, "Slack", 842'000'000, "slack"),
      app(2877, "Thunderbird", 512'000'000, "thunderbird"),
      app(6001, "Files", 188'000'000, "org.gnome.Nautilus"),
      app(6100, "Terminal", 96'400'000, "org.gnome.Terminal"),
      app(6230, "Helper Without Footprint", 0, "helper"),
  };
  engine.logins = {
      login("a", "com.docker.helper",
            "/Applications/Docker.app/Contents/Library/LaunchServices/com.docker.vmnetd", "System"),
      login("b", "com.dropbox.DropboxMacUpdate.agent",
            "/Library/Application Support/Dropbox/DropboxMacUpdate.app/Contents/MacOS/DropboxMacUpdate",
            "You"),
      login(
          "c", "com.google.keystone.agent",
          "/Users/tester/Library/Google/GoogleSoftwareUpdate/GoogleSoftwareUpdate"
          ".bundle/Contents/Resources/GoogleSoftwareUpdateAgent.app/Contents/MacOS/GoogleSoftwareUpdateAgent",
          "You"),
      login("d", "org.example.no-program", "\u2014", "System"),
  };
  engine.memory = {11'300'000'000, 16'000'000'000};
}

struct Scene : probe::PerformanceScene {
  Scene() : probe::PerformanceScene(system_clock::time_point{std::chrono::seconds{1796904000}}) {
    script(*engine);
  }
};

void renderAll(probe::Shots& shots) {
  const auto accent = design::SectionPalette::performance();
  {
    Scene scene;
    shots.take("performance-idle", scene.makeView(), accent, probe::kDetailPaneSize);
  }
  {
    Scene scene;
    scene.model->scan();  // its reading stays queued
    shots.take("performance-scanning", scene.makeView(), accent, probe::kDetailPaneSize);
  }
  {
    Scene scene;
    scene.scanToEnd();
    probe::Stage stage(scene.makeView(), accent, probe::kDetailPaneSize);
    shots.take("performance-memory", stage);
    probe::hover(probe::find(&stage, "appMemoryRow", "3011"), true);
    shots.take("performance-memory-hover", stage);
    probe::hover(probe::find(&stage, "appMemoryRow", "3011"), false);

    auto* picker = probe::find<screens::SegmentedControl>(&stage, "panelPicker");
    probe::click(picker, picker->segmentRect(1).center());
    shots.take("performance-startup", stage);
  }
  {
    Scene scene;
    scene.engine->answers[3011] = models::PerformanceEngine::QuitAnswer::refused;
    scene.scanToEnd();
    probe::Stage stage(scene.makeView(), accent, probe::kDetailPaneSize);
    stage.image(1);
    auto quit = [&](const char* pid) {
      probe::click(probe::find(probe::find(&stage, "appMemoryRow", pid), "quitButton"));
    };
    // Slack asked: the request is answered, the refresh still waits.
    quit("5230");
    scene.runNext();
    shots.take("performance-quitting", stage);
    // Visual Studio Code refuses, after the refreshes.
    scene.runToEnd();
    quit("3011");
    scene.runToEnd();
    shots.take("performance-banner", stage);
  }
  {
    // Nothing read: no applications, no memory figures.
    Scene scene;
    scene.engine->apps.clear();
    scene.engine->memory = {0, 0};
    scene.scanToEnd();
    shots.take("performance-empty", scene.makeView(), accent, probe::kDetailPaneSize);
  }
}

}  // namespace
}  // namespace tidewell::render

int main(int argc, char** argv) {
  return tidewell::probe::runRenderer(argc, argv, tidewell::render::renderAll);
}
