#include "screens/smartscan/SmartScanPage.h"

#include <gtest/gtest.h>

#include <QAccessibleValueInterface>
#include <QCoreApplication>
#include <QPointer>
#include <QScrollArea>
#include <chrono>
#include <vector>

#include "design/components/CountUpBytes.h"
#include "design/motion/AnimationClock.h"
#include "screens/common/views/Entrance.h"
#include "screens/common/views/SymbolView.h"
#include "screens/home/HomeView.h"
#include "screens/smartscan/ScanDoneBlock.h"
#include "screens/smartscan/ScanHeadline.h"
#include "screens/smartscan/SegmentedScanRing.h"
#include "screens/smartscan/ToolCard.h"
#include "screens/smartscan/ToolCardRow.h"
#include "testkit/listener/AccessibleEventLog.h"
#include "testkit/probe/AccessibilityAudit.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/ScanRig.h"
#include "tests/screens/smartscan/MovingMotion.h"

namespace tidewell::screens {
namespace {

using Phase = models::SmartScanController::Phase;
using Kind = ToolCardStatus::Kind;
using std::chrono::hours;

constexpr int64_t MB = 1'000'000;

void script(probe::ScanRig& rig) {
  rig.cleanupEngine->addRow("derived-data", "Xcode DerivedData", 1'500 * MB);
  rig.cleanupEngine->addRow("npm", "npm cache", 500 * MB);
  engine::InstalledApp app;
  app.name = "Old Game";
  app.url = "/Applications/Old Game.app";
  app.sizeBytes = 900 * MB;
  app.lastUsed = probe::ScanRig::fixedNow() - hours(24 * 100);
  rig.appsEngine->installed = {app};
  engine::BigItem big;
  big.id = big.url = "/home/sam/disk.iso";
  big.name = "disk.iso";
  big.sizeBytes = 4'000 * MB;
  rig.deepScanEngine->big = {big};
  rig.advisorEngine->snapshots = 2;
}

// The screen over a scripted rig, on a stand-in detail pane, with every
// section the screen asks to show recorded.
struct Screen {
  explicit Screen(bool scripted = true, QSize size = probe::kDetailPaneSize) {
    probe::prepare();
    if (scripted) script(rig);
    view = makeSmartScanPage(rig.controller, rig.clock);
    QObject::connect(view, &SmartScanPage::toolRequested, view,
                     [this](ScanTool tool) { shown.push_back(tool); });
    stage = std::make_unique<probe::Stage>(view, design::SectionPalette::clean(), size);
    stage->show();
    rig.settle();
  }

  QString text(const char* name) { return probe::textOf(probe::find(stage.get(), name)); }
  ToolCard* card(ScanTool tool) {
    return probe::find<ToolCard>(stage.get(), "toolCard", scanToolTitle(tool));
  }
  std::vector<Kind> kinds() {
    std::vector<Kind> out;
    for (ScanTool tool : allScanTools) out.push_back(card(tool)->status().kind);
    return out;
  }
  std::vector<double> fills() {
    std::vector<double> out;
    for (const ScanRingSegment& s : view->ring()->segments()) out.push_back(s.fill);
    return out;
  }

  probe::ScanRig rig;
  SmartScanPage* view;
  std::unique_ptr<probe::Stage> stage;
  std::vector<ScanTool> shown;
};

TEST(SmartScanPage, RightAfterTheStartOfAFirstRun) {
  Screen s;
  s.rig.controller->start();
  s.rig.settle();
  EXPECT_EQ(s.fills(), (std::vector<double>{0, 0, 0, 0}));
  auto* symbol = probe::find<SymbolView>(s.stage.get(), "ringSymbol");
  ASSERT_NE(symbol, nullptr);
  EXPECT_EQ(symbol->symbolName(), "sparkles");
  EXPECT_EQ(symbol->effect(), design::SymbolEffect::Kind::Pulse);
  EXPECT_EQ(s.text("ringPercent"), "0%");
  EXPECT_EQ(s.text("headline"), "Looking for junk…");
  EXPECT_EQ(s.text("statusLine"), "measuring caches…");
  EXPECT_EQ(s.kinds(), (std::vector<Kind>{Kind::active, Kind::waiting, Kind::waiting, Kind::waiting}));
  EXPECT_EQ(probe::textOf(probe::find(s.card(ScanTool::clean), "toolCardStatus")), "scanning…");
  EXPECT_EQ(probe::textOf(probe::find(s.card(ScanTool::apps), "toolCardStatus")), "up next");
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "stopButton")));
  EXPECT_EQ(s.view->doneBlock(), nullptr);
}

