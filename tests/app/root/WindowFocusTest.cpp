// Where the keyboard focus goes in the window, and what a reader is told is
// showing: the first run, About, the ring outside the sections, a card
// that leaves the Deep Scan list.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "app/about/AboutSheet.h"
#include "app/firstrun/OnboardingCard.h"
#include "app/firstrun/OnboardingView.h"
#include "app/root/DetailPane.h"
#include "app/root/MainLayer.h"
#include "app/root/Sidebar.h"
#include "design/accessibility/PaintedAccessible.h"
#include "design/components/PillButton.h"
#include "design/components/SidebarRow.h"
#include "design/keyboard/KeyboardFocus.h"
#include "models/deepscan/DeepScanViewModel.h"
#include "models/smartscan/SmartScanController.h"
#include "screens/common/ObjectNames.h"
#include "testkit/fakes/ScriptedDeepScanEngine.h"
#include "testkit/probe/AccessibilityAudit.h"
#include "testkit/probe/Probe.h"
#include "testkit/support/EventWait.h"
#include "tests/app/root/WindowFixture.h"

namespace tidewell::app {
namespace {
using testing::WindowFixture;
using tidewell::testing::scriptedBigItem;

class WindowFocus : public WindowFixture {
 protected:
  ContentView& active(ContentView& content) {
    content.show();
    content.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&content));
    probe::settle();
    return content;
  }
  QWidget* focus() const { return view->window()->focusWidget(); }
  void press(Qt::Key key) {
    QTest::keyClick(focus() ? focus() : view.get(), key);
    probe::settle();
  }
  // Tab until the focus is on target, at most once round the window.
  bool tabTo(QWidget* target) {
    for (int i = 0; i < 60; ++i) {
      press(Qt::Key_Tab);
      if (focus() == target) return true;
    }
    return false;
  }
  // The first control of the screen shown (Home's, on a first run).
  QWidget* firstControlOfScreen() const {
    const QList<QWidget*> stops = design::KeyboardFocus::tabStops(view->detailPane()->screen());
    return stops.isEmpty() ? nullptr : stops.first();
  }
};

QAccessible::State readerState(QWidget* widget) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  return iface ? iface->state() : QAccessible::State();
}

// The widgets at and below root that a reader is told are showing (the
// first few, and how many there are).
QStringList showingToReaders(QWidget* root) {
  QStringList showing;
  QList<QWidget*> all = root->findChildren<QWidget*>();
  all.prepend(root);
  qsizetype count = 0;
  for (QWidget* widget : all)
    if (!readerState(widget).invisible && ++count <= 5) showing << probe::describe(widget);
  if (count > 5) showing << QStringLiteral("... %1 in all").arg(count);
  return showing;
}

TEST_F(WindowFocus, WhatTheWelcomeCardAndTheIntroCoverIsNotShowingToAReader) {
  harness.settings->setHasOnboarded(false);
  ContentView& content = active(open());
  QWidget* split = content.mainLayer()->split();
  ASSERT_FALSE(probe::findAll(split, "sidebarRow:Home").isEmpty());
  // Under the card: nothing of the sidebar or of Home, the card itself read.
  EXPECT_EQ(probe::lines(showingToReaders(split)), "");
  EXPECT_FALSE(readerState(content.onboarding()->card()->getStartedButton()).invisible);
  // The card opens with the focus on its one control.
  EXPECT_EQ(focus(), content.onboarding()->card()->getStartedButton());

  QTest::mouseClick(content.onboarding()->card()->getStartedButton(), Qt::LeftButton);
  ASSERT_TRUE(content.isPlayingIntro());
  ASSERT_EQ(content.mainLayer()->splitOpacity(), 0.0);
  // The intro before its reveal: the app is not there to see yet.
  EXPECT_EQ(probe::lines(showingToReaders(split)), "");

  ASSERT_TRUE(
      tidewell::testing::waitUntil([&] { return !content.isPlayingIntro(); }, std::chrono::seconds(5)));
  EXPECT_FALSE(readerState(split).invisible);
  EXPECT_FALSE(readerState(content.sidebar()->row(Section::home)).invisible);
  EXPECT_FALSE(readerState(firstControlOfScreen()).invisible);
}

TEST_F(WindowFocus, AfterTheWelcomeTheFocusIsOnHomesFirstControlWithOrWithoutTheIntro) {
  for (const bool intro : {true, false}) {
    SCOPED_TRACE(intro ? "with the intro" : "without the intro");
    harness.settings->setHasOnboarded(false);
    ContentView& content = active(open());
    ASSERT_TRUE(content.isShowingOnboarding());
    // The card's one control has the focus, and Tab shows its ring there.
    QWidget* getStarted = content.onboarding()->card()->getStartedButton();
    ASSERT_EQ(focus(), getStarted);
    press(Qt::Key_Tab);
    EXPECT_EQ(focus(), getStarted);
    EXPECT_EQ(design::KeyboardFocus::ringedControl(), getStarted);
    content.finishOnboarding(intro);
    ASSERT_TRUE(
        tidewell::testing::waitUntil([&] { return !content.isPlayingIntro(); }, std::chrono::seconds(5)));
    probe::settle();
    QWidget* first = firstControlOfScreen();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(focus(), first) << (focus() ? probe::describe(focus()).toStdString() : "nothing");
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(first)->text(QAccessible::Name).isEmpty());
  }
}

