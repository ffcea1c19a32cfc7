#include "app/root/SectionScreens.h"

#include <gtest/gtest.h>

#include "app/root/ContentView.h"
#include "app/root/DetailPane.h"
#include "design/components/ScreenHeader.h"
#include "models/apps/AppsViewModel.h"
#include "models/deepscan/DeepScanViewModel.h"
#include "models/smartscan/SmartScanController.h"
#include "screens/advisor/AdvisorView.h"
#include "screens/apps/AppsView.h"
#include "screens/common/controls/SegmentedControl.h"
#include "screens/deepscan/DeepScanView.h"
#include "screens/home/HomeView.h"
#include "screens/performance/PerformanceView.h"
#include "testkit/probe/Probe.h"
#include "tests/app/root/WindowFixture.h"

namespace tidewell::app {
namespace {

using Phase = models::AppsViewModel::Phase;

class SectionScreens : public testing::WindowFixture {};

TEST_F(SectionScreens, TheAppsSectionShowsTheAppsScreenOverTheWindowsModel) {
  ContentView& content = open();
  content.show();
  content.setSection(Section::apps);
  auto* apps = qobject_cast<screens::AppsView*>(content.detailPane()->screen());
  ASSERT_NE(apps, nullptr);
  EXPECT_EQ(apps->page()->objectName(), "appsIdle");

  ASSERT_TRUE(probe::click(probe::find(apps, "scanButton")));
  EXPECT_EQ(content.models().apps->phase(), Phase::scanning);
  runJobs();
  probe::settle();
  EXPECT_EQ(content.models().apps->phase(), Phase::list);
  EXPECT_EQ(apps->page()->objectName(), "appsList");
  auto* header = probe::find<design::ScreenHeader>(apps, "header");
  ASSERT_NE(header, nullptr);
  // The fixture home has no applications.
  EXPECT_EQ(header->subtitleText(),
            QString::fromUtf8("0 apps \u00b7 Zero KB. Deletes go to the Trash, undo anytime."));

  // Shown again, the section gets a fresh screen over the same model.
  content.setSection(Section::home);
  content.setSection(Section::apps);
  auto* again = qobject_cast<screens::AppsView*>(content.detailPane()->screen());
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->page()->objectName(), "appsList");
}

TEST_F(SectionScreens, HomeStartsSmartScanInPlaceAndItsTilesAndCardsSwitchSections) {
  ContentView& content = open();
  content.show();
  auto* home = qobject_cast<screens::HomeView*>(content.detailPane()->screen());
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(home->body()->objectName(), "homePage");
  ASSERT_TRUE(probe::click(probe::find(home, "scanButton")));
  EXPECT_EQ(smartScans(), 1);
  EXPECT_EQ(home->body()->objectName(), "smartScanView");
  runJobs();
  probe::settle();
  EXPECT_EQ(content.models().smartScan->phase(), models::SmartScanController::Phase::done);

  ASSERT_TRUE(probe::click(probe::find(home, "toolCard", "Deep Scan")));
  probe::settle();
  EXPECT_EQ(content.section(), Section::deepScan);
  // Back on Home the result is still there; "Home" brings the page back.
  content.setSection(Section::home);
  home = qobject_cast<screens::HomeView*>(content.detailPane()->screen());
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(home->body()->objectName(), "smartScanView");
  ASSERT_TRUE(probe::click(probe::find(home, "homeButton")));
  probe::settle();
  EXPECT_EQ(home->body()->objectName(), "homePage");
  ASSERT_TRUE(probe::click(probe::find(home, "toolTile", "Apps")));
  probe::settle();
  EXPECT_EQ(content.section(), Section::apps);
}

TEST_F(SectionScreens, ThePerformanceSectionShowsItsScreenAndLeadsToTheHomesAutostartFolder) {
  ContentView& content = open();
  content.show();
  content.setSection(Section::performance);
  auto* performance = qobject_cast<screens::PerformanceView*>(content.detailPane()->screen());
  ASSERT_NE(performance, nullptr);
  EXPECT_EQ(performance->page()->objectName(), "performanceIntro");
  ASSERT_TRUE(probe::click(probe::find(performance, "scanButton")));
  runJobs();
  probe::settle();
  ASSERT_EQ(performance->page()->objectName(), "performanceList");

  auto* picker = probe::find<screens::SegmentedControl>(performance, "panelPicker");
  ASSERT_NE(picker, nullptr);
  probe::click(picker, picker->segmentRect(1).center());
  ASSERT_TRUE(probe::click(probe::find(performance, "loginSettingsButton")));
  EXPECT_EQ(fakes.revealer->revealed, QStringList{QString::fromStdString(home.path(".config/autostart"))});
}

TEST_F(SectionScreens, TheAdvisorSectionShowsItsScreenAndAFindingLessMachineIsAllGood) {
  ContentView& content = open();
  content.show();
  content.setSection(Section::advisor);
  auto* advisor = qobject_cast<screens::AdvisorView*>(content.detailPane()->screen());
  ASSERT_NE(advisor, nullptr);
  EXPECT_EQ(advisor->page()->objectName(), "advisorIntro");
  ASSERT_TRUE(probe::click(probe::find(advisor, "scanButton")));
  runJobs();
  probe::settle();
  ASSERT_EQ(advisor->page()->objectName(), "advisorList");
  EXPECT_TRUE(probe::isShown(probe::find(advisor, "allGoodCard")));
  EXPECT_EQ(probe::textOf(probe::find(advisor, "headline")), "You're all good.");
}

TEST_F(SectionScreens, TheDeepScanSectionShowsTheDeepScanScreenOverTheWindowsModel) {
  using probe::find;
  using probe::isShown;
  ContentView& content = open();
  content.show();
  content.setSection(Section::deepScan);
  auto* deepScan = qobject_cast<screens::DeepScanView*>(content.detailPane()->screen());
  ASSERT_NE(deepScan, nullptr);
  ASSERT_NE(find(deepScan, "deepScanStart"), nullptr);

  ASSERT_TRUE(probe::click(find(deepScan, "scanButton")));
  EXPECT_EQ(content.models().deepScan->phase(), models::DeepScanViewModel::Phase::scanning);
  runJobs();
  probe::settle();
  EXPECT_EQ(content.models().deepScan->phase(), models::DeepScanViewModel::Phase::list);
  // Nothing in the fixture home is big.
  ASSERT_NE(find(deepScan, "emptyState"), nullptr);
  EXPECT_TRUE(isShown(find(deepScan, "emptyState")));
  EXPECT_EQ(find<design::ScreenHeader>(deepScan, "screenHeader")->subtitleText(),
            QString::fromUtf8("0 big items \u2022 Zero KB"));

  content.setSection(Section::home);
  content.setSection(Section::deepScan);
  auto* again = qobject_cast<screens::DeepScanView*>(content.detailPane()->screen());
  ASSERT_NE(again, nullptr);
  EXPECT_NE(find(again, "deepScanList"), nullptr);
  EXPECT_EQ(again->viewingBucket(), std::nullopt);
}

}  // namespace
}  // namespace tidewell::app
