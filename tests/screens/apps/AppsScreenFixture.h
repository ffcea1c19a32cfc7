#pragma once
// The Apps screen over the real Apps model and a scripted engine, with the
// engine's jobs run when the test says, fake desktop seams and a fixed
// clock, on a stage standing in for the window's detail pane.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "design/theme/SectionPalette.h"
#include "screens/apps/AppsView.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/AppsScene.h"

namespace tidewell::screens::testing {

// 10 December 2026, noon UTC.
inline const base::TimePoint kNow{std::chrono::seconds{1796904000}};
inline constexpr std::chrono::hours kDay{24};

inline engine::InstalledApp installedApp(std::string name, int64_t bytes,
                                         std::optional<int> daysSinceUse = {},
                                         std::string folder = "/Applications") {
  engine::InstalledApp app;
  app.name = name;
  app.url = folder + "/" + name + ".app";
  app.id = "com.example." + name;
  app.bundleID = app.id;
  app.version = "1.0";
  app.sizeBytes = bytes;
  if (daysSinceUse) app.lastUsed = kNow - *daysSinceUse * kDay;
  return app;
}

inline engine::LeftoverFile leftoverFile(std::string id, std::string path, std::string category,
                                         int64_t bytes) {
  return {std::move(id), std::move(path), std::move(category), bytes, std::nullopt};
}

struct AppsScreenFixture : ::testing::Test {
  probe::AppsScene scene{kNow};
  std::shared_ptr<models::ManualExecutor> executor = scene.executor;
  std::shared_ptr<tidewell::testing::ScriptedAppsEngine> engine = scene.engine;
  std::shared_ptr<models::AppsViewModel> model = scene.model;
  probe::FakeServices& fakes = scene.fakes;
  std::unique_ptr<probe::Stage> stage;
  AppsView* view = nullptr;

  void SetUp() override { probe::prepare(); }
  void TearDown() override {
    stage.reset();
    probe::settle();
  }

  // Builds the screen (again) on a fresh stage, shown.
  void showScreen(QSize size = {900, 740}) {
    stage.reset();
    probe::settle();
    view = scene.makeView();
    stage = std::make_unique<probe::Stage>(view, design::SectionPalette::apps(), size);
    stage->show();
    probe::settle();
  }
  void runToEnd() { scene.runToEnd(); }
  // Scans to the list with the scripted applications, on screen.
  void scanned() {
    scene.scanToEnd();
    if (!stage) showScreen();
  }
  template <typename T = QWidget>
  T* find(const QString& name, const QString& key = {}) const {
    return probe::find<T>(stage.get(), name, key);
  }
};

}  // namespace tidewell::screens::testing
