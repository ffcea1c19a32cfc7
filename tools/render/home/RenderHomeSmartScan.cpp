// render-home-smartscan: the Home section from real models over scripted
// engines, held still at each moment: Home on a first run, with results
// and a reminder, without Full Disk Access; Smart Scan at each step, at
// 37 %, done (also in the smallest window), stopped, and after a run that
// found nothing.
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>

#include "design/theme/SectionPalette.h"
#include "screens/home/HomeView.h"
#include "testkit/probe/Renderer.h"
#include "testkit/scenes/ScanRig.h"

namespace tidewell::render {

// A renderer shows the screens: their names read as they do there.
using namespace screens;
namespace {

using Phase = models::SmartScanController::Phase;
using std::chrono::hours;

constexpr int64_t GB = 1'000'000'000;
constexpr int64_t MB = 1'000'000;

engine::InstalledApp app(const std::string& name, int64_t bytes, std::optional<base::TimePoint> lastUsed) {
  engine::InstalledApp a;
  a.id = "com.example." + name;
  a.name = name;
  a.url = "/Applications/" + name + ".app";
  a.sizeBytes = bytes;
  a.lastUsed = lastUsed;
  return a;
}

engine::BigItem bigItem(const std::string& name, int64_t bytes) {
  engine::BigItem item;
  item.id = item.url = "/home/sam/Downloads/" + name;
  item.name = name;
  item.location = "~/Downloads";
  item.sizeBytes = bytes;
  return item;
}

// A developer's laptop with something to find in every tool.
void scriptFindings(probe::ScanRig& rig) {
  auto& clean = *rig.cleanupEngine;
  clean.addRow("xcode-derived-data", "Xcode DerivedData", 1'480 * MB);
  clean.addRow("npm-cache", "npm cache", 612 * MB);
  clean.addRow("homebrew-downloads", "Homebrew downloads", 204 * MB);
  clean.addRow("pip-cache", "pip cache", 96 * MB);
  clean.addRow("browser-caches", "Browser caches", 388 * MB);
  clean.addRow("gradle-caches", "Gradle caches", 0);
  clean.addRow("user-logs", "User logs", 12 * MB);
  clean.addRow("trash", "Empty Trash", 640 * MB);
  const base::TimePoint now = probe::ScanRig::fixedNow();
  rig.appsEngine->installed = {
      app("Figma", 512 * MB, now - hours(24 * 3)), app("Old Game", 5'600 * MB, now - hours(24 * 140)),
      app("Unity Hub", 820 * MB, now - hours(24 * 95)), app("Editor", 312 * MB, std::nullopt)};
  rig.deepScanEngine->big = {bigItem("ubuntu-24.04-desktop-amd64.iso", 6'100 * MB),
                             bigItem("Screen Recording.mov", 2'300 * MB)};
  rig.advisorEngine->installed = {{"ios-17-5", "iOS 17.5", "21F79", 7'450 * MB, true, std::nullopt, {}}};
  rig.advisorEngine->snapshots = 3;
}

void measureDisk(probe::ScanRig& rig, int64_t freeBytes, int64_t totalBytes) {
  rig.volumeReading = platform::VolumeCapacity{freeBytes, totalBytes};
  rig.volume->refresh();
}

}  // namespace
}  // namespace tidewell::render

int main(int argc, char** argv) {
  using namespace tidewell;
  using namespace tidewell::render;
  // The reminder's date in one zone, wherever the renderer runs.
  setenv("TZ", "UTC0", 1);
  tzset();
  return probe::runRenderer(argc, argv, [](probe::Shots& shots) {
    const design::SectionPalette& green = design::SectionPalette::clean();
    // Builds a rig, lets setUp bring it to a moment, and shoots Home there.
    auto shoot = [&](const char* name, const std::function<void(probe::ScanRig&)>& setUp,
                     QSize size = probe::kDetailPaneSize) {
      probe::ScanRig rig;
      scriptFindings(rig);
      measureDisk(rig, 142 * GB, 494 * GB);
      setUp(rig);
      auto* home =
          new HomeView({rig.controller, rig.permissions, rig.volume, rig.theme, rig.settings}, rig.clock);
      shots.take(name, home, green, size);
    };

    shoot("home-first-run", [](probe::ScanRig&) {});
    shoot("home-results", [](probe::ScanRig& rig) {
      rig.controller->start();
      rig.runToEnd();
      rig.controller->reset();
      rig.settings->addFreedBytes(4'200 * MB);
      rig.settings->setLastCleanupAt(rig.clock.secondsSince1970() - 27 * 3600);
      rig.settle();
    });
    shoot("home-access-missing", [](probe::ScanRig& rig) {
      rig.access->granted = false;
      Q_EMIT rig.activation.activated();
      measureDisk(rig, 31 * GB, 494 * GB);
      rig.settings->setLastCleanupAt(rig.clock.secondsSince1970() - 4 * 86'400);
      rig.settle();
    });

    shoot("smartscan-clean-start", [](probe::ScanRig& rig) {
      rig.controller->start();
      rig.settle();
    });
    shoot("smartscan-clean", [](probe::ScanRig& rig) {
      rig.controller->start();
      rig.settle();
      for (int i = 0; i < 3; ++i) {
        rig.executor->runJob(0);
        rig.settle();
      }
    });
    shoot("smartscan-apps-37", [](probe::ScanRig& rig) {
      rig.controller->start();
      rig.runUntil(Phase::apps);
      rig.holdAppsScanAt(0.5);
    });
    shoot("smartscan-deepscan", [](probe::ScanRig& rig) {
      rig.controller->start();
      rig.runUntil(Phase::deepScan);
      rig.holdDeepScanAt(0.4);
    });
    shoot("smartscan-advisor", [](probe::ScanRig& rig) {
      rig.controller->start();
      rig.runUntil(Phase::advisor);
    });
    shoot("smartscan-done", [](probe::ScanRig& rig) {
      rig.controller->start();
      rig.runToEnd();
    });
    // The detail pane of the smallest window: 1060 x 680 less the sidebar.
    shoot("smartscan-done-smallest",
          [](probe::ScanRig& rig) {
            rig.controller->start();
            rig.runToEnd();
          },
          {1060 - 236, 680});
    shoot("smartscan-stopped", [](probe::ScanRig& rig) {
      rig.controller->start();
      rig.runUntil(Phase::deepScan);
      rig.controller->requestStop();
      rig.settle();
    });
    shoot("smartscan-all-clear", [](probe::ScanRig& rig) {
      rig.cleanupEngine->catalogRows.clear();
      rig.cleanupEngine->sizes.clear();
      rig.appsEngine->installed = {};
      rig.deepScanEngine->big = {};
      rig.advisorEngine->installed = {};
      rig.advisorEngine->snapshots = 0;
      rig.controller->start();
      rig.runToEnd();
    });
  });
}
