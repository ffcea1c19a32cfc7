#pragma once
// A main window's content over a small fixture home: the production engine
// seams with the fixture's context, a manual executor the test runs, a
// settings file in a temporary folder, a theme whose volume readings are
// counted, and fakes for the desktop. Jobs still queued when the test ends
// are run, so no operation is left hanging.

#include <gtest/gtest.h>

#include <memory>

#include "app/AppBridge.h"
#include "app/firstrun/IntroPlayer.h"
#include "app/root/ContentView.h"
#include "app/root/WindowModels.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::app::testing {

class WindowFixture : public ::testing::Test {
 protected:
  WindowFixture() {
    harness.settings->setHasOnboarded(true);
    process = ProcessServices::forContext(home.context(), harness.services());
    process.readVolume = [this]() -> std::optional<platform::VolumeCapacity> {
      ++volumeReads;
      return platform::VolumeCapacity{400'000'000, 1'000'000'000};
    };
  }
  ~WindowFixture() override {
    view.reset();
    tidewell::testing::runToEnd(*harness.executor);
  }

  ContentView& open(bool hasDevTools = false) {
    ContentView::Context context;
    context.settings = harness.settings;
    context.hasDevTools = hasDevTools;
    context.services = fakes.services();
    context.models = WindowModels::create(process, {});
    if (adjustModels) adjustModels(context.models);
    context.introPlayer = introPlayer;
    context.introWarmUp = introWarmUp;
    context.open = [](const QUrl&) {};
    view = std::make_unique<ContentView>(bridge, std::move(context));
    view->resize(1120, 740);
    return *view;
  }
  // How many Smart Scans were started.
  int64_t smartScans() const { return view->models().smartScan->runID(); }
  void runJobs() { tidewell::testing::runToEnd(*harness.executor); }

  tidewell::testing::FixtureHome home{
      tidewell::testing::file(".npm/_cacache/content-v2/sha512/aa", 40'000),  // a safe catalog row
      tidewell::testing::file("Documents/keep.txt", 5'000),                   // nobody's to clean
  };
  tidewell::testing::ModelHarness harness;
  probe::FakeServices fakes;
  ProcessServices process;
  AppBridge bridge;
  // The intro's player (none: no video) and what runs before it is made.
  IntroRevealView::PlayerFactory introPlayer = [] { return std::unique_ptr<IntroPlayer>(); };
  std::function<void()> introWarmUp;
  // Swaps models for ones over scripted engines before the window is made.
  std::function<void(WindowModels&)> adjustModels;
  int volumeReads = 0;
  std::unique_ptr<ContentView> view;
};

}  // namespace tidewell::app::testing