TEST_F(WindowFocus, AboutIsADialogNamedAboutTidewellMacAndEveryStopInItIsNamed) {
  ContentView& content = active(open());
  content.showAbout();
  probe::settle();
  AboutSheet* about = content.aboutSheet();
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(about);
  ASSERT_NE(iface, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::Dialog);
  EXPECT_EQ(iface->text(QAccessible::Name), "About Tidewell Mac");

  const QList<QWidget*> stops = probe::tabOrder(about);
  ASSERT_FALSE(stops.isEmpty());
  for (QWidget* stop : stops) {
    SCOPED_TRACE(probe::describe(stop).toStdString());
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(stop);
    EXPECT_TRUE(design::PaintedAccessible::isControlRole(control->role()));
    EXPECT_FALSE(control->text(QAccessible::Name).isEmpty());
  }
  // It opens with the focus on its first control, not on itself.
  content.aboutSheet()->dismiss();
  content.showAbout();
  EXPECT_EQ(focus(), stops.first());
}

TEST_F(WindowFocus, TheRingOnTheLogoAndInAboutTakesTheColourOfTheSectionShown) {
  for (const Section section : {Section::apps, Section::deepScan, Section::home}) {
    SCOPED_TRACE(sectionTitle(section).toStdString());
    ContentView& content = active(open());
    content.setSection(section);
    const QColor expected = sectionPalette(section).primary;
    // The ring's outer band, on the straight stretch of the left edge.
    const auto ringColour = [](QWidget* control) {
      return control->grab().toImage().pixelColor(1, control->height() / 2);
    };
    const auto near = [&expected](const QColor& c) {
      return std::abs(c.red() - expected.red()) + std::abs(c.green() - expected.green()) +
                 std::abs(c.blue() - expected.blue()) <
             12;
    };

    QWidget* logo = content.sidebar()->findChild<QWidget*>("sidebarLogo");
    ASSERT_TRUE(tabTo(logo));
    ASSERT_EQ(design::KeyboardFocus::ringedControl(), logo);
    EXPECT_TRUE(near(ringColour(logo))) << ringColour(logo).name().toStdString();

    press(Qt::Key_Space);  // About, from the keyboard
    ASSERT_TRUE(content.isShowingAbout());
    press(Qt::Key_Tab);
    QWidget* ringed = design::KeyboardFocus::ringedControl();
    ASSERT_NE(ringed, nullptr);
    ASSERT_TRUE(content.aboutSheet()->isAncestorOf(ringed));
    EXPECT_TRUE(near(ringColour(ringed))) << ringColour(ringed).name().toStdString();
  }
}

TEST_F(WindowFocus, TheOnlyInstallerLeavingTheListHandsTheFocusToTheCardNowInItsPlace) {
  using Kind = engine::BigItem::Kind;
  auto engine = std::make_shared<tidewell::testing::ScriptedDeepScanEngine>();
  engine->installerItems = {scriptedBigItem("Downloads/Setup.dmg", 600'000'000, Kind::installer)};
  engine->big = {scriptedBigItem("Movies/Film.mov", 9'000'000'000, Kind::personal),
                 scriptedBigItem("Documents/Notes", 500'000'000, Kind::personal)};
  adjustModels = [&](WindowModels& window) {
    window.deepScan = std::make_shared<models::DeepScanViewModel>(harness.services(), engine);
  };
  ContentView& content = active(open());
  content.setSection(Section::deepScan);
  auto scan = content.models().deepScan->scan();
  runJobs();
  probe::settle();
  QWidget* screen = content.detailPane()->screen();
  ASSERT_TRUE(probe::click(probe::find(screen, "riskRow", "installer")));
  QWidget* installer = probe::find(screen, "bigItemCard", "/fixture/home/Downloads/Setup.dmg");
  ASSERT_NE(installer, nullptr);
  QWidget* trash = probe::find(installer, "trashButton");
  trash->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(focus(), trash);

  press(Qt::Key_Space);  // an installer goes without a question
  runJobs();
  probe::settle();
  ASSERT_EQ(engine->trashed, std::vector<std::string>{"/fixture/home/Downloads/Setup.dmg"});
  // The list now shows the personal bucket, Film first, where the installer
  // stood: the focus is on the first control of Film's card.
  QWidget* film = nullptr;
  for (QWidget* card : probe::findAll(screen, "bigItemCard"))
    if (probe::isShown(card) && screens::keyOf(card) == "/fixture/home/Movies/Film.mov") film = card;
  ASSERT_NE(film, nullptr);
  ASSERT_NE(focus(), nullptr);
  EXPECT_NE(focus(), content.sidebar()->findChild<QWidget*>("sidebarLogo"));
  EXPECT_EQ(focus(), design::KeyboardFocus::tabStops(film).value(0))
      << probe::describe(focus()).toStdString();
  // And the ring came along, the keyboard being in use.
  EXPECT_EQ(design::KeyboardFocus::ringedControl(), focus());
}

}  // namespace
}  // namespace tidewell::app
