// The window as assistive technology and the keyboard meet it: every
// section's screen, the sidebar, the welcome card, About and the popover.
#include <gtest/gtest.h>

#include <QAccessibleValueInterface>
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
#include "testkit/listener/AccessibleEventLog.h"
#include "testkit/probe/AccessibilityAudit.h"
#include "testkit/probe/Probe.h"
#include "tests/app/root/WindowFixture.h"

namespace tidewell::app {
namespace {
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

TEST_F(WindowAccessibility, TheSectionsAreOneTabListSoEachRowSaysWhereItStands) {
  ContentView& content = shown(true);
  const std::vector<Section> sections = visibleSections(true);
  QAccessibleInterface* row = QAccessible::queryAccessibleInterface(content.sidebar()->row(sections[3]));
  QAccessibleInterface* list = row->parent();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::PageTabList);
  EXPECT_EQ(list->text(QAccessible::Name), "Sections");
  // The tabs and nothing else, in order: the fourth row is 4 of 7.
  ASSERT_EQ(list->childCount(), int(sections.size()));
  for (std::size_t i = 0; i < sections.size(); ++i) {
    EXPECT_EQ(list->child(int(i))->object(), content.sidebar()->row(sections[i])) << i;
    EXPECT_EQ(list->child(int(i))->role(), QAccessible::PageTab) << i;
  }
  EXPECT_EQ(list->indexOfChild(row), 3);
  EXPECT_TRUE(probe::isListed(&content, list->object()));
}

TEST_F(WindowAccessibility, ARowTheArrowKeysReachIsSelectedBeforeItTakesTheFocus) {
  ContentView& content = shown();
  content.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&content));
  design::SidebarRow* home = content.sidebar()->row(Section::home);
  home->setFocus(Qt::TabFocusReason);
  tidewell::testing::AccessibleEventLog log;
  probe::pressKey(&content, Qt::Key_Down);
  design::SidebarRow* clean = content.sidebar()->row(Section::clean);
  ASSERT_EQ(content.section(), Section::clean);
  const std::vector<tidewell::testing::HeardEvent> focus = log.of(QAccessible::Focus, clean);
  ASSERT_FALSE(focus.empty());
  // Heard as the selected tab when the focus reaches it.
  EXPECT_TRUE(focus.front().state.selected);
  EXPECT_EQ(focus.front().name, "Clean");
  EXPECT_EQ(log.of(QAccessible::SelectionAdd, clean).size(), 1u);
  EXPECT_EQ(log.of(QAccessible::SelectionRemove, home).size(), 1u);
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
  tidewell::testing::AccessibleEventLog log;
  probe::render(&view);
  EXPECT_EQ(probe::lines(probe::accessibilityProblems(&view)), "");
  EXPECT_EQ(probe::lines(probe::describe(probe::tabOrder(&view))),
            probe::lines(probe::describe(probe::readingOrder(&view))));
  const auto volume = nodeOf(&view, view.findChild<QWidget*>("volumeCard"));
  ASSERT_TRUE(volume);
  EXPECT_EQ(volume->role, QAccessible::ProgressBar);
  EXPECT_EQ(volume->name, "61.23 GB free of 494.38 GB");
  EXPECT_EQ(volume->value, "87% used");
  // 87.6 % used reads as the 87 shown, through the value interface too.
  QWidget* card = view.findChild<QWidget*>("volumeCard");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(card)->valueInterface()->currentValue().toInt(), 87);
  // Measured as it shows: the figures are told anew.
  const std::vector<tidewell::testing::HeardEvent> renamed = log.of(QAccessible::NameChanged, card);
  ASSERT_FALSE(renamed.empty());
  EXPECT_EQ(renamed.back().name, "61.23 GB free of 494.38 GB");
}

}  // namespace
}  // namespace tidewell::app