TEST(SmartScanPage, HalfWayThroughTheAppsStepShows37Percent) {
  Screen s;
  s.rig.controller->start();
  ASSERT_TRUE(s.rig.runUntil(Phase::apps));
  s.rig.holdAppsScanAt(0.5);
  probe::render(s.stage.get());  // however often the loop runs, the scan stands still
  EXPECT_EQ(s.fills(), (std::vector<double>{1, 0.5, 0, 0}));
  EXPECT_EQ(s.text("ringPercent"), "37%");
  EXPECT_EQ(s.text("headline"), "Reading your apps…");
  EXPECT_EQ(s.text("statusLine"), "reading /Applications…");
  EXPECT_EQ(s.kinds(), (std::vector<Kind>{Kind::done, Kind::active, Kind::waiting, Kind::waiting}));
  EXPECT_EQ(s.card(ScanTool::clean)->statusText(), "2 GB");
  s.rig.releaseHeld();
  EXPECT_EQ(s.rig.controller->phase(), Phase::deepScan);
}

TEST(SmartScanPage, TheAdvisorStepWarmsItsSegmentAndTheEndShowsTheTotalFound) {
  Screen s;
  s.rig.controller->start();
  ASSERT_TRUE(s.rig.runUntil(Phase::advisor));
  EXPECT_EQ(s.text("ringPercent"), "75%");
  EXPECT_TRUE(s.view->ring()->segments()[3].warming);
  EXPECT_EQ(s.view->ring()->segments()[3].fill, 0);
  s.rig.runToEnd();
  ASSERT_EQ(s.rig.controller->phase(), Phase::done);
  EXPECT_FALSE(s.view->ring()->segments()[3].warming);
  auto* found = probe::find<design::CountUpBytes>(s.stage.get(), "ringFound");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->target(), 6'000 * MB);  // Clean + Deep Scan; the apps do not count
  // The ring's centre gives it the room it asks for the widest text on the way.
  probe::settle();
  EXPECT_EQ(found->width(), found->sizeHint().width());
  EXPECT_TRUE(QRect(QPoint(), found->parentWidget()->size()).contains(found->geometry()));
  EXPECT_EQ(s.text("ringCaption"), "found");
  EXPECT_EQ(s.text("headline"), "All scanned.");
  EXPECT_EQ(s.text("statusLine"), "Nothing deleted yet. Tap a tool to dig in.");
  EXPECT_EQ(probe::textsOf(s.stage.get(), "insight"),
            (QStringList{"Biggest win: Xcode DerivedData, 1.5 GB. Ready to clean.",
                         "1 app untouched for 3+ months. Worth a look.",
                         "Largest item on disk: disk.iso (4 GB)."}));
  EXPECT_EQ(s.text("reviewButton"), "Review 2 GB of junk");
  EXPECT_FALSE(probe::isShown(probe::find(s.stage.get(), "stopButton")));
}

