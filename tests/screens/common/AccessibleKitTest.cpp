// The kit's texts and controls as assistive technology reads them and the
// keyboard works them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QHBoxLayout>
#include <QSignalSpy>

#include "design/accessibility/AccessibleTraits.h"
#include "design/theme/Color.h"
#include "design/type/InterFont.h"
#include "screens/common/controls/SegmentedControl.h"
#include "screens/common/controls/SelectionBox.h"
#include "screens/common/layout/Surface.h"
#include "screens/common/views/Badge.h"
#include "screens/common/views/FittedLabel.h"
#include "screens/common/views/MessageBanner.h"
#include "screens/common/views/ProgressBar.h"
#include "screens/common/views/ResultBanner.h"
#include "screens/common/views/SymbolButton.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "testkit/listener/AccessibleEventLog.h"
#include "testkit/probe/AccessibilityAudit.h"
#include "testkit/probe/Probe.h"

namespace tidewell::screens {
namespace {

using namespace design::literals;

QAccessibleInterface* iface(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }

TEST(AccessibleKit, TextsReadAsTextByTheirWholeTextAndFollowIt) {
  TextLabel label(QStringLiteral("A long sentence that the label cuts short at its width"),
                  textLook(12).elided(Qt::ElideRight));
  label.setFixedWidth(60);
  FittedLabel figure(QStringLiteral("142 GB"), {design::inter(54), Qt::white, 0.6});
  Badge badge(QStringLiteral("helper"), {});
  for (QWidget* w :
       {static_cast<QWidget*>(&label), static_cast<QWidget*>(&figure), static_cast<QWidget*>(&badge)}) {
    w->show();
    EXPECT_EQ(iface(w)->role(), QAccessible::StaticText) << w->metaObject()->className();
  }
  // The whole text, not the part painted.
  EXPECT_TRUE(label.isTruncated());
  EXPECT_EQ(iface(&label)->text(QAccessible::Name), label.text());
  label.setText(QStringLiteral("Found 38.69 GB of junk."));
  figure.setText(QStringLiteral("98 GB"));
  badge.setText(QStringLiteral("unused"));
  EXPECT_EQ(iface(&label)->text(QAccessible::Name), "Found 38.69 GB of junk.");
  EXPECT_EQ(iface(&figure)->text(QAccessible::Name), "98 GB");
  EXPECT_EQ(iface(&badge)->text(QAccessible::Name), "unused");
}

TEST(AccessibleKit, ASelectionBoxIsACheckBoxInItsMarkUnlessItOnlyShowsItsRow) {
  SelectionBox box(design::Color::white());
  box.setAccessibleName(QStringLiteral("System"));
  box.show();
  struct Case {
    SelectionMark mark;
    bool checked, mixed;
  };
  for (const Case& c : {Case{SelectionMark::off, false, false}, Case{SelectionMark::on, true, false},
                        Case{SelectionMark::mixed, false, true}}) {
    box.setMark(c.mark);
    const QAccessible::State state = iface(&box)->state();
    EXPECT_EQ(iface(&box)->role(), QAccessible::CheckBox);
    EXPECT_TRUE(state.checkable);
    EXPECT_EQ(bool(state.checked), c.checked) << int(c.mark);
    EXPECT_EQ(bool(state.checkStateMixed), c.mixed) << int(c.mark);
  }
  EXPECT_TRUE(box.focusPolicy() & Qt::TabFocus);
  box.setClickable(false);
  EXPECT_EQ(box.focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(design::isHiddenFromAccessibility(&box));
}

TEST(AccessibleKit, AClickableSurfaceIsAButtonThatSpaceAndReturnPress) {
  QWidget window;
  auto* holder = new QHBoxLayout(&window);
  auto* surfaceWidget = new Surface;
  holder->addWidget(surfaceWidget);
  Surface& surface = *surfaceWidget;
  auto* row = new QHBoxLayout(&surface);
  row->addWidget(new SymbolView("trash.fill"_symbol, 14));
  row->addWidget(new TextLabel(QStringLiteral("System")));
  surface.setClickable(true);
  window.resize(200, 40);
  window.show();
  QSignalSpy clicked(&surface, &Surface::clicked);
  EXPECT_EQ(iface(&surface)->role(), QAccessible::Button);
  EXPECT_EQ(iface(&surface)->text(QAccessible::Name), "System");
  surface.setFocus(Qt::TabFocusReason);
  probe::pressKey(&surface, Qt::Key_Space);
  probe::pressKey(&surface, Qt::Key_Return);
  EXPECT_EQ(clicked.count(), 2);
  // A surface that takes no clicks is a plain grouping, out of Tab's way.
  surface.setClickable(false);
  EXPECT_EQ(iface(&surface)->role(), QAccessible::Client);
  EXPECT_EQ(surface.focusPolicy(), Qt::NoFocus);
}

TEST(AccessibleKit, ASegmentedControlIsAListOfTabsTheChosenOneSelected) {
  SegmentedControl picker({QStringLiteral("Memory"), QStringLiteral("Startup")}, 0);
  picker.show();
  QAccessibleInterface* list = iface(&picker);
  EXPECT_EQ(list->role(), QAccessible::PageTabList);
  ASSERT_EQ(list->childCount(), 2);
  EXPECT_EQ(list->child(0)->role(), QAccessible::PageTab);
  EXPECT_EQ(list->child(0)->text(QAccessible::Name), "Memory");
  EXPECT_TRUE(list->child(0)->state().selected);
  EXPECT_FALSE(list->child(1)->state().selected);
  // Where each tab lies, in the screen's coordinates.
  EXPECT_EQ(list->child(1)->rect(),
            QRect(picker.mapToGlobal(picker.segmentRect(1).topLeft()), picker.segmentRect(1).size()));
  // The arrow keys choose, and the tabs follow.
  picker.setFocus(Qt::TabFocusReason);
  probe::pressKey(&picker, Qt::Key_Right);
  EXPECT_EQ(picker.currentIndex(), 1);
  EXPECT_TRUE(list->child(1)->state().selected);
  EXPECT_FALSE(list->child(0)->state().selected);
  EXPECT_EQ(list->focusChild(), list->child(1));
}

TEST(AccessibleKit, AProgressBarGivesItsValueAndABannerReadsAsAnAlertWithANamedCloseButton) {
  ProgressBar bar(0.37, 240);
  bar.show();
  EXPECT_EQ(iface(&bar)->role(), QAccessible::ProgressBar);
  EXPECT_EQ(iface(&bar)->text(QAccessible::Value), "37%");
  {
    tidewell::testing::AccessibleEventLog log;
    bar.setValue(0.5);
    // A scan's bar is heard as it moves.
    const std::vector<tidewell::testing::HeardEvent> moved = log.of(QAccessible::ValueChanged, &bar);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0].value.toInt(), 50);
  }
  EXPECT_EQ(iface(&bar)->valueInterface()->currentValue().toInt(), 50);

