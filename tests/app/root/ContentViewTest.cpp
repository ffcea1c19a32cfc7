#include "app/root/ContentView.h"

#include <QApplication>
#include <QPropertyAnimation>
#include <QTest>
#include <QThread>
#include <QVariantAnimation>
#include <map>
#include <mutex>

#include "app/about/AboutSheet.h"
#include "app/firstrun/OnboardingCard.h"
#include "app/root/DetailPane.h"
#include "app/root/FullDiskAccessCard.h"
#include "app/root/MainLayer.h"
#include "app/root/Sidebar.h"
#include "design/components/PillButton.h"
#include "design/components/SidebarRow.h"
#include "design/motion/Easing.h"
#include "design/paint/AmbientBackground.h"
#include "design/theme/SectionAccent.h"
#include "models/clean/CleanupViewModel.h"
#include "models/deepscan/DeepScanViewModel.h"
#include "models/smartscan/SmartScanController.h"
#include "screens/advisor/AdvisorView.h"
#include "screens/clean/CleanView.h"
#include "testkit/support/EventWait.h"
#include "testkit/support/FixtureHome.h"
#include "tests/app/IntroFakes.h"
#include "tests/app/root/WindowFixture.h"

namespace tidewell::app {
namespace {

using Phase = models::CleanupViewModel::Phase;
using testing::WindowFixture;

class Window : public WindowFixture {};

TEST_F(Window, RequestsThroughTheBridgeSwitchSectionsAndStartSmartScan) {
  struct Case {
    const char* name;
    std::function<void(AppBridge&)> request;
    Section section;  // from Apps
    bool scans;
  };
  const Case cases[] = {
      {"run scan", [](AppBridge& b) { b.runScan(); }, Section::home, true},
      {"open a section by its title", [](AppBridge& b) { b.openSection("Deep Scan"); }, Section::deepScan,
       false},
      {"a title in lower case", [](AppBridge& b) { b.openSection("deep scan"); }, Section::apps, false},
      {"no title at all", [](AppBridge& b) { b.openSection("Settings"); }, Section::apps, false},
      {"the scan link", [](AppBridge& b) { b.openLink("tidewellmac://scan"); }, Section::home, true},
      {"another scheme, host scan", [](AppBridge& b) { b.openLink("https://scan/x"); }, Section::home, true},
      {"another host", [](AppBridge& b) { b.openLink("tidewellmac://clean"); }, Section::apps, false},
      {"no host", [](AppBridge& b) { b.openLink("tidewellmac:scan"); }, Section::apps, false},
      {"the host in capitals", [](AppBridge& b) { b.openLink("tidewellmac://SCAN"); }, Section::apps, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ContentView& content = open();
    content.setSection(Section::apps);
    c.request(bridge);
    EXPECT_EQ(content.section(), c.section);
    EXPECT_EQ(content.sidebar()->active(), c.section);
    EXPECT_EQ(smartScans(), c.scans ? 1 : 0);
    EXPECT_EQ(content.models().smartScan->isRunning(), c.scans);
    runJobs();
    bridge.autoStartScan = false;
    bridge.pendingSection.reset();
  }
}

TEST_F(Window, HandlersLeaveTheBridgesPendingRequestsForTheNextAppearance) {
  ContentView& content = open();
  content.show();
  bridge.runScan();
  bridge.openSection("Deep Scan");
  EXPECT_TRUE(bridge.autoStartScan);
  EXPECT_EQ(bridge.pendingSection, QString("Deep Scan"));
  EXPECT_EQ(content.section(), Section::deepScan);
  runJobs();
  EXPECT_EQ(content.models().smartScan->phase(), models::SmartScanController::Phase::done);

  // The window closed and opened again: a fresh view acts on both.
  ContentView& reopened = open();
  reopened.show();
  EXPECT_EQ(smartScans(), 1);
  EXPECT_EQ(reopened.section(), Section::deepScan);
  EXPECT_FALSE(bridge.autoStartScan);
  EXPECT_FALSE(bridge.pendingSection);
}

TEST_F(Window, AppearingWithBothRequestsPendingScansAndShowsTheSection) {
  bridge.autoStartScan = true;
  bridge.pendingSection = QStringLiteral("Apps");
  ContentView& content = open();
  EXPECT_EQ(smartScans(), 0);  // nothing before the view is shown
  content.show();
  EXPECT_EQ(smartScans(), 1);
  EXPECT_EQ(content.section(), Section::apps);
  EXPECT_FALSE(bridge.autoStartScan);
  EXPECT_FALSE(bridge.pendingSection);
}

TEST_F(Window, APendingNameThatIsNoSectionStaysInTheBridge) {
  bridge.pendingSection = QStringLiteral("Advisor ");
  ContentView& content = open();
  content.show();
  EXPECT_EQ(content.section(), Section::home);
  EXPECT_EQ(bridge.pendingSection, QString("Advisor "));
  EXPECT_EQ(smartScans(), 0);
}

TEST_F(Window, ALinkOrARunScanArrivingAsTheWindowFirstAppearsStartsOneSmartScan) {
  // The window opens from the bridge, so its appearance and the request it
  // carries come in one turn.
  const auto openOnRequest = [this] {
    ContentView& content = open();
    bridge.openWindow = [&content] { content.show(); };
  };

  openOnRequest();
  bridge.autoStartScan = true;  // "Scan My Mac" while the window was closed
  bridge.openLink("tidewellmac://scan");
  EXPECT_EQ(smartScans(), 1);
  EXPECT_EQ(view->section(), Section::home);
  runJobs();

  openOnRequest();
  bridge.runScan();  // appearance consumes it, the announcement follows
  EXPECT_EQ(smartScans(), 1);
  EXPECT_FALSE(bridge.autoStartScan);
  runJobs();
  EXPECT_EQ(view->models().smartScan->phase(), models::SmartScanController::Phase::done);
  bridge.openWindow = nullptr;
}

TEST_F(Window, TheSidebarListsDevModeOnlyWithDeveloperTools) {
  const std::pair<bool, QStringList> table[] = {
      {false, {"Home", "Clean", "Apps", "Performance", "Deep Scan", "Advisor"}},
      {true, {"Home", "Clean", "Dev Mode", "Apps", "Performance", "Deep Scan", "Advisor"}},
  };
  for (const auto& [tools, titles] : table) {
    EXPECT_EQ(open(tools).sidebar()->rowTitles(), titles);
  }
}

TEST_F(Window, ARowSelectsItsSectionAndTheDetailPaneTakesTheSectionsColours) {
  ContentView& content = open();
  content.show();
  QTest::mouseClick(content.sidebar()->row(Section::advisor), Qt::LeftButton);
  EXPECT_EQ(content.section(), Section::advisor);
  EXPECT_EQ(content.detailPane()->section(), Section::advisor);
  EXPECT_EQ(design::SectionAccent::of(content.detailPane()->screen()), design::SectionPalette::advisor());
  EXPECT_EQ(content.mainLayer()->backdrop()->accent(), design::SectionPalette::advisor());
  // The sidebar stays outside the section's accent.
  EXPECT_EQ(design::SectionAccent::of(content.sidebar()), design::SectionPalette::clean());
  EXPECT_NE(qobject_cast<screens::AdvisorView*>(content.detailPane()->screen()), nullptr);
}

TEST_F(Window, CleansScreenFollowsItsPhaseInPlaceAndElsewhereItsPhaseChangesNothingShown) {
  ContentView& content = open();
  content.show();
  content.setSection(Section::clean);
  DetailPane* pane = content.detailPane();
  const auto cleanup = content.models().cleanup;
  const int start = pane->screensBuilt();
  auto* clean = qobject_cast<screens::CleanView*>(pane->screen());
  ASSERT_NE(clean, nullptr);
  // The section's screen is built once; its pages follow the phase (see
  // CleanViewTest).
  const auto expect = [&](Phase phase, const char* page) {
    EXPECT_EQ(cleanup->phase(), phase);
    EXPECT_EQ(pane->section(), Section::clean);
    EXPECT_EQ(pane->screen(), clean);
    EXPECT_EQ(pane->screensBuilt(), start);
    EXPECT_EQ(clean->page()->objectName(), QString::fromLatin1(page));
  };
  expect(Phase::idle, "scanPage");
  auto scan = cleanup->scan();
  runJobs();
  expect(Phase::review, "reviewPage");
  auto clean2 = cleanup->clean();
  runJobs();
  expect(Phase::done, "cleanedPage");
  cleanup->reset();
  expect(Phase::idle, "scanPage");

  // Elsewhere, Clean's phase changes nothing that is shown.
  content.setSection(Section::apps);
  const int onApps = pane->screensBuilt();
  auto again = cleanup->scan();
  runJobs();
  EXPECT_EQ(pane->section(), Section::apps);
  EXPECT_EQ(pane->screensBuilt(), onApps);
}

TEST_F(Window, TheThemeMeasuresAgainOnceEachTimeCleanReachesDone) {
  ContentView& content = open();
  const auto cleanup = content.models().cleanup;
  const int atStart = volumeReads;  // the theme's own first reading
  EXPECT_GE(atStart, 1);
  for (int run = 1; run <= 2; ++run) {
    if (run == 2) home.add({tidewell::testing::file(".npm/_cacache/content-v2/sha512/bb", 30'000)});
    auto scan = cleanup->scan();
    runJobs();
    EXPECT_EQ(volumeReads, atStart + run - 1);
    auto clean = cleanup->clean();
    runJobs();
    ASSERT_EQ(cleanup->phase(), Phase::done);
    EXPECT_EQ(volumeReads, atStart + run);
    cleanup->reset();  // done back to idle refreshes nothing
    EXPECT_EQ(volumeReads, atStart + run);
  }
}

TEST_F(Window, ACleanRunningWhenTheWindowClosesFinishesAndCountsWhatItFreed) {
  ContentView& content = open();
  content.show();
  std::weak_ptr<models::CleanupViewModel> cleanup = content.models().cleanup;
  {
    auto scan = cleanup.lock()->scan();
    runJobs();
    ASSERT_EQ(cleanup.lock()->phase(), Phase::review);
    ASSERT_GT(cleanup.lock()->selectedBytes(), 0);
    auto clean = cleanup.lock()->clean();
    ASSERT_EQ(cleanup.lock()->phase(), Phase::cleaning);
  }
  view.reset();  // the window closes, its models with it
  ASSERT_FALSE(cleanup.expired()) << "the running clean keeps its model";

  runJobs();
  EXPECT_TRUE(cleanup.expired()) << "released once the clean recorded its result";
  EXPECT_GT(harness.settings->totalFreedBytes(), 0);
  EXPECT_TRUE(harness.settings->lastCleanupAt());
  EXPECT_FALSE(tidewell::testing::exists(home.path(".npm/_cacache/content-v2/sha512/aa")));
  EXPECT_TRUE(tidewell::testing::exists(home.path("Documents/keep.txt")));
}

TEST_F(Window, ATrashRunningWhenTheWindowClosesStillMovesTheItem) {
  home.add({tidewell::testing::file("Downloads/Setup.dmg", 6'000'000)});
  ContentView& content = open();
  std::weak_ptr<models::DeepScanViewModel> deepScan = content.models().deepScan;
  {
    auto scan = deepScan.lock()->scan();
    runJobs();
    const auto& items = deepScan.lock()->items();
    const auto installer = std::find_if(items.begin(), items.end(),
                                        [](const engine::BigItem& item) { return item.name == "Setup.dmg"; });
    ASSERT_NE(installer, items.end());
    auto trash = deepScan.lock()->trash(*installer);
  }
  view.reset();
  ASSERT_FALSE(deepScan.expired());
  runJobs();
  EXPECT_TRUE(deepScan.expired());
  EXPECT_FALSE(tidewell::testing::exists(home.path("Downloads/Setup.dmg")));
  EXPECT_TRUE(tidewell::testing::exists(home.path(".local/share/Trash/files/Setup.dmg")));
  EXPECT_TRUE(tidewell::testing::exists(home.path("Documents/keep.txt")));
}

TEST_F(Window, TheLogoAndTheAboutRowOpenAboutAndItsDoneClosesIt) {
  ContentView& content = open();
  content.show();
  for (const char* name : {"sidebarLogo", "sidebarAbout"}) {
    QTest::mouseClick(content.sidebar()->findChild<QWidget*>(name), Qt::LeftButton);
    EXPECT_TRUE(content.isShowingAbout()) << name;
    EXPECT_TRUE(content.aboutSheet()->isVisible());
    content.aboutSheet()->dismiss();
    EXPECT_FALSE(content.isShowingAbout());
  }
  bridge.showAbout();
  EXPECT_TRUE(content.isShowingAbout());
}

TEST_F(Window, AboutKeepsTheKeyboardToItselfAndHandsItBackWhenItCloses) {
  ContentView& content = open();
  content.show();
  content.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&content));
  QWidget* cleanRow = content.sidebar()->row(Section::clean);
  cleanRow->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(QApplication::focusWidget(), cleanRow);

  bridge.showAbout();
  AboutSheet* sheet = content.aboutSheet();
  EXPECT_FALSE(content.acceptsInput());
  // Tab and Backtab go round the sheet's own controls only.
  for (int i = 0; i < 14; ++i) {
    QTest::keyClick(QApplication::focusWidget(), i % 4 == 3 ? Qt::Key_Backtab : Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr) << i;
    EXPECT_TRUE(focused == sheet || sheet->isAncestorOf(focused))
        << i << " " << qPrintable(focused->objectName());
  }
  // Keys aimed at the window behind the sheet change nothing there.
  QTest::keyClick(cleanRow, Qt::Key_Space);
  QTest::keyClick(content.findChild<QWidget*>("scanButton"), Qt::Key_Space);
  EXPECT_EQ(content.section(), Section::home);
  EXPECT_EQ(smartScans(), 0);

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(content.isShowingAbout());
  EXPECT_TRUE(content.acceptsInput());
  EXPECT_EQ(QApplication::focusWidget(), cleanRow);
  QTest::keyClick(cleanRow, Qt::Key_Space);
  EXPECT_EQ(content.section(), Section::clean);
}

TEST_F(Window, TheWelcomeCardAndTheRevealFadeOnTheEaseInOutCurve) {
  harness.settings->setHasOnboarded(false);
  ContentView& content = open();
  content.show();
  content.finishOnboarding(true);
  content.revealIntro();
  std::map<int, QEasingCurve> fades;  // by duration
  for (QVariantAnimation* animation : content.findChildren<QVariantAnimation*>())
    if (animation->duration() == ContentView::kOnboardingFadeMs ||
        animation->duration() == ContentView::kRevealFadeMs)
      fades[animation->duration()] = animation->easingCurve();
  ASSERT_EQ(fades.size(), 2u);
  for (const auto& [duration, curve] : fades) {
    EXPECT_EQ(curve, design::easeInOutCurve()) << duration;
    EXPECT_NEAR(curve.valueForProgress(0.25), design::easeInOut(0.25), 1e-3) << duration;
  }
}

TEST_F(Window, FullDiskAccessIsGrantedOnLinuxSoTheSidebarShowsTheQuietLine) {
  ContentView& content = open();
  content.show();
  EXPECT_TRUE(content.sidebar()->accessCard()->isGranted());
  EXPECT_TRUE(content.sidebar()->accessCard()->findChild<QWidget*>("fullDiskAccessGranted")->isVisible());
}

TEST_F(Window, TheFirstRunShowsTheWelcomeThenTheIntroWithTheLayersBelowBlocked) {
  harness.settings->setHasOnboarded(false);
  ContentView& content = open();
  content.show();
  ASSERT_TRUE(content.isShowingOnboarding());
  EXPECT_FALSE(content.acceptsInput());
  EXPECT_FALSE(content.sidebar()->isEnabled());

  QTest::mouseClick(content.onboarding()->card()->getStartedButton(), Qt::LeftButton);
  EXPECT_TRUE(harness.settings->hasOnboarded());
  EXPECT_FALSE(content.isShowingOnboarding());
  EXPECT_TRUE(content.isPlayingIntro());
  EXPECT_EQ(content.introHomeOpacity(), 0.0);
  EXPECT_EQ(content.mainLayer()->splitOpacity(), 0.0);
  EXPECT_FALSE(content.acceptsInput());
  ASSERT_NE(content.mainLayer()->intro(), nullptr);

  // Without a video the intro reveals and finishes at once, from the loop.
  ASSERT_TRUE(
      tidewell::testing::waitUntil([&] { return !content.isPlayingIntro(); }, std::chrono::seconds(5)));
  EXPECT_EQ(content.introHomeOpacity(), 1.0);
  EXPECT_EQ(content.mainLayer()->splitOpacity(), 1.0);
  EXPECT_EQ(content.mainLayer()->intro(), nullptr);
  EXPECT_TRUE(content.acceptsInput());

  // Later launches show neither.
  EXPECT_FALSE(open().isShowingOnboarding());
}

TEST_F(Window, TheIntroPlayerIsReadyBehindTheWelcomeCardSoGetStartedFadesAtOnce) {
  harness.settings->setHasOnboarded(false);
  std::mutex mutex;
  QStringList log;
  const auto note = [&](const char* what) {
    const bool gui = QThread::currentThread() == QCoreApplication::instance()->thread();
    std::lock_guard lock(mutex);
    log << QString::fromLatin1(what) +
               (gui ? QStringLiteral(" on the GUI thread") : QStringLiteral(" on a worker"));
  };
  const auto read = [&] {
    std::lock_guard lock(mutex);
    return log;
  };
  IntroPlayer* made = nullptr;
  introWarmUp = [&] { note("warm-up"); };
  introPlayer = [&] {
    note("make");
    auto player = std::make_unique<testing::ScriptedPlayer>(5.0);
    made = player.get();
    return std::unique_ptr<IntroPlayer>(std::move(player));
  };
  ContentView& content = open();
  content.show();
  // While the card shows, before any click.
  ASSERT_TRUE(tidewell::testing::waitUntil([&] { return read().size() == 2; }, std::chrono::seconds(10)))
      << read().join(", ").toStdString();
  EXPECT_EQ(read(), (QStringList{"warm-up on a worker", "make on the GUI thread"}));
  ASSERT_TRUE(content.isShowingOnboarding());
  OnboardingView* card = content.onboarding();

  QTest::mouseClick(card->card()->getStartedButton(), Qt::LeftButton);
  // The click makes nothing; the intro plays the player made before it,
  // and the card's fade is under way.
  EXPECT_EQ(read().size(), 2);
  auto* intro = qobject_cast<IntroRevealView*>(content.mainLayer()->intro());
  ASSERT_NE(intro, nullptr);
  EXPECT_EQ(intro->player(), made);
  QPropertyAnimation* fade = nullptr;
  for (auto* animation : card->findChildren<QPropertyAnimation*>())
    if (animation->duration() == ContentView::kOnboardingFadeMs) fade = animation;
  ASSERT_NE(fade, nullptr);
  EXPECT_EQ(fade->state(), QAbstractAnimation::Running);
}

TEST_F(Window, AGetStartedBeforeTheCardWasShownStillPlaysTheIntro) {
  // Nothing was made in advance; the player is made at the click, once.
  harness.settings->setHasOnboarded(false);
  int made = 0;
  introPlayer = [&] {
    ++made;
    return std::unique_ptr<IntroPlayer>(std::make_unique<testing::ScriptedPlayer>(5.0));
  };
  ContentView& content = open();
  content.finishOnboarding(true);
  content.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(made, 1);
  auto* intro = qobject_cast<IntroRevealView*>(content.mainLayer()->intro());
  ASSERT_NE(intro, nullptr);
  EXPECT_NE(intro->player(), nullptr);
}

TEST_F(Window, AWelcomeFinishedWithoutTheIntroGoesStraightToTheApp) {
  harness.settings->setHasOnboarded(false);
  ContentView& content = open();
  content.finishOnboarding(false);
  EXPECT_TRUE(harness.settings->hasOnboarded());
  EXPECT_FALSE(content.isPlayingIntro());
  EXPECT_TRUE(content.acceptsInput());
}

}  // namespace
}  // namespace tidewell::app
