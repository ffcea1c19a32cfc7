#include "screens/performance/PerformanceView.h"

#include <gtest/gtest.h>

#include <QAccessibleValueInterface>
#include <QApplication>

#include "design/components/GradientBar.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/controls/SegmentedControl.h"
#include "screens/common/views/AppIconView.h"
#include "screens/performance/AppMemoryRow.h"
#include "screens/performance/LoginItemRow.h"
#include "testkit/listener/AccessibleEventLog.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/PerformanceScene.h"
#include "tests/screens/common/ReadableScreen.h"

namespace tidewell::screens {
namespace {

using Answer = models::PerformanceEngine::QuitAnswer;
constexpr std::chrono::system_clock::time_point kNow{std::chrono::seconds{1796904000}};

engine::RunningApp app(int32_t pid, std::string name, int64_t bytes, std::optional<std::string> url = {}) {
  return {pid, std::move(name), std::nullopt, std::move(url), bytes, uint64_t(pid) * 10};
}

engine::LoginItem login(std::string id, std::string label, std::string scope) {
  return {id, label, "/usr/bin/" + label, "/home/tester/.config/autostart/" + label + ".desktop",
          std::move(scope)};
}

struct Screen {
  probe::PerformanceScene scene{kNow};
  PerformanceView* view = nullptr;
  std::unique_ptr<probe::Stage> stage;

  Screen() {
    scene.engine->apps = {app(11, "Firefox", 2'400'000'000, "/usr/share/applications/firefox.desktop"),
                          app(22, "Slack", 600'000'000), app(33, "Helper", 0)};
    scene.engine->logins = {login("a", "backup-agent", "You"), login("b", "docker-helper", "System")};
    scene.engine->memory = {29, 100};
  }
  // The screen on a stage, laid out.
  void open() {
    view = scene.makeView();
    stage =
        std::make_unique<probe::Stage>(view, design::SectionPalette::performance(), probe::kDetailPaneSize);
    stage->image(1);
  }
  QString page() const { return view->page() ? view->page()->objectName() : QString(); }
  AppMemoryRow* row(int32_t pid) const {
    return probe::find<AppMemoryRow>(stage.get(), "appMemoryRow", QString::number(pid));
  }
  bool quitting(int32_t pid) const {
    AppMemoryRow* r = row(pid);
    return r && probe::isShown(probe::find(r, "quitSpinner")) &&
           !probe::isShown(probe::find(r, "quitButton"));
  }
  QString banner() const {
    QWidget* b = probe::find(stage.get(), "resultBanner");
    return b && probe::isShown(b) ? probe::textOf(b) : QString();
  }
  void choosePanel(int index) {
    auto* picker = probe::find<SegmentedControl>(stage.get(), "panelPicker");
    probe::click(picker, picker->segmentRect(index).center());
  }
};

TEST(PerformanceView, StartsOnTheButtonThenScansThenListsWithTheExactPercent) {
  Screen s;
  s.open();
  EXPECT_EQ(s.page(), "performanceIntro");
  EXPECT_EQ(probe::textOf(probe::find(s.stage.get(), "introCaption")),
            "See what's using memory and what starts at login.");
  EXPECT_EQ(s.scene.executor->pending(), 0u);  // nothing starts by itself

  probe::click(probe::find(s.stage.get(), "scanButton"));
  EXPECT_EQ(s.page(), "performanceScanning");
  EXPECT_EQ(probe::textOf(probe::find(s.stage.get(), "scanningTitle")), "Checking what's running…");

  s.scene.runToEnd();
  EXPECT_EQ(s.page(), "performanceList");
  auto* header = probe::find(s.stage.get(), "header");
  EXPECT_EQ(header->property("title").toString(), "Performance");
  EXPECT_EQ(header->property("subtitle").toString(), "29 bytes of 100 bytes memory in use");
  // 29 of 100 is 29 %, not the 28 of 0.29 * 100 in floating point.
  EXPECT_EQ(probe::textOf(probe::find(s.stage.get(), "memoryPercent")), "29% in use");
  EXPECT_EQ(probe::textOf(probe::find(s.stage.get(), "memoryUsedOfTotal")), "29 bytes of 100 bytes");
  EXPECT_EQ(probe::find<design::GradientBar>(s.stage.get(), "memoryBar")->fraction(), 0.29);
}

TEST(PerformanceView, RowsFollowTheModelsOrderWithBarsFootprintsAndIcons) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  QStringList keys;
  for (auto* r : probe::findAll<AppMemoryRow>(s.stage.get(), "appMemoryRow")) keys << keyOf(r);
  EXPECT_EQ(keys, (QStringList{"11", "22", "33"}));
  EXPECT_EQ(probe::textOf(probe::find(s.row(11), "footprint")), "2.4 GB");
  EXPECT_EQ(probe::textOf(probe::find(s.row(33), "footprint")), "\u2014");
  EXPECT_DOUBLE_EQ(s.row(11)->barFraction(), 1.0);
  EXPECT_DOUBLE_EQ(s.row(22)->barFraction(), 0.25);
  EXPECT_DOUBLE_EQ(s.row(33)->barFraction(), 0.0);
  EXPECT_EQ(probe::find<AppIconView>(s.row(11), "appIcon")->path(),
            "/usr/share/applications/firefox.desktop");
  EXPECT_EQ(probe::find<AppIconView>(s.row(22), "appIcon")->path(), "/");  // no entry: the icon of "/"