TEST(SmartScanPage, AReaderHearsTheRingMoveAsItShowsAndTheEndAsAnAlert) {
  Screen s;
  testing::AccessibleEventLog log;
  auto& clock = design::AnimationClock::shared();
  SegmentedScanRing* ring = s.view->ring();
  s.rig.controller->start();
  ASSERT_TRUE(s.rig.runUntil(Phase::apps));
  s.rig.holdAppsScanAt(0.5);
  clock.advance(1);
  // Named by the headline under it, reading as the percentage in it.
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(ring);
  EXPECT_EQ(iface->text(QAccessible::Name), "Reading your apps…");
  EXPECT_EQ(iface->text(QAccessible::Value), "37%");
  EXPECT_EQ(iface->valueInterface()->currentValue().toInt(), 37);
  std::vector<testing::HeardEvent> values = log.of(QAccessible::ValueChanged, ring);
  ASSERT_FALSE(values.empty());
  EXPECT_EQ(values.back().value.toInt(), 37);
  EXPECT_EQ(values.back().valueText, "37%");
  EXPECT_TRUE(log.of(QAccessible::Alert).empty());

  s.rig.releaseHeld();
  s.rig.runToEnd();
  probe::settle();
  clock.advance(1);
  values = log.of(QAccessible::ValueChanged, ring);
  EXPECT_EQ(values.back().value.toInt(), 100);
  const std::vector<testing::HeardEvent> renamed = log.of(QAccessible::NameChanged, ring);
  ASSERT_FALSE(renamed.empty());
  EXPECT_EQ(renamed.back().name, "All scanned.");
  const std::vector<testing::HeardEvent> headline =
      log.of(QAccessible::NameChanged, probe::find(s.stage.get(), "headline"));
  ASSERT_FALSE(headline.empty());
  EXPECT_EQ(headline.back().name, "All scanned.");
  // The end is news: the done block, as an alert, with what was found.
  ASSERT_NE(s.view->doneBlock(), nullptr);
  const std::vector<testing::HeardEvent> alerts = log.of(QAccessible::Alert, s.view->doneBlock());
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0].role, QAccessible::AlertMessage);
  EXPECT_EQ(alerts[0].name, "All scanned.");
  EXPECT_EQ(alerts[0].description, "6 GB found");
}

TEST(SmartScanPage, StopDuringTheDeepScanSkipsWhatIsLeftAndTheScanUnderWayStillLands) {
  Screen s;
  s.rig.controller->start();
  ASSERT_TRUE(s.rig.runUntil(Phase::deepScan));
  ASSERT_TRUE(probe::click(probe::find(s.stage.get(), "stopButton")));
  EXPECT_EQ(s.rig.controller->phase(), Phase::done);
  EXPECT_TRUE(s.rig.controller->stopped());
  EXPECT_EQ(s.text("headline"), "Scan stopped");
  EXPECT_EQ(s.kinds(), (std::vector<Kind>{Kind::done, Kind::done, Kind::skipped, Kind::skipped}));
  EXPECT_EQ(s.card(ScanTool::apps)->statusText(), "1 apps");
  ASSERT_NE(s.view->doneBlock(), nullptr);
  // The Deep Scan keeps running and its card then shows its result; the
  // Advisor never starts.
  s.rig.runToEnd();
  EXPECT_EQ(s.card(ScanTool::deepScan)->statusText(), "4 GB");
  EXPECT_EQ(s.card(ScanTool::advisor)->status(), ToolCardStatus::skipped());
  EXPECT_EQ(s.rig.advisor->phase(), models::AdvisorViewModel::Phase::idle);
  EXPECT_EQ(s.rig.controller->phase(), Phase::done);
}

TEST(SmartScanPage, AFinishedCardOpensItsToolOnlyOnceTheRunIsDone) {
  Screen s;
  s.rig.controller->start();
  ASSERT_TRUE(s.rig.runUntil(Phase::apps));
  probe::click(s.card(ScanTool::clean));  // done, but the run goes on
  probe::click(s.card(ScanTool::apps));   // scanning
  EXPECT_TRUE(s.shown.empty());
  ASSERT_TRUE(s.rig.runUntil(Phase::deepScan));
  s.rig.controller->requestStop();
  s.rig.settle();
  probe::click(s.card(ScanTool::advisor));  // skipped
  EXPECT_TRUE(s.shown.empty());
  probe::click(s.card(ScanTool::apps));
  probe::click(s.card(ScanTool::clean));
  probe::click(probe::find(s.stage.get(), "reviewButton"));
  EXPECT_EQ(s.shown, (std::vector<ScanTool>{ScanTool::apps, ScanTool::clean, ScanTool::clean}));
  // Leaving for a section keeps the result on screen.
  EXPECT_EQ(s.rig.controller->phase(), Phase::done);
}

