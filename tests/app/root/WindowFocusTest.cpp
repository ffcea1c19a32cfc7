// Where the keyboard focus goes in the window: the ring outside the
// sections.
#include <gtest/gtest.h>

#include <QTest>

#include "app/about/AboutSheet.h"
#include "app/root/Sidebar.h"
#include "design/keyboard/KeyboardFocus.h"
#include "models/smartscan/SmartScanController.h"
#include "testkit/probe/Probe.h"
#include "tests/app/root/WindowFixture.h"

namespace tidewell::app {
namespace {

namespace probe = screens::probe;
using testing::WindowFixture;

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
};

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

}  // namespace
}  // namespace tidewell::app