  // Hovering tints only that row's border.
  probe::hover(s.row(22), true);
  EXPECT_EQ(s.row(22)->look().border,
            design::Color::withOpacity(design::SectionPalette::performance().primary, 0.35));
  EXPECT_EQ(s.row(11)->look().border, design::Color::hairline());
  probe::hover(s.row(22), false);
  EXPECT_EQ(s.row(22)->look().border, design::Color::hairline());
}

TEST(PerformanceView, QuitShowsTheSpinnerAndTheMessageThenTheRefreshedList) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  probe::click(probe::find(s.row(22), "quitButton"));
  EXPECT_EQ(s.scene.engine->askedPids(), std::vector<int32_t>{});  // the request runs off the GUI thread

  s.scene.runNext();  // the application is asked and accepts
  EXPECT_EQ(s.scene.engine->askedPids(), std::vector<int32_t>{22});
  EXPECT_TRUE(s.quitting(22));
  EXPECT_FALSE(s.quitting(11));
  EXPECT_FALSE(s.quitting(33));
  EXPECT_EQ(s.banner(), "Asked Slack to quit. Its memory frees as it closes.");

  // The application closed: the refresh that follows no longer lists it.
  s.scene.engine->apps.erase(s.scene.engine->apps.begin() + 1);
  s.scene.engine->memory = {20, 100};
  s.scene.runToEnd();
  EXPECT_EQ(s.row(22), nullptr);
  EXPECT_FALSE(s.quitting(11));
  EXPECT_EQ(probe::textOf(probe::find(s.stage.get(), "memoryPercent")), "20% in use");
  EXPECT_EQ(s.banner(), "Asked Slack to quit. Its memory frees as it closes.");
}

TEST(PerformanceView, ARefusedQuitSaysSoAndTheApplicationStays) {
  Screen s;
  s.scene.engine->answers[11] = Answer::refused;
  s.scene.scanToEnd();
  s.open();
  probe::click(probe::find(s.row(11), "quitButton"));
  s.scene.runToEnd();
  EXPECT_EQ(s.banner(), "Firefox wouldn't quit. It may have unsaved work open.");
  ASSERT_NE(s.row(11), nullptr);
  EXPECT_FALSE(s.quitting(11));
  EXPECT_TRUE(probe::isShown(probe::find(s.row(11), "quitButton")));
}

TEST(PerformanceView, AnApplicationAlreadyGoneChangesNothing) {
  Screen s;
  s.scene.engine->answers[22] = Answer::notRunning;
  s.scene.scanToEnd();
  s.open();
  probe::click(probe::find(s.row(22), "quitButton"));
  s.scene.runToEnd();
  EXPECT_EQ(s.banner(), "");
  EXPECT_FALSE(s.quitting(22));
  EXPECT_EQ(s.scene.executor->pending(), 0u);  // and no refresh
}

TEST(PerformanceView, TheBannerClosesOnItsButtonAndOnRescan) {
  for (const char* how : {"bannerDismiss", "rescanButton"}) {
    Screen s;
    s.scene.scanToEnd();
    s.open();
    probe::click(probe::find(s.row(11), "quitButton"));
    s.scene.runToEnd();
    ASSERT_NE(s.banner(), "") << how;
    probe::click(probe::find(s.stage.get(), how));
    EXPECT_FALSE(s.scene.model->lastMessage()) << how;
    s.scene.runToEnd();
    EXPECT_EQ(s.page(), "performanceList") << how;
    EXPECT_EQ(s.banner(), "") << how;
  }
}

TEST(PerformanceView, PanelsSwitchOnlyTheScrollAreaAndStartOnMemory) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  auto* picker = probe::find<SegmentedControl>(s.stage.get(), "panelPicker");
  EXPECT_EQ(picker->titles(), (QStringList{"Memory", "Startup"}));
  EXPECT_EQ(picker->currentIndex(), 0);
  probe::click(probe::find(s.row(11), "quitButton"));
  s.scene.runToEnd();