TEST(SmartScanPage, ARunThatFindsNothing) {
  Screen s(false);
  s.rig.controller->start();
  s.rig.runToEnd();
  EXPECT_NE(probe::find(s.stage.get(), "ringAllClear"), nullptr);
  EXPECT_EQ(s.text("ringCaption"), "all clear");
  std::vector<QString> results;
  for (ScanTool tool : allScanTools) results.push_back(s.card(tool)->statusText());
  EXPECT_EQ(results, (std::vector<QString>{"Spotless", "0 apps", "Tidy", "All clear"}));
  EXPECT_FALSE(probe::isShown(probe::find(s.stage.get(), "insightsPanel")));
  EXPECT_FALSE(probe::isShown(probe::find(s.stage.get(), "reviewButton")));
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "homeButton")));
}

TEST(SmartScanPage, HomeReturnsTheControllerToIdleOnlyAfterTheRun) {
  Screen s;
  s.rig.controller->start();
  s.rig.settle();
  Q_EMIT s.view->homeClicked();  // running: nothing
  EXPECT_EQ(s.rig.controller->phase(), Phase::clean);
  s.rig.runToEnd();
  probe::click(probe::find(s.stage.get(), "homeButton"));
  EXPECT_EQ(s.rig.controller->phase(), Phase::idle);
}

TEST(SmartScanPage, TheDoneBlockRisesIntoViewOverTheChange) {
  testing::MovingMotion motion;
  Screen s;
  s.rig.controller->start();
  ASSERT_TRUE(s.rig.runUntil(Phase::apps));
  ASSERT_TRUE(probe::click(probe::find(s.stage.get(), "stopButton")));
  s.rig.settle();
  ASSERT_NE(s.view->doneBlock(), nullptr);
  auto* entrance = s.view->doneBlock()->findChild<Entrance*>();
  ASSERT_NE(entrance, nullptr);
  EXPECT_FALSE(entrance->isFinished());
  motion.advance(0.2);
  EXPECT_GT(entrance->progress(), 0.2);
  EXPECT_LT(entrance->progress(), 0.8);
  motion.advance(0.3);
  EXPECT_TRUE(entrance->isFinished());
  EXPECT_FALSE(s.view->doneBlock()->graphicsEffect()->isEnabled());
}

TEST(SmartScanPage, TheDoneScreenKeepsItsRingWholeFromTheSmallestWindowUp) {
  // The detail pane of the smallest window (1060 x 680 less the 236 of the
  // sidebar), then taller, wider and the usual size.
  const QSize sizes[] = {{824, 680}, {824, 900}, {1400, 680}, probe::kDetailPaneSize};
  for (const QSize size : sizes) {
    SCOPED_TRACE(::testing::Message() << size.width() << " x " << size.height());
    Screen s(true, size);
    s.stage->setFixedSize(size);  // as the window holds its pane, whatever the screen asks
    s.rig.controller->start();
    s.rig.runToEnd();
    probe::render(s.stage.get());
    ASSERT_NE(s.view->doneBlock(), nullptr);

    SegmentedScanRing* ring = s.view->ring();
    EXPECT_EQ(ring->size(), QSize(262, 262));
    EXPECT_EQ(ring->size(), ring->sizeHint());
    // Top to bottom, each part whole, none over another, all inside what
    // the screen shows or scrolls to.
    QWidget* content = ring->parentWidget();
    const QWidget* parts[] = {ring, s.stage->findChild<ScanHeadline*>(), s.stage->findChild<ToolCardRow*>(),
                              s.view->doneBlock()};
    int bottom = 0;
    for (const QWidget* part : parts) {
      ASSERT_NE(part, nullptr);
      const QRect r = probe::rectIn(part, content);
      EXPECT_GE(r.top(), bottom) << qPrintable(part->objectName());
      EXPECT_GE(r.height(), part->minimumSizeHint().height()) << qPrintable(part->objectName());
      EXPECT_TRUE(content->rect().contains(r)) << qPrintable(part->objectName());
      bottom = r.bottom() + 1;
    }
    // What does not fit scrolls.
    auto* scroll = s.stage->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(content->height() > scroll->viewport()->height(), size.height() == 680);
  }
}

