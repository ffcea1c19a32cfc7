#include <gtest/gtest.h>

#include "design/components/ScanCircleButton.h"
#include "screens/clean/CleanView.h"
#include "screens/clean/PercentRing.h"
#include "screens/clean/ScanPage.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/CleanStage.h"

namespace tidewell::screens {
namespace {

using models::CleanupViewModel;
using probe::CleanStage;

struct ScanScreen {
  CleanStage clean;
  probe::Stage stage{makeScanPage(clean.model, clean.settings), design::SectionPalette::clean(),
                     probe::kDetailPaneSize};
  ScanScreen() { probe::render(&stage); }

  QWidget* find(const char* name) { return probe::find(&stage, QString::fromLatin1(name)); }
  bool shown(const char* name) { return probe::isShown(find(name)); }
  QString text(const char* name) { return probe::textOf(find(name)); }
  QString percent() { return probe::find<PercentRing>(&stage, QStringLiteral("scanRing"))->percent(); }
};

TEST(ScanPage, BeforeAnyCleaningTheButtonAndTaglineShowWithoutAFreedLine) {
  ScanScreen page;
  EXPECT_TRUE(page.shown("scanButton"));
  EXPECT_EQ(page.text("scanButton"), "Scan My Mac");
  EXPECT_FALSE(page.shown("scanRing"));
  EXPECT_EQ(page.text("tagline"), "Finds junk your Mac can rebuild. You choose what goes.");
  EXPECT_FALSE(page.shown("freedLine"));

  // The page follows the setting while it is shown.
  page.clean.settings->addFreedBytes(1'200'000'000);
  probe::settle();
  EXPECT_TRUE(page.shown("freedLine"));
  EXPECT_EQ(page.text("freedLine"), "+1.2 GB so far");
}

TEST(ScanPage, TheButtonStartsTheScanAndTheRingFollowsItsProgress) {
  ScanScreen page;
  page.clean.settings->addFreedBytes(5'000);
  probe::settle();
  ASSERT_TRUE(page.shown("freedLine"));

  probe::click(page.find("scanButton"));
  EXPECT_EQ(page.clean.model->phase(), CleanupViewModel::Phase::scanning);
  EXPECT_FALSE(page.shown("scanButton"));
  EXPECT_TRUE(page.shown("scanRing"));
  EXPECT_FALSE(page.shown("freedLine"));
  EXPECT_EQ(page.text("tagline"), "Just looking. Nothing gets deleted.");
  EXPECT_EQ(page.percent(), "0%");
  EXPECT_EQ(probe::textOf(probe::find(page.find("scanRing"), QStringLiteral("ringWord"))), "scanning");

  page.clean.executor->runJob(0);  // the listing
  testing::settle();
  page.clean.measure(25);  // of 67 rows
  EXPECT_EQ(page.percent(), "37%");
  page.clean.runToEnd();
  EXPECT_EQ(page.clean.model->phase(), CleanupViewModel::Phase::review);
  EXPECT_EQ(page.percent(), "100%");
}

TEST(ScanPage, AScanStartedElsewhereShowsTheRingToo) {
  ScanScreen page;
  page.clean.startScan();  // as Smart Scan would
  EXPECT_TRUE(page.shown("scanRing"));
  EXPECT_FALSE(page.shown("scanButton"));
  page.clean.measure(66);
  EXPECT_EQ(page.percent(), "98%");
}

}  // namespace
}  // namespace tidewell::screens