  s.choosePanel(1);
  EXPECT_FALSE(probe::isShown(probe::find(s.stage.get(), "memoryPanel")));
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "startupPanel")));
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "header")));
  EXPECT_NE(s.banner(), "");

  s.choosePanel(0);
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "memoryPanel")));
  EXPECT_FALSE(probe::isShown(probe::find(s.stage.get(), "startupPanel")));

  // A screen built again starts on Memory, whatever the last one showed.
  s.choosePanel(1);
  s.open();
  EXPECT_EQ(probe::find<SegmentedControl>(s.stage.get(), "panelPicker")->currentIndex(), 0);
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "memoryPanel")));
}

TEST(PerformanceView, LoginRowsRevealTheirListsAndTheSettingsButtonTheAutostartFolder) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  s.choosePanel(1);
  const auto rows = probe::findAll<LoginItemRow>(s.stage.get(), "loginItemRow");
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(probe::textOf(probe::find(rows[0], "loginLabel")), "backup-agent");
  EXPECT_EQ(probe::textOf(probe::find(rows[0], "loginProgram")), "/usr/bin/backup-agent");
  EXPECT_EQ(probe::textOf(probe::find(rows[0], "scopeChip")), "You");
  EXPECT_EQ(probe::find(rows[0], "scopeSymbol")->property("symbolName").toString(), "person.crop.circle");
  EXPECT_EQ(probe::find(rows[1], "scopeSymbol")->property("symbolName").toString(), "gearshape.2.fill");

  probe::click(probe::find(rows[1], "revealButton"));
  probe::click(probe::find(s.stage.get(), "loginSettingsButton"));
  EXPECT_EQ(s.scene.fakes.revealer->revealed,
            (QStringList{"/home/tester/.config/autostart/docker-helper.desktop",
                         "/home/tester/.config/autostart"}));
  EXPECT_TRUE(s.scene.fakes.links->opened.isEmpty());
}

TEST(PerformanceView, NoApplicationsStillShowsTheGaugeAndTheCaption) {
  Screen s;
  s.scene.engine->apps.clear();
  s.scene.engine->memory = {-5, 0};
  s.scene.scanToEnd();
  s.open();
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "memoryGauge")));
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "memoryCaption")));
  EXPECT_TRUE(probe::findAll<AppMemoryRow>(s.stage.get(), "appMemoryRow").isEmpty());
  EXPECT_EQ(probe::textOf(probe::find(s.stage.get(), "memoryPercent")), "0% in use");
  EXPECT_EQ(probe::find(s.stage.get(), "header")->property("subtitle").toString(),
            "Zero KB of Zero KB memory in use");
}

