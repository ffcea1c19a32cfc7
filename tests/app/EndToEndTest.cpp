// The whole application over a fixture home, with real engines on a real
// thread pool: a second launch hands over "tidewellmac://scan", and the
// running instance's window runs a Smart Scan to its end.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "app/AppBridge.h"
#include "app/MainWindow.h"
#include "app/ShellOptions.h"
#include "app/TidewellMacApp.h"
#include "app/firstrun/IntroPlayer.h"
#include "app/root/ContentView.h"
#include "models/SettingsStore.h"
#include "models/ThreadPoolExecutor.h"
#include "models/apps/AppsViewModel.h"
#include "models/clean/CleanupViewModel.h"
#include "models/deepscan/DeepScanViewModel.h"
#include "models/smartscan/SmartScanController.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/support/EventWait.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::app {
namespace {

using testing::file;
using testing::folder;

TEST(Application, ASecondLaunchsScanLinkRunsSmartScanToTheEndInTheRunningInstance) {
  testing::FixtureHome home{
      file(".npm/_cacache/content-v2/sha512/aa", 40'000),
      file("Downloads/big.iso", 6'000'000),
      file("Documents/keep.txt", 5'000),
  };
  home.addOutside({folder("system/Applications/Tool.app/Contents")});
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  auto settings = models::SettingsStore::atFile(dir.filePath("settings.ini"));
  settings->setHasOnboarded(true);
  const ProcessServices process = ProcessServices::forContext(
      home.context(), {std::make_shared<models::ThreadPoolExecutor>(4), settings, models::Clock::system()});

  AppBridge bridge;
  probe::FakeServices fakes;
  TidewellMacApp::Options options = shellOptions(bridge, process, [&](ContentView::Context& context) {
    context.services = fakes.services();
    context.introPlayer = [] { return std::unique_ptr<IntroPlayer>(); };
  });
  options.socketPath = dir.filePath("instance.socket");
  options.statusItem = false;
  TidewellMacApp application(bridge, std::move(options));
  ASSERT_TRUE(application.claimInstance(LaunchRequest::reopen()));
  application.launch(LaunchRequest::reopen());

  auto* content = qobject_cast<ContentView*>(application.mainWindow()->content());
  ASSERT_NE(content, nullptr);
  content->setSection(Section::advisor);
  const auto smartScan = content->models().smartScan;
  EXPECT_EQ(smartScan->phase(), models::SmartScanController::Phase::idle);

  SingleInstance second(dir.filePath("instance.socket"));
  ASSERT_EQ(second.start(LaunchRequest::openLink("tidewellmac://scan")), SingleInstance::Role::Secondary);
  ASSERT_TRUE(
      testing::waitUntil([&] { return smartScan->phase() == models::SmartScanController::Phase::done; },
                         std::chrono::seconds(60)));

  EXPECT_EQ(content->section(), Section::home);
  EXPECT_EQ(smartScan->runID(), 1);
  EXPECT_EQ(content->models().cleanup->phase(), models::CleanupViewModel::Phase::review);
  EXPECT_GT(content->models().cleanup->totalBytes(), 0);
  EXPECT_EQ(content->models().apps->phase(), models::AppsViewModel::Phase::list);
  // Nothing is deleted by a Smart Scan.
  EXPECT_TRUE(testing::exists(home.path(".npm/_cacache/content-v2/sha512/aa")));
  EXPECT_TRUE(testing::exists(home.path("Documents/keep.txt")));
  EXPECT_EQ(settings->totalFreedBytes(), 0);
}

}  // namespace
}  // namespace tidewell::app
