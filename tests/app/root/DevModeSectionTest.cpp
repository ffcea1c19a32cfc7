#include <QTest>
#include <filesystem>

#include "app/root/DetailPane.h"
#include "app/root/Sidebar.h"
#include "design/components/SidebarRow.h"
#include "design/theme/SectionAccent.h"
#include "models/devmode/DevModeViewModel.h"
#include "models/smartscan/SmartScanController.h"
#include "screens/devmode/DevItemRow.h"
#include "screens/devmode/DevModeView.h"
#include "testkit/probe/Probe.h"
#include "tests/app/root/WindowFixture.h"

namespace tidewell::app {
namespace {

using Phase = models::DevModeViewModel::Phase;

class DevModeSection : public testing::WindowFixture {};

TEST_F(DevModeSection, TheSectionShowsTheDevModeScreenWhichScansAndCleansOnlyThePicks) {
  ContentView& content = open(true);
  content.show();
  QTest::mouseClick(content.sidebar()->row(Section::devMode), Qt::LeftButton);
  auto* screen = qobject_cast<screens::DevModeView*>(content.detailPane()->screen());
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(design::SectionAccent::of(screen), design::SectionPalette::devMode());

  ASSERT_TRUE(probe::click(probe::find(screen, "scanButton")));
  runJobs();
  probe::settle();
  const auto& model = *content.models().devMode;
  ASSERT_EQ(model.phase(), Phase::review);
  // The fixture's npm cache is the one thing found, and it starts picked.
  auto* npm = probe::find<screens::DevItemRow>(screen, "itemRow", "npm-cache");
  ASSERT_NE(npm, nullptr);
  EXPECT_TRUE(npm->isOn());
  ASSERT_EQ(model.selectedItems().size(), 1u);

  ASSERT_TRUE(probe::click(probe::find(screen, "cleanUpButton")));
  runJobs();
  probe::settle();
  ASSERT_EQ(model.phase(), Phase::done);
  EXPECT_FALSE(std::filesystem::exists(home.path(".npm/_cacache/content-v2/sha512/aa")));
  EXPECT_TRUE(std::filesystem::exists(home.path("Documents/keep.txt")));
  EXPECT_EQ(probe::textOf(probe::find(screen, "resultTitle")).left(6), "Freed ");
  EXPECT_FALSE(probe::isShown(probe::find(screen, "leftBehind")));
}

}  // namespace
}  // namespace tidewell::app