TEST(PerformanceView, EveryStateReadsByWhatItShowsAndTabsInReadingOrder) {
  Screen s;
  s.open();
  tidewell::testing::expectReadable(s.stage.get(), {R"(Button "Check Performance")"});
  probe::click(probe::find(s.stage.get(), "scanButton"));
  tidewell::testing::expectReadable(s.stage.get(), {R"(StaticText "Checking what's running…")"});
  s.scene.runToEnd();
  s.stage->image(1);
  tidewell::testing::expectReadable(
      s.stage.get(),
      {R"(Heading "Performance")", R"(PageTabList "Panel")", R"(PageTab "Memory" checked selected)",
       R"(PageTab "Startup")", R"(StaticText "29% in use")", R"(ProgressBar "Memory" = 29% in use)",
       R"(StaticText "Firefox")", R"(Button "Quit")"});
  s.choosePanel(1);
  s.stage->image(1);
  tidewell::testing::expectReadable(
      s.stage.get(), {R"(PageTab "Startup" checked selected)", R"(StaticText "backup-agent")"});
}

TEST(PerformanceView, ThePickersTabsChooseTheirPanelThroughAssistiveTechnology) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  QAccessibleInterface* picker =
      QAccessible::queryAccessibleInterface(probe::find(s.stage.get(), "panelPicker"));
  ASSERT_EQ(picker->childCount(), 2);
  QAccessibleInterface* startup = picker->child(1);
  EXPECT_EQ(startup->text(QAccessible::Name), "Startup");
  EXPECT_EQ(picker->indexOfChild(startup), 1);
  EXPECT_EQ(startup->parent(), picker);
  ASSERT_NE(startup->actionInterface(), nullptr);
  startup->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  probe::settle();
  EXPECT_TRUE(startup->state().selected);
  EXPECT_FALSE(picker->child(0)->state().selected);
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "startupPanel")));
}

TEST(PerformanceView, TheMemoryBarReadsAsThePercentShownOverIt) {
  struct Case {
    int64_t used;  // of 1000
    const char* shown;
    int value;
  };
  const Case cases[] = {{735, "73% in use", 73},
                        {129, "12% in use", 12},
                        {999, "99% in use", 99},
                        {0, "0% in use", 0},
                        {1000, "100% in use", 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    Screen s;
    s.scene.engine->memory = {c.used, 1000};
    s.scene.scanToEnd();
    s.open();
    QWidget* card = probe::find(s.stage.get(), "memoryGauge");
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(probe::textOf(probe::find(card, "memoryPercent")), c.shown);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(probe::find(card, "memoryBar"));
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    EXPECT_EQ(bar->text(QAccessible::Name), "Memory");
    EXPECT_EQ(bar->text(QAccessible::Value), c.shown);
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), c.value);
  }
}

TEST(PerformanceView, ThePanelPickerIsANamedTabListThatSaysWhichTabTheArrowKeysChoose) {
  Screen s;
  s.scene.scanToEnd();
  s.open();
  auto* picker = probe::find<SegmentedControl>(s.stage.get(), "panelPicker");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(picker)->text(QAccessible::Name), "Panel");
  // The stage is never on a screen: it becomes the active window by hand.
  QApplication::setActiveWindow(s.stage.get());
  picker->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(picker->hasFocus());
  testing::AccessibleEventLog log;
  struct Step {
    int key;
    const char* chosen;
    const char* left;
  };
  for (const Step step :
       {Step{Qt::Key_Right, "Startup", "Memory"}, Step{Qt::Key_Left, "Memory", "Startup"}}) {
    SCOPED_TRACE(step.chosen);
    log.clear();
    probe::pressKey(picker, step.key);
    const std::vector<testing::HeardEvent> added = log.of(QAccessible::SelectionAdd, picker);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].role, QAccessible::PageTab);
    EXPECT_EQ(added[0].name, step.chosen);
    EXPECT_TRUE(added[0].state.selected);
    const std::vector<testing::HeardEvent> removed = log.of(QAccessible::SelectionRemove, picker);
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0].name, step.left);
    EXPECT_FALSE(removed[0].state.selected);
    // The chosen tab takes the focus, so a reader says it.
    std::vector<testing::HeardEvent> focused;
    for (const testing::HeardEvent& e : log.of(QAccessible::Focus, picker))
      if (e.role == QAccessible::PageTab) focused.push_back(e);
    ASSERT_EQ(focused.size(), 1u);
    EXPECT_EQ(focused[0].name, step.chosen);
    EXPECT_TRUE(focused[0].state.focused);
  }
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "memoryPanel")));
}

}  // namespace
}  // namespace tidewell::screens
