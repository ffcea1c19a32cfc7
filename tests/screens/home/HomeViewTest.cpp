#include "screens/home/HomeView.h"

#include <gtest/gtest.h>

#include <QAccessibleValueInterface>
#include <chrono>
#include <limits>
#include <vector>

#include "design/components/Donut.h"
#include "design/motion/AnimationClock.h"
#include "screens/common/views/Entrance.h"
#include "screens/home/HomePage.h"
#include "screens/home/ToolTile.h"
#include "screens/smartscan/SmartScanPage.h"
#include "testkit/listener/AccessibleEventLog.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/ScanRig.h"
#include "testkit/support/TimeFixtures.h"
#include "tests/screens/common/ReadableScreen.h"
#include "tests/screens/smartscan/MovingMotion.h"

namespace tidewell::screens {
namespace {

using Phase = models::SmartScanController::Phase;

constexpr int64_t MB = 1'000'000;
constexpr int64_t GB = 1'000'000'000;

TEST(HomeView, EveryPhaseShowsItsPage) {
  const std::pair<Phase, HomeViewPage> table[] = {
      {Phase::idle, HomeViewPage::home},         {Phase::clean, HomeViewPage::smartScan},
      {Phase::apps, HomeViewPage::smartScan},    {Phase::deepScan, HomeViewPage::smartScan},
      {Phase::advisor, HomeViewPage::smartScan}, {Phase::done, HomeViewPage::smartScan},
  };
  for (const auto& [phase, page] : table) EXPECT_EQ(homeViewPageOf(phase), page) << int(phase);
}

// Home over a scripted rig on a stand-in detail pane, with every section
// it asks to show recorded.
struct Home {
  Home() {
    probe::prepare();
    rig.cleanupEngine->addRow("derived-data", "Xcode DerivedData", 1'500 * MB);
    engine::InstalledApp app;
    app.name = "Editor";
    app.url = "/Applications/Editor.app";
    app.sizeBytes = 300 * MB;
    rig.appsEngine->installed = {app};
    engine::BigItem big;
    big.id = big.url = "/home/sam/disk.iso";
    big.name = "disk.iso";
    big.sizeBytes = 4 * GB;
    rig.deepScanEngine->big = {big};
    rig.volumeReading = platform::VolumeCapacity{142 * GB, 494 * GB};
    rig.volume->refresh();
    view = new HomeView({rig.controller, rig.permissions, rig.volume, rig.theme, rig.settings}, rig.clock);
    QObject::connect(view, &HomeView::toolRequested, view, [this](ScanTool tool) { shown.push_back(tool); });
    stage = std::make_unique<probe::Stage>(view, design::SectionPalette::clean(), probe::kDetailPaneSize);
    stage->show();
    rig.settle();
  }

  QString text(const char* name) { return probe::textOf(probe::find(stage.get(), name)); }
  QString tile(ScanTool tool) {
    return probe::find<ToolTile>(stage.get(), "toolTile", scanToolTitle(tool))->status();
  }
  std::vector<QString> tiles() {
    std::vector<QString> out;
    for (ScanTool tool : allScanTools) out.push_back(tile(tool));
    return out;
  }
  bool shows(const char* name) { return probe::isShown(probe::find(stage.get(), name)); }

  probe::ScanRig rig;
  HomeView* view;
  std::unique_ptr<probe::Stage> stage;
  std::vector<ScanTool> shown;
};

TEST(HomeView, AFirstRunPage) {
  Home h;
  EXPECT_EQ(h.view->body()->objectName(), "homePage");
  EXPECT_EQ(probe::find(h.stage.get(), "header")->property("title").toString(), "Overview");
  EXPECT_EQ(h.text("freeSize"), "142 GB");
  EXPECT_EQ(h.text("wonBack"), "First scan = first win. Try it.");
  EXPECT_EQ(h.text("usedValue"), "352 GB");
  EXPECT_EQ(h.text("totalValue"), "494 GB");
  EXPECT_FALSE(h.shows("readyValue"));
  EXPECT_EQ(h.text("usedPercent"), "71%");
  EXPECT_NEAR(probe::find<design::Donut>(h.stage.get(), "usedDonut")->used(), 352.0 / 494, 1e-9);
  EXPECT_EQ(h.text("healthBadge"), "Filling up");
  EXPECT_EQ(h.tiles(),
            (std::vector<QString>{"Scan Now", "See Your Apps", "Find the Big Stuff", "Free Wins"}));
  EXPECT_EQ(h.text("lastCleanup"), "No cleanups yet");
  EXPECT_EQ(h.text("scanReminder"), "Run your first scan today");
}

TEST(HomeView, ScanMyMacStartsSmartScanAndHomeBringsThePageBackWithTheResults) {
  Home h;
  ASSERT_TRUE(probe::click(probe::find(h.stage.get(), "scanButton")));
  EXPECT_EQ(h.rig.controller->phase(), Phase::clean);
  EXPECT_EQ(h.view->body()->objectName(), "smartScanView");
  EXPECT_EQ(h.text("headline"), "Looking for junk…");
  // A second press in the same run changes nothing.
  h.rig.controller->start();
  EXPECT_EQ(h.rig.controller->runID(), 1);
  h.rig.runToEnd();
  EXPECT_EQ(h.text("headline"), "All scanned.");
  ASSERT_TRUE(probe::click(probe::find(h.stage.get(), "homeButton")));
  h.rig.settle();
  EXPECT_EQ(h.rig.controller->phase(), Phase::idle);
  EXPECT_EQ(h.view->body()->objectName(), "homePage");
  EXPECT_EQ(h.tiles(),
            (std::vector<QString>{"1.5 GB found", "1 apps · 300 MB", "4 GB in big items", "All clear"}));
  EXPECT_TRUE(h.shows("readyValue"));
  EXPECT_EQ(h.text("readyValue"), "1.5 GB");
}

TEST(HomeView, StoppingTheRunFromHomeKeepsTheStoppedScreenUntilHome) {
  Home h;
  probe::click(probe::find(h.stage.get(), "scanButton"));
  ASSERT_TRUE(h.rig.runUntil(Phase::apps));
  ASSERT_TRUE(probe::click(probe::find(h.stage.get(), "stopButton")));
  EXPECT_EQ(h.rig.controller->phase(), Phase::done);
  EXPECT_EQ(h.view->body()->objectName(), "smartScanView");
  EXPECT_EQ(h.text("headline"), "Scan stopped");
  // The Apps scan under way still finishes; nothing after it starts.
  h.rig.runToEnd();
  EXPECT_EQ(h.rig.deepScan->phase(), models::DeepScanViewModel::Phase::idle);
  EXPECT_EQ(h.view->body()->objectName(), "smartScanView");
}

TEST(HomeView, ATileOrAFinishedCardOpensItsTool) {
  Home h;
  for (ScanTool tool : allScanTools)
    probe::click(probe::find<ToolTile>(h.stage.get(), "toolTile", scanToolTitle(tool)));
  // A click on the tile's text or its strip counts as well.
  probe::click(probe::find(probe::find<ToolTile>(h.stage.get(), "toolTile", "Apps"), "tileStatus"));
  EXPECT_EQ(h.shown, (std::vector<ScanTool>{ScanTool::clean, ScanTool::apps, ScanTool::deepScan,
                                            ScanTool::advisor, ScanTool::apps}));
  h.shown.clear();
  h.rig.controller->start();
  h.rig.runToEnd();
  probe::click(probe::find(h.stage.get(), "toolCard", "Deep Scan"));
  EXPECT_EQ(h.shown, (std::vector<ScanTool>{ScanTool::deepScan}));
  EXPECT_EQ(h.rig.controller->phase(), Phase::done);  // still there when the user comes back
}

TEST(HomeView, TheAccessBannerFollowsThePermissionsModel) {
  Home h;
  EXPECT_FALSE(h.shows("accessBanner"));  // granted, as on Linux
  h.rig.access->granted = false;
  Q_EMIT h.rig.activation.activated();
  h.rig.settle();
  ASSERT_TRUE(h.shows("accessBanner"));
  EXPECT_EQ(h.text("accessTitle"), "Turn on Full Disk Access");
  probe::click(probe::find(h.stage.get(), "openSettingsButton"));
  EXPECT_EQ(h.rig.access->settingsOpened, 1);
  probe::click(probe::find(h.stage.get(), "revealAppButton"));
  EXPECT_EQ(h.rig.revealed, QStringList{"/opt/tidewell/tidewell-mac"});
  // Granted in the settings; back in the app the banner is gone.
  h.rig.access->granted = true;
  Q_EMIT h.rig.activation.activated();
  h.rig.settle();
  EXPECT_FALSE(h.shows("accessBanner"));
}

TEST(HomeView, TheTotalAndTheReminderFollowTheSettingsWithAFixedClock) {
  testing::ScopedTimeZone zone(testing::kUtc);
  Home h;  // the clock stands at 2026-05-20 16:00 UTC
  const double now = h.rig.clock.secondsSince1970();
  h.rig.settings->addFreedBytes(1);
  EXPECT_EQ(h.text("wonBack"), "1 byte won back with Tidewell Mac");
  h.rig.settings->setLastCleanupAt(now - 600);
  EXPECT_EQ(h.text("lastCleanup"), "Last cleanup: Today at 3:50 PM");
  EXPECT_EQ(h.text("scanReminder"), "Next scan in about 3 days");
  h.rig.settings->setLastCleanupAt(now - 2 * 86'400 - 1);
  EXPECT_EQ(h.text("lastCleanup"), "Last cleanup: May 18, 2026 at 3:59 PM");
  EXPECT_EQ(h.text("scanReminder"), "Next scan in about 1 day");
  // Stored values that cannot be a cleanup read as none.
  for (double wild : {now + 200 * 365.25 * 86'400, std::numeric_limits<double>::infinity(),
                      std::numeric_limits<double>::quiet_NaN(), -1.0}) {
    h.rig.settings->setValue(models::SettingsStore::lastCleanupAtKey, wild);
    EXPECT_EQ(h.text("lastCleanup"), "No cleanups yet") << wild;
    EXPECT_EQ(h.text("scanReminder"), "Run your first scan today") << wild;
  }
}

TEST(HomeView, ThePageFadesBackInOverAThirdOfASecond) {
  testing::MovingMotion motion;
  Home h;
  h.rig.controller->start();
  h.rig.runToEnd();
  auto* scan = h.view->body();
  ASSERT_NE(scan->findChild<Entrance*>(QString(), Qt::FindDirectChildrenOnly), nullptr);
  motion.advance(0.5);
  probe::click(probe::find(h.stage.get(), "homeButton"));
  h.rig.settle();
  auto* entrance = h.view->body()->findChild<Entrance*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_NE(entrance, nullptr);
  motion.advance(0.2);
  EXPECT_FALSE(entrance->isFinished());
  motion.advance(0.2);
  EXPECT_TRUE(entrance->isFinished());
}

TEST(HomeView, HomeAndItsSmartScanReadByWhatTheyShowInEveryState) {
  struct State {
    const char* name;
    std::function<void(Home&)> reach;
    std::vector<std::string> expected;
  };
  const std::vector<State> states = {
      {"first run",
       [](Home&) {},
       {R"(Heading "Overview")", R"(StaticText "Filling up")", R"(Button "Scan My Mac")",
        R"(StaticText "142 GB")", R"(ProgressBar "used" = 71%)", R"(Button "Clean, Scan Now")",
        R"(Button "Apps, See Your Apps")", R"(Button "Deep Scan, Find the Big Stuff")",
        R"(Button "Advisor, Free Wins")", R"(StaticText "No cleanups yet")"}},
      {"access missing",
       [](Home& h) {
         h.rig.access->granted = false;
         Q_EMIT h.rig.activation.activated();
         h.rig.settle();
       },
       {R"(StaticText "Turn on Full Disk Access")"}},
      {"smart scan under way",
       [](Home& h) { probe::click(probe::find(h.stage.get(), "scanButton")); },
       {R"(StaticText "Looking for junk…")", R"(Button "Stop")"}},
      {"smart scan done",
       [](Home& h) {
         probe::click(probe::find(h.stage.get(), "scanButton"));
         h.rig.runToEnd();
       },
       {R"(AlertMessage "All scanned.")", R"(StaticText "All scanned.")", R"(Button "Deep Scan, 4 GB, done")",
        R"(ProgressBar "All scanned." = 100%)"}},
  };
  for (const State& state : states) {
    SCOPED_TRACE(state.name);
    Home h;
    state.reach(h);
    testing::expectReadable(h.stage.get(), state.expected);
  }
}

TEST(HomeView, TheDonutReadsAsThePercentShownInItAndSaysSoWhenItChanges) {
  Home h;
  testing::AccessibleEventLog log;
  struct Case {
    int64_t freeBytes;  // of 1000
    const char* shown;
    int value;
  };
  const Case cases[] = {{265, "73%", 73}, {871, "12%", 12}, {1, "99%", 99}, {1000, "0%", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    h.rig.volumeReading = platform::VolumeCapacity{c.freeBytes, 1000};
    h.rig.volume->refresh();
    h.rig.settle();
    design::AnimationClock::shared().advance(1);
    EXPECT_EQ(h.text("usedPercent"), c.shown);
    QWidget* donut = probe::find(h.stage.get(), "usedDonut");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(donut);
    EXPECT_EQ(iface->text(QAccessible::Name), "used");
    EXPECT_EQ(iface->text(QAccessible::Value), c.shown);
    ASSERT_NE(iface->valueInterface(), nullptr);
    EXPECT_EQ(iface->valueInterface()->currentValue().toInt(), c.value);
    const std::vector<testing::HeardEvent> heard = log.of(QAccessible::ValueChanged, donut);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().value.toInt(), c.value);
    EXPECT_EQ(heard.back().valueText, c.shown);
  }
}

TEST(HomeView, TheToolTilesTakeTheFocusAndOpenTheirToolOnSpaceAndReturn) {
  Home h;
  for (ScanTool tool : allScanTools) {
    auto* tile = probe::find<ToolTile>(h.stage.get(), "toolTile", scanToolTitle(tool));
    EXPECT_TRUE(probe::tabOrder(h.stage.get()).contains(tile)) << scanToolTitle(tool).toStdString();
    tile->setFocus(Qt::TabFocusReason);
    probe::pressKey(tile, Qt::Key_Space);
    probe::pressKey(tile, Qt::Key_Return);
  }
  EXPECT_EQ(h.shown, (std::vector<ScanTool>{ScanTool::clean, ScanTool::clean, ScanTool::apps, ScanTool::apps,
                                            ScanTool::deepScan, ScanTool::deepScan, ScanTool::advisor,
                                            ScanTool::advisor}));
}

}  // namespace
}  // namespace tidewell::screens
