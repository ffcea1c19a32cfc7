#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include "testkit/support/ProgramRun.h"
#include "widget/DesktopWindowFlags.h"
#include "widget/TidewellWidgetView.h"
#include "widget/WidgetOptions.h"

namespace tidewell::widget {
namespace {

struct ClickFixture : ::testing::Test {
  std::vector<QUrl> opened;
  TidewellWidgetView view{WidgetFamily::Small, [this](const QUrl& link) { opened.push_back(link); }};

  void SetUp() override { view.show(); }

  void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(view.mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
  }
};

TEST_F(ClickFixture, AClickOpensTheScanLinkOnce) {
  QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(80, 80));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], QUrl("tidewellmac://scan"));
}

TEST_F(ClickFixture, RightClicksAndDragsOpenNothing) {
  send(QEvent::MouseButtonPress, {80, 80}, Qt::RightButton, Qt::RightButton);
  send(QEvent::MouseButtonRelease, {80, 80}, Qt::RightButton, Qt::NoButton);
  send(QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, {70, 70}, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {70, 70}, Qt::LeftButton, Qt::NoButton);
  EXPECT_TRUE(opened.empty());
  // The next plain click still opens the link.
  send(QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {21, 20}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(ClickFixture, TheContextMenuOffersCloseOnly) {
  const auto menu = view.makeContextMenu();
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions()[0]->text(), "Close");
  menu->actions()[0]->trigger();
  EXPECT_FALSE(view.isVisible());
  EXPECT_TRUE(opened.empty());
}

TEST(TidewellWidgetView, EachFamilyHasItsSize) {
  EXPECT_EQ(TidewellWidgetView(WidgetFamily::Small, {}).size(), QSize(170, 170));
  EXPECT_EQ(TidewellWidgetView(WidgetFamily::Medium, {}).size(), QSize(364, 170));
}

TEST(DesktopWindowFlags, FramelessEverywhereAndBelowOthersOnX11) {
  const Qt::WindowFlags x11 = desktopWindowFlags("xcb");
  EXPECT_TRUE(x11 & Qt::FramelessWindowHint);
  EXPECT_TRUE(x11 & Qt::WindowStaysOnBottomHint);
  for (const char* platform : {"wayland", "offscreen"}) {
    const Qt::WindowFlags flags = desktopWindowFlags(platform);
    EXPECT_TRUE(flags & Qt::FramelessWindowHint) << platform;
    EXPECT_FALSE(flags & Qt::WindowStaysOnBottomHint) << platform;
  }
}

TEST(WidgetOptions, CommandLines) {
  struct Case {
    QStringList arguments;
    WidgetFamily family;
    bool placeholder;
    bool error;
  };
  const Case cases[] = {
      {{}, WidgetFamily::Small, false, false},
      {{"--family", "medium"}, WidgetFamily::Medium, false, false},
      {{"--family=small", "--placeholder"}, WidgetFamily::Small, true, false},
      {{"--placeholder", "--family", "medium"}, WidgetFamily::Medium, true, false},
      {{"--family", "large"}, WidgetFamily::Small, false, true},
      {{"--family"}, WidgetFamily::Small, false, true},
      {{"--colour"}, WidgetFamily::Small, false, true},
      {{"tidewellmac://scan"}, WidgetFamily::Small, false, true},
  };
  for (const Case& c : cases) {
    const WidgetOptions options = parseWidgetOptions(QStringList{"tidewell-mac-widget"} + c.arguments);
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    EXPECT_EQ(options.error.isEmpty(), !c.error) << options.error.toStdString();
    if (c.error) {
      EXPECT_TRUE(options.error.endsWith('.'));
      continue;
    }
    EXPECT_EQ(options.family, c.family);
    EXPECT_EQ(options.placeholder, c.placeholder);
  }
}

// Help and a mistyped option are answered before the application object,
// which would abort for want of a display.
TEST(WidgetOptions, TheProgramAnswersHelpAndMistakesWithoutADisplay) {
  testing::expectAnswers(QStringLiteral(TIDEWELL_WIDGET_PROGRAM),
                         {
                             {{"--help"}, 0, "Usage: tidewell-mac-widget [options]", ""},
                             {{"--family", "medium", "-h"}, 0, "--placeholder", ""},
                             {{"-platform", "xcb", "--help"}, 0, "--family <small|medium>", ""},
                             {{"--family", "large"},
                              2,
                              "",
                              "tidewell-mac-widget: Unknown family \"large\": use small or medium.\n"},
                             {{"--colour"}, 2, "", "tidewell-mac-widget: Unknown option 'colour'.\n"},
                             {{"--help-all"}, 2, "", "tidewell-mac-widget: Unknown option 'help-all'.\n"},
                         });
}

TEST(WidgetAccessibility, TheWidgetIsOneLinkNamedByWhatItShowsThatItsActionAndTheKeysFollow) {
  struct Case {
    WidgetFamily family;
    const char* name;
  };
  const Case cases[] = {
      {WidgetFamily::Small, "TidewellMac, 98 GB free"},
      {WidgetFamily::Medium, "TidewellMac, 60%, 98 GB free of 245 GB, Tap to scan"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<QUrl> opened;
    TidewellWidgetView view(c.family, [&opened](const QUrl& link) { opened.push_back(link); });
    view.setEntry({{}, 98'000'000'000, 245'000'000'000});
    view.show();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Link);
    EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), c.name);
    ASSERT_NE(iface->actionInterface(), nullptr);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    view.setFocus(Qt::TabFocusReason);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) QTest::keyClick(&view, key);
    ASSERT_EQ(opened.size(), 3u);
    for (const QUrl& link : opened) EXPECT_EQ(link, QUrl("tidewellmac://scan"));
  }
}

TEST(WidgetAccessibility, TheFocusRingShowsOnlyAfterAKeyAndGoesWithAClick) {
  TidewellWidgetView view(WidgetFamily::Small, [](const QUrl&) {});
  view.show();
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  view.setFocus(Qt::OtherFocusReason);
  EXPECT_FALSE(view.showsFocusRing());
  QTest::keyClick(&view, Qt::Key_Shift);
  EXPECT_TRUE(view.showsFocusRing());
  QImage ringed(view.size(), QImage::Format_ARGB32_Premultiplied);
  ringed.fill(Qt::transparent);
  view.render(&ringed);
  QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, QPoint(80, 80));
  EXPECT_FALSE(view.showsFocusRing());
  QImage plain(view.size(), QImage::Format_ARGB32_Premultiplied);
  plain.fill(Qt::transparent);
  view.render(&plain);
  EXPECT_NE(ringed, plain);
  // The ring runs along the edge: the left edge's middle is green then.
  const QColor edge = ringed.pixelColor(1, view.height() / 2);
  EXPECT_GT(edge.green(), edge.red() + 60);
}

}  // namespace
}  // namespace tidewell::widget
