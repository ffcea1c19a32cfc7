#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/components/ScanCircleButton.h"
#include "screens/common/layout/PageHost.h"
#include "screens/common/layout/RowStack.h"
#include "screens/common/views/MessageBanner.h"
#include "screens/common/views/ScanIntro.h"
#include "screens/common/views/ScanningPulse.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "testkit/listener/AccessibleEventLog.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Stage.h"

namespace tidewell::screens {
namespace {

using namespace design::literals;

TEST(ScanIntro, ShowsItsCaptionAndStartsOnlyWhenPressed) {
  int starts = 0;
  auto* intro = new ScanIntro({"speedometer"_symbol, "Check Performance", "See what's running."});
  QObject::connect(intro, &ScanIntro::scanClicked, intro, [&] { ++starts; });
  probe::Stage stage(intro, design::SectionPalette::performance(), {900, 740});
  stage.image(1);
  EXPECT_EQ(starts, 0);
  EXPECT_EQ(probe::textOf(probe::find(intro, "introCaption")), "See what's running.");
  probe::click(probe::find(intro, "scanButton"));
  EXPECT_EQ(starts, 1);
  // The button sits above the caption, both centred.
  const QRect button = probe::rectIn(probe::find(intro, "scanButton"), &stage);
  const QRect caption = probe::rectIn(probe::find(intro, "introCaption"), &stage);
  EXPECT_EQ(caption.top() - button.bottom() - 1, 26);
  EXPECT_NEAR(button.center().x(), 450, 1);
  EXPECT_NEAR(caption.center().x(), 450, 1);
}

TEST(ScanningPulse, PulsesItsSymbolInTheAccentOverTheTitleAndASpinner) {
  auto* pulse = new ScanningPulse("wand.and.stars"_symbol, "Checking…", textLook(18), 18);
  probe::Stage stage(pulse, design::SectionPalette::advisor(), {400, 300});
  stage.image(1);
  auto* symbol = probe::find<SymbolView>(pulse, "scanningSymbol");
  ASSERT_NE(symbol, nullptr);
  EXPECT_EQ(symbol->effect(), design::SymbolEffect::Kind::Pulse);
  EXPECT_EQ(symbol->currentColour(), design::SectionPalette::advisor().primary);
  EXPECT_EQ(probe::textOf(probe::find(pulse, "scanningTitle")), "Checking…");
  const QRect title = probe::rectIn(probe::find(pulse, "scanningTitle"), &stage);
  const QRect spinner = probe::rectIn(probe::find(pulse, "scanningSpinner"), &stage);
  EXPECT_EQ(spinner.top() - title.bottom() - 1, 18);
}

TEST(RowStack, ShowsExactlyTheRowsGivenInOrderAndLeavesTheOthersToTheirOwner) {
  auto* stack = new RowStack(8);
  probe::Stage stage(stack, design::SectionPalette::clean(), {300, 400});
  QPointer<QLabel> a = new QLabel("a"), b = new QLabel("b"), c = new QLabel("c");
  stack->setRows(QList<QLabel*>{a, b, c});
  stage.image(1);
  EXPECT_EQ(stack->rows<QLabel>(), (QList<QLabel*>{a, b, c}));
  EXPECT_EQ(probe::rectIn(b, &stage).top() - probe::rectIn(a, &stage).bottom() - 1, 8);
  EXPECT_EQ(a->width(), 300);  // one column, however wide

  stack->setRows(QList<QLabel*>{c, a});
  stage.image(1);
  EXPECT_EQ(stack->rows<QLabel>(), (QList<QLabel*>{c, a}));
  EXPECT_LT(probe::rectIn(c, &stage).top(), probe::rectIn(a, &stage).top());
  ASSERT_TRUE(b);  // not deleted: its owner decides
  EXPECT_FALSE(probe::isShown(b));
  delete b.data();
}

TEST(PageHost, ShowsOnePageAndRetiresTheOneBeforeLater) {
  auto* host = new PageHost;
  probe::Stage stage(host, design::SectionPalette::clean(), {300, 200});
  QPointer<QWidget> first = new QWidget, second = new QWidget;
  host->setPage(first);
  stage.image(1);
  EXPECT_EQ(host->page(), first);
  EXPECT_EQ(first->size(), QSize(300, 200));
  host->setPage(second);
  EXPECT_EQ(host->page(), second);
  ASSERT_TRUE(first);  // still there while its click may run
  EXPECT_FALSE(probe::isShown(first));
  probe::settle();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(first);
  EXPECT_TRUE(probe::isShown(second));
}

TEST(PageHost, AFocusedControlThatGoesHandsTheFocusToItsNearestNeighbourNeverToTheWindowsStart) {
  enum class Change { hide, disable, replace };
  struct Case {
    const char* name;
    QStringList controls;  // laid out left to right, made right to left
    const char* focused;
    Change change;
    const char* expected;  // the focus afterwards
  };
  const Case cases[] = {
      {"one in the middle goes: the next one", {"a", "b", "c"}, "b", Change::hide, "c"},
      {"the last goes: the one before it", {"a", "b", "c"}, "c", Change::hide, "b"},
      {"one is disabled: the next one", {"a", "b", "c"}, "a", Change::disable, "b"},
      {"one gives way to one made in the same turn: the new one", {"a"}, "a", Change::replace, "new"},
      {"the only one goes: what the page reads", {"a"}, "a", Change::hide, "status"},
  };
  for (const bool active : {true, false})
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      SCOPED_TRACE(active ? "the window active" : "the window in the background");
      probe::prepare();
      QWidget window;
      window.resize(500, 200);
      auto* column = new QVBoxLayout(&window);
      // The window's start, made before everything else.
      auto* start = new design::GhostPillButton({QStringLiteral("Start"), std::nullopt});
      start->setObjectName(QStringLiteral("start"));
      column->addWidget(start);
      auto* host = new PageHost;
      column->addWidget(host, 1);
      auto* page = new QWidget;
      auto* row = new QHBoxLayout(page);
      auto* status = new TextLabel(QStringLiteral("Scanning"), textLook(12));
      status->setObjectName(QStringLiteral("status"));
      row->addWidget(status);
      // Made in the reverse of the order they are laid out in, so the order
      // they were made in (Qt's own focus chain) is not the reading order.
      for (qsizetype i = c.controls.size() - 1; i >= 0; --i) {
        auto* control = new design::GhostPillButton({c.controls[i], std::nullopt}, page);
        control->setObjectName(c.controls[i]);
        row->insertWidget(1, control);
      }
      host->setPage(page);
      window.show();
      // In the background: another window of the program is the active one.
      QWidget other;
      QWidget* activated = active ? &window : &other;
      activated->show();
      activated->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(activated));
      probe::settle();
      auto* focused = page->findChild<QWidget*>(QString::fromUtf8(c.focused));
      focused->setFocus(Qt::TabFocusReason);
      ASSERT_EQ(window.focusWidget(), focused);

