#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>

#include "app/tray/PopoverPlacement.h"
#include "app/tray/PopoverToggle.h"
#include "app/tray/PopoverWindow.h"
#include "design/components/PillButton.h"

namespace tidewell::app {
namespace {

TEST(PopoverPlacement, UnderTheIconElseThePointerAlwaysOnScreen) {
  const QRect screen(0, 0, 1920, 1080);
  const QSize size(300, 400);
  struct Case {
    const char* name;
    QRect anchor;
    QPoint cursor;
    QPoint expected;
  };
  const Case cases[] = {
      {"under a top-panel icon", {1000, 0, 24, 24}, {5, 5}, {861, 24 + kPopoverGap}},
      {"near the right edge", {1900, 0, 20, 24}, {}, {1920 - 300, 24 + kPopoverGap}},
      {"near the left edge", {0, 0, 20, 24}, {}, {0, 24 + kPopoverGap}},
      {"bottom panel: above the icon", {1000, 1056, 24, 24}, {}, {861, 1056 - kPopoverGap - 400}},
      {"no icon geometry: at the pointer", {}, {700, 300}, {550, 300 + kPopoverGap}},
      {"pointer in a corner", {}, {1919, 1079}, {1620, 1079 - kPopoverGap - 400}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(popoverPosition(c.anchor, c.cursor, size, screen), c.expected) << c.name;

  // A second screen to the right, and a screen too small for the popover.
  EXPECT_EQ(popoverPosition({}, {1930, 10}, size, {1920, 0, 1280, 1024}), QPoint(1920, 10 + kPopoverGap));
  EXPECT_EQ(popoverPosition({}, {100, 100}, size, {0, 0, 200, 300}), QPoint(0, 0));
}

TEST(PopoverToggle, AClickRightAfterClosingOnlyCloses) {
  PopoverToggle toggle;
  using A = PopoverToggle::Action;
  EXPECT_EQ(toggle.onClick(false, 1000), A::Show);
  EXPECT_EQ(toggle.onClick(true, 1100), A::Close);
  toggle.noteClosed(2000);  // focus lost as the tray is clicked
  EXPECT_EQ(toggle.onClick(false, 2000), A::Nothing);
  EXPECT_EQ(toggle.onClick(false, 2249), A::Nothing);
  EXPECT_EQ(toggle.onClick(false, 2250), A::Show);
  EXPECT_EQ(toggle.onClick(false, 1999), A::Show);  // a clock that went back guards nothing
}

TEST(PopoverWindow, EachShowingBuildsFreshContentAndClosingDiscardsIt) {
  int built = 0;
  std::function<void()> closeFromContent;
  PopoverWindow popover([&](std::function<void()> close) {
    ++built;
    closeFromContent = close;
    auto* label = new QLabel(QStringLiteral("content %1").arg(built));
    label->setFixedSize(300, 200);
    return label;
  });
  int closed = 0;
  QObject::connect(&popover, &PopoverWindow::closed, &popover, [&] { ++closed; });

  popover.open({}, {50, 50});
  ASSERT_TRUE(popover.isVisible());
  QPointer<QWidget> first = popover.content();
  ASSERT_TRUE(first);
  EXPECT_EQ(popover.size(), QSize(300, 200));
  EXPECT_TRUE(popover.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(popover.windowFlags().testFlag(Qt::Tool));

  closeFromContent();
  EXPECT_FALSE(popover.isVisible());
  EXPECT_EQ(closed, 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(first);

  popover.open({}, {50, 50});
  EXPECT_EQ(built, 2);
  EXPECT_NE(popover.content(), nullptr);
  popover.dismiss();
  EXPECT_EQ(popover.content(), nullptr);
  EXPECT_EQ(closed, 2);
}

TEST(PopoverWindow, EscapeClosesItWhereverTheFocusIsInside) {
  QPointer<QAbstractButton> button;
  PopoverWindow popover([&](std::function<void()>) {
    auto* content = new QWidget;
    content->setFixedSize(300, 200);
    auto* column = new QVBoxLayout(content);
    button = new design::PillButton({QStringLiteral("Scan My Mac"), std::nullopt}, {});
    column->addWidget(button);
    return content;
  });
  int closed = 0;
  QObject::connect(&popover, &PopoverWindow::closed, &popover, [&] { ++closed; });
  popover.open({}, {50, 50});
  ASSERT_TRUE(button);
  button->setFocus(Qt::TabFocusReason);
  QTest::keyClick(button, Qt::Key_Escape);
  EXPECT_FALSE(popover.isVisible());
  EXPECT_EQ(closed, 1);
}

}  // namespace
}  // namespace tidewell::app
