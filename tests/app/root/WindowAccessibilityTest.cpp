// The window as assistive technology and the keyboard meet it: every
// section's screen, the sidebar, the welcome card, About and the popover.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "app/AppBridge.h"
#include "app/about/AboutSheet.h"
#include "app/firstrun/OnboardingView.h"
#include "app/popover/MenuBarView.h"
#include "app/root/ContentView.h"
#include "app/root/MainLayer.h"
#include "app/root/Sidebar.h"
#include "design/accessibility/AccessibleTraits.h"
#include "design/components/SidebarRow.h"
#include "design/paint/AmbientBackground.h"
#include "models/SettingsStore.h"
#include "models/smartscan/SmartScanController.h"
#include "testkit/probe/AccessibilityAudit.h"
#include "testkit/probe/Probe.h"
#include "tests/app/root/WindowFixture.h"

namespace tidewell::app {
namespace {

namespace probe = screens::probe;
using testing::WindowFixture;

class WindowAccessibility : public WindowFixture {
 protected:
  ContentView& shown(bool hasDevTools = true) {
    ContentView& content = open(hasDevTools);
    probe::render(&content);
    return content;
  }
};

// The node of obj in the tree from root, or none.
std::optional<probe::AccessibleNode> nodeOf(QWidget* root, const QObject* obj) {
  for (const probe::AccessibleNode& node : probe::accessibleTree(root))
    if (node.object == obj) return node;
  return std::nullopt;
}

TEST_F(WindowAccessibility, EverySectionReadsWithNamedControlsAndTabsInReadingOrder) {
  ContentView& content = shown();
  for (Section section : visibleSections(true)) {
    SCOPED_TRACE(sectionTitle(section).toStdString());
    content.setSection(section);
    probe::settle();
    EXPECT_EQ(probe::lines(probe::accessibilityProblems(&content)), "");
    EXPECT_EQ(probe::lines(probe::describe(probe::tabOrder(&content))),
              probe::lines(probe::describe(probe::readingOrder(&content))));
    // The sidebar's sections are tabs; the shown one is selected.
    for (Section row : visibleSections(true)) {
      const auto node = nodeOf(&content, content.sidebar()->row(row));
      ASSERT_TRUE(node) << sectionTitle(row).toStdString();
      EXPECT_EQ(node->role, QAccessible::PageTab);
      EXPECT_EQ(node->name, sectionTitle(row));
      EXPECT_EQ(bool(node->state.selected), row == section);
    }
  }
}

TEST_F(WindowAccessibility, TheBackdropAndItsGrainAreLeftOutOfTheTree) {
  ContentView& content = shown();
  design::AmbientBackground* backdrop = content.mainLayer()->backdrop();
  ASSERT_TRUE(backdrop->isVisible());
  // Absent: no node of the tree walked from the window is the backdrop (or
  // lies in it), and asked directly it reads as hidden, without a name.
  EXPECT_FALSE(probe::isListed(&content, backdrop));
  QAccessibleInterface* direct = QAccessible::queryAccessibleInterface(backdrop);
  ASSERT_NE(direct, nullptr);
  EXPECT_TRUE(direct->state().invisible);
  EXPECT_EQ(direct->text(QAccessible::Name), "");
  // The layer that holds it is still read: the split beside it is listed.
  EXPECT_TRUE(probe::isListed(&content, content.mainLayer()->split()));
}

TEST_F(WindowAccessibility, UpAndDownInTheSidebarMoveThroughTheSections) {
  ContentView& content = shown();
  design::SidebarRow* home = content.sidebar()->row(Section::home);
  home->setFocus(Qt::TabFocusReason);
  const std::vector<Section> sections = visibleSections(true);
  // Down to the last section, one at a time, the focus following.
  for (std::size_t i = 1; i < sections.size(); ++i) {
    probe::pressKey(&content, Qt::Key_Down);
    EXPECT_EQ(content.section(), sections[i]);
    EXPECT_EQ(content.window()->focusWidget(), content.sidebar()->row(sections[i]));
  }
  probe::pressKey(&content, Qt::Key_Down);  // nothing below the last
  EXPECT_EQ(content.section(), sections.back());
  probe::pressKey(&content, Qt::Key_Up);
  EXPECT_EQ(content.section(), sections[sections.size() - 2]);
  EXPECT_EQ(content.window()->focusWidget(), content.sidebar()->row(sections[sections.size() - 2]));
}

TEST_F(WindowAccessibility, TheWelcomeCardAndAboutReadWithNamedControls) {
  {
    OnboardingView onboarding;
    onboarding.resize(1060, 680);
    probe::render(&onboarding);
    EXPECT_EQ(probe::lines(probe::accessibilityProblems(&onboarding)), "");
    EXPECT_FALSE(probe::isListed(&onboarding, onboarding.findChild<design::AmbientBackground*>()));
  }
  ContentView& content = shown();
  content.showAbout();
  probe::settle();
  AboutSheet* about = content.aboutSheet();
  ASSERT_TRUE(about->isVisible());
  EXPECT_EQ(probe::lines(probe::accessibilityProblems(about)), "");
  EXPECT_FALSE(probe::accessibleControls(about).isEmpty());
}

TEST(PopoverAccessibility, ThePopoverReadsWithNamedControlsAndItsVolumeAsAValue) {
  QTemporaryDir dir;
  auto settings = models::SettingsStore::atFile(dir.filePath("settings.ini"));
  AppBridge bridge;
  MenuBarView view(bridge,
                   {[] {
                      return std::optional<platform::VolumeCapacity>({61'234'567'890, 494'384'795'648});
                    },
                    settings},
                   [] {});
  probe::render(&view);
  EXPECT_EQ(probe::lines(probe::accessibilityProblems(&view)), "");
  EXPECT_EQ(probe::lines(probe::describe(probe::tabOrder(&view))),
            probe::lines(probe::describe(probe::readingOrder(&view))));
  const auto volume = nodeOf(&view, view.findChild<QWidget*>("volumeCard"));
  ASSERT_TRUE(volume);
  EXPECT_EQ(volume->role, QAccessible::ProgressBar);
  EXPECT_EQ(volume->name, "61.23 GB free of 494.38 GB");
  EXPECT_EQ(volume->value, "87% used");
}

}  // namespace
}  // namespace tidewell::app