      switch (c.change) {
        case Change::hide:
          focused->hide();
          break;
        case Change::disable:
          focused->setEnabled(false);
          break;
        case Change::replace: {
          // As a list refreshed in place: the new row is made, the old one
          // goes, and only then is the new one laid out where it stood.
          auto* fresh = new design::GhostPillButton({QStringLiteral("New"), std::nullopt}, page);
          fresh->setObjectName(QStringLiteral("new"));
          focused->hide();
          row->insertWidget(row->indexOf(focused), fresh);
          fresh->show();
          break;
        }
      }
      probe::settle();
      ASSERT_NE(window.focusWidget(), nullptr);
      EXPECT_EQ(window.focusWidget()->objectName().toStdString(), c.expected);
    }
}

TEST(PageHost, APageThatReplacesTheFocusedOneTakesTheFocusStraightFromIt) {
  struct Case {
    const char* name;
    bool withControl;      // the new page has a control, else only a status text
    const char* expected;  // the one focus event a reader hears
  };
  const Case cases[] = {
      {"a page with a control: its first control", true, "next"},
      {"a page that only shows progress: what it reads", false, "status"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    probe::prepare();
    QWidget window;
    window.resize(500, 200);
    auto* column = new QVBoxLayout(&window);
    auto* host = new PageHost;
    column->addWidget(host, 1);
    auto* first = new QWidget;
    auto* firstRow = new QHBoxLayout(first);
    auto* go = new design::GhostPillButton({QStringLiteral("Go"), std::nullopt});
    firstRow->addWidget(go);
    host->setPage(first);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    go->setFocus(Qt::TabFocusReason);
    probe::settle();

    auto* next = new QWidget;
    auto* nextRow = new QHBoxLayout(next);
    auto* status = new TextLabel(QStringLiteral("Cleaning"), textLook(12));
    status->setObjectName(QStringLiteral("status"));
    nextRow->addWidget(status);
    if (c.withControl) {
      auto* button = new design::GhostPillButton({QStringLiteral("Next"), std::nullopt});
      button->setObjectName(QStringLiteral("next"));
      nextRow->addWidget(button);
    }
    testing::AccessibleEventLog log;
    ASSERT_TRUE(log.isListening());
    host->setPage(next);
    probe::settle();
    ASSERT_NE(window.focusWidget(), nullptr);
    EXPECT_EQ(window.focusWidget()->objectName().toStdString(), c.expected);
    // Straight there: neither the host nor anything unnamed in between.
    const std::vector<testing::HeardEvent> focus = log.of(QAccessible::Focus);
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus.front().object, window.focusWidget());
  }
}