TEST(SmartScanPage, TheDoneBlockSinksOutOfViewWhenANewRunStarts) {
  testing::MovingMotion motion;
  Screen s;
  s.rig.controller->start();
  s.rig.runToEnd();
  motion.advance(0.5);  // in place
  QPointer<ScanDoneBlock> block = s.view->doneBlock();
  ASSERT_TRUE(block);

  s.rig.controller->start();
  s.rig.settle();
  ASSERT_EQ(s.rig.controller->phase(), Phase::clean);
  EXPECT_EQ(s.view->doneBlock(), nullptr);
  EXPECT_TRUE(probe::isShown(probe::find(s.stage.get(), "stopButton")));
  // Still on screen, standing still, fading and sinking frame by frame.
  ASSERT_TRUE(block);
  const QRect place = probe::rectIn(block, s.stage.get());
  double opacity = 1.01, offset = -1;
  for (int frame = 0; frame < 4; ++frame) {
    ASSERT_TRUE(block) << frame;
    EXPECT_TRUE(block->isVisible()) << frame;
    EXPECT_EQ(probe::rectIn(block, s.stage.get()), place) << frame;
    auto* effect = qobject_cast<EntranceEffect*>(block->graphicsEffect());
    ASSERT_NE(effect, nullptr);
    EXPECT_LT(effect->opacity(), opacity) << frame;
    EXPECT_GT(effect->offset(), offset) << frame;
    opacity = effect->opacity();
    offset = effect->offset();
    motion.advance(0.1);
  }
  EXPECT_GT(opacity, 0.0);
  motion.advance(0.1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(block) << "gone once faded";
}

TEST(SmartScanPage, TheDoneBlockOnItsWayOutIsNoNewsForAReader) {
  testing::MovingMotion motion;
  Screen s;
  s.rig.controller->start();
  s.rig.runToEnd();
  motion.advance(0.5);
  QPointer<ScanDoneBlock> block = s.view->doneBlock();
  ASSERT_TRUE(block);
  testing::AccessibleEventLog log;
  s.rig.controller->start();
  s.rig.settle();
  ASSERT_TRUE(block);
  EXPECT_TRUE(block->isVisible());
  EXPECT_TRUE(log.of(QAccessible::Alert).empty());
  EXPECT_FALSE(probe::isListed(s.stage.get(), block));
}

TEST(SmartScanPage, ATotalThatGrowsAfterStopCountsOnFromTheShownCount) {
  testing::MovingMotion motion;
  Screen s;
  s.rig.controller->start();
  ASSERT_TRUE(s.rig.runUntil(Phase::deepScan));
  ASSERT_TRUE(probe::click(probe::find(s.stage.get(), "stopButton")));
  s.rig.settle();
  auto* count = probe::find<design::CountUpBytes>(s.stage.get(), "ringFound");
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->target(), 2'000 * MB);  // Clean only, so far
  motion.advance(0.6);
  const int64_t shown = count->shownBytes();
  ASSERT_GT(shown, 0);
  ASSERT_LT(shown, 2'000 * MB);

  s.rig.runToEnd();  // the Deep Scan under way lands
  count = probe::find<design::CountUpBytes>(s.stage.get(), "ringFound");
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->target(), 6'000 * MB);
  EXPECT_EQ(count->shownBytes(), shown);
  motion.advance(0.9);
  EXPECT_GT(count->shownBytes(), shown);
  EXPECT_LT(count->shownBytes(), 6'000 * MB);
  motion.advance(1.0);
  EXPECT_EQ(count->shownBytes(), 6'000 * MB);
}

}  // namespace
}  // namespace tidewell::screens