  ResultBanner banner(BannerLook{});
  banner.setText(QStringLiteral("Moved Beta to the Trash"), QStringLiteral("2 items · 301 MB."));
  banner.resize(500, 80);
  banner.show();
  EXPECT_EQ(probe::lines(probe::accessibilityProblems(&banner)), "");
  // An alert, read by its title, its sentence as the detail.
  EXPECT_EQ(iface(&banner)->role(), QAccessible::AlertMessage);
  EXPECT_EQ(iface(&banner)->text(QAccessible::Name), "Moved Beta to the Trash");
  EXPECT_EQ(iface(&banner)->text(QAccessible::Description), "2 items · 301 MB.");
  banner.setText(std::nullopt, QStringLiteral("Couldn't quit Slack."));
  EXPECT_EQ(iface(&banner)->text(QAccessible::Name), "Couldn't quit Slack.");
  EXPECT_EQ(iface(&banner)->text(QAccessible::Description), "");
  QAccessibleInterface* close = iface(banner.dismissButton());
  EXPECT_EQ(close->role(), QAccessible::Button);
  EXPECT_EQ(close->text(QAccessible::Name), "Close");
  QSignalSpy dismissed(&banner, &ResultBanner::dismissed);
  close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(dismissed.count(), 1);
}

TEST(AccessibleKit, ABannerIsNewsWhenItComesIntoViewAndWhenItsMessageChangesNotBefore) {
  QWidget screen;
  auto* column = new QHBoxLayout(&screen);
  auto* place = new MessageBanner(BannerLook{});
  column->addWidget(place);
  screen.resize(600, 120);
  tidewell::testing::AccessibleEventLog log;
  // A message that arrives while the screen is not shown says nothing yet.
  place->setMessage(QStringLiteral("Asked Slack to quit. Its memory frees as it closes."));
  EXPECT_TRUE(log.of(QAccessible::Alert).empty());
  screen.show();
  probe::settle();
  std::vector<tidewell::testing::HeardEvent> alerts = log.of(QAccessible::Alert, place->banner());
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0].name, "Asked Slack to quit. Its memory frees as it closes.");
  // The next message in the banner on screen.
  place->setMessage(QStringLiteral("Slack wouldn't quit. It may have unsaved work open."));
  alerts = log.of(QAccessible::Alert, place->banner());
  ASSERT_EQ(alerts.size(), 2u);
  EXPECT_EQ(alerts[1].name, "Slack wouldn't quit. It may have unsaved work open.");
  EXPECT_EQ(log.of(QAccessible::ObjectShow, place->banner()).back().name, alerts[1].name);
  // The same message again is no news.
  place->setMessage(QStringLiteral("Slack wouldn't quit. It may have unsaved work open."));
  EXPECT_EQ(log.of(QAccessible::Alert, place->banner()).size(), 2u);
}

TEST(AccessibleKit, TheAuditFindsAGaugeThatReportsANumberItDoesNotShow) {
  QWidget gauge;
  gauge.setAccessibleName(QStringLiteral("used"));
  design::GaugeReading reading{73, QStringLiteral("73%")};
  design::setAccessibleReading(&gauge, [&reading] { return reading; });
  gauge.show();
  EXPECT_EQ(probe::lines(probe::accessibilityProblems(&gauge)), "");
  reading = {74, QStringLiteral("73%")};
  EXPECT_NE(probe::lines(probe::accessibilityProblems(&gauge)).find("gauge whose value 74"),
            std::string::npos);
  reading = {12, QStringLiteral("12% in use")};
  EXPECT_EQ(probe::lines(probe::accessibilityProblems(&gauge)), "");
}

}  // namespace
}  // namespace tidewell::screens