TEST(MessageBanner, IsThereOnlyWhileThereIsAMessageAndReportsItsCloseButton) {
  auto* column = new QWidget;
  auto* box = new QVBoxLayout(column);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  auto* slot = new MessageBanner(BannerLook{}, {28, 0, 28, 10});
  auto* below = new QLabel("below");
  box->addWidget(slot);
  box->addWidget(below);
  box->addStretch(1);
  probe::Stage stage(column, design::SectionPalette::clean(), {500, 300});
  int dismissals = 0;
  QObject::connect(slot, &MessageBanner::dismissed, slot, [&] { ++dismissals; });
  stage.image(1);
  EXPECT_FALSE(probe::isShown(slot));
  EXPECT_EQ(slot->banner(), nullptr);
  EXPECT_EQ(probe::rectIn(below, &stage).top(), 0);  // no room taken, margins included

  slot->setMessage(QStringLiteral("Asked Slack to quit."));
  stage.image(1);
  ASSERT_NE(slot->banner(), nullptr);
  EXPECT_EQ(slot->banner()->message(), "Asked Slack to quit.");
  EXPECT_EQ(probe::rectIn(slot->banner(), &stage).left(), 28);
  EXPECT_EQ(probe::rectIn(below, &stage).top(), probe::rectIn(slot->banner(), &stage).bottom() + 1 + 10);
  slot->setMessage(QStringLiteral("Another."));  // the same banner, new text
  EXPECT_EQ(probe::textOf(slot->banner()), "Another.");

  probe::click(probe::find(slot, "bannerDismiss"));
  EXPECT_EQ(dismissals, 1);
  EXPECT_NE(slot->banner(), nullptr);  // the screen clears the message, not the banner
  slot->setMessage(std::nullopt);
  EXPECT_EQ(slot->banner(), nullptr);
  stage.image(1);
  EXPECT_FALSE(probe::isShown(slot));
  EXPECT_EQ(probe::rectIn(below, &stage).top(), 0);
}

}  // namespace
}  // namespace tidewell::screens
