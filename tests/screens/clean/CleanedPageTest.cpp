#include <gtest/gtest.h>

#include <QTest>

#include "design/components/CountUpBytes.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/MotionPreference.h"
#include "screens/clean/CleanView.h"
#include "screens/clean/CleanedPage.h"
#include "screens/clean/PercentRing.h"
#include "screens/clean/result/ResultPanel.h"
#include "screens/common/Formatting.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/CleanStage.h"
#include "testkit/support/RepaintCounter.h"

namespace tidewell::screens {
namespace {

using models::CleanupViewModel;
using probe::CleanStage;

const char* kAdvice =
    ". macOS may need Full Disk Access for these. Grant it in System Settings ▸ Privacy & Security.";

struct ResultPage {
  CleanStage clean;
  probe::Stage* stage = nullptr;

  explicit ResultPage(std::vector<CleanStage::Found> found = CleanStage::defaultFinds(),
                      int64_t freeAfter = 43'540'000'000)
      : clean(found, 41'200'000'000, freeAfter) {
    clean.scan();
  }
  ~ResultPage() { delete stage; }
  void open() {
    stage = new probe::Stage(makeCleanedPage(clean.model), design::SectionPalette::clean(),
                             probe::kDetailPaneSize);
    probe::render(stage);
  }
  QWidget* find(const char* name) { return probe::find(stage, QString::fromLatin1(name)); }
  QString text(const char* name) { return probe::textOf(find(name)); }
  bool shown(const char* name) { return probe::isShown(find(name)); }
  QString percent() { return probe::find<PercentRing>(stage, QStringLiteral("cleaningRing"))->percent(); }
};

TEST(CleanedPage, TheCleaningRingCountsItemsUpToAHundred) {
  ResultPage page;
  page.clean.model->selectAll(false);
  for (const char* id : {"xcode-derived-data", "npm-cache", "chrome-cache"})
    page.clean.model->setSelected(id, true);
  page.clean.startClean();
  page.open();
  EXPECT_TRUE(page.shown("cleaningPanel"));
  EXPECT_FALSE(page.shown("resultPanel"));
  EXPECT_EQ(page.text("cleaningTitle"), "Cleaning");
  EXPECT_EQ(page.percent(), "0%");
  page.clean.measure(1);
  EXPECT_EQ(page.percent(), "33%");
  page.clean.measure(1);
  EXPECT_EQ(page.percent(), "66%");
  page.clean.measure(1);
  probe::settle();
  // Done: the result replaces the ring.
  EXPECT_EQ(page.clean.model->phase(), CleanupViewModel::Phase::done);
  EXPECT_FALSE(page.shown("cleaningPanel"));
  EXPECT_TRUE(page.shown("resultPanel"));
}

TEST(CleanedPage, TheResultShowsWhatWasWonBackAndDoneReturnsToIdle) {
  ResultPage page;
  const int64_t picked = page.clean.model->selectedBytes();
  page.clean.clean();
  page.open();
  auto* count = probe::find<design::CountUpBytes>(page.stage, QStringLiteral("reclaimedCount"));
  ASSERT_TRUE(count);
  EXPECT_EQ(count->target(), picked);
  EXPECT_EQ(count->text(), bytesText(picked));
  EXPECT_LE(count->width(), 140);
  // It has the room it asks for the widest text on the way, up to 140.
  EXPECT_EQ(count->width(), std::min(count->sizeHint().width(), 140));
  EXPECT_EQ(page.text("reclaimedWord"), "reclaimed");
  EXPECT_FALSE(page.shown("allDone"));
  EXPECT_EQ(page.text("resultHeadline"), "All clean!");
  EXPECT_EQ(page.text("resultSubline"), "Your Mac just got lighter.");
  EXPECT_EQ(page.text("freeBefore"), "41.2 GB");
  EXPECT_EQ(page.text("freeAfter"), "43.54 GB free");
  EXPECT_EQ(page.find("failuresCard"), nullptr);

  probe::click(page.find("doneButton"));
  EXPECT_EQ(page.clean.model->phase(), CleanupViewModel::Phase::idle);
  EXPECT_EQ(page.clean.model->freedBytes(), 0);
  // Until the root view replaces it, the screen keeps the result it showed.
  EXPECT_EQ(probe::find<design::CountUpBytes>(page.stage, QStringLiteral("reclaimedCount")), count);
}

TEST(CleanedPage, FailuresAreListedOnceInCleaningOrderBeforeTheAdvice) {
  ResultPage page;
  page.clean.engine->results["chrome-cache"] = {1'210'000'000, "Google Chrome cache"};
  page.clean.engine->results["user-logs"] = {0, "User logs"};
  page.clean.clean();
  page.open();
  ASSERT_TRUE(page.shown("failuresCard"));
  EXPECT_EQ(page.text("failuresTitle"), "A few items wouldn't budge");
  // Cleaning follows the item order: largest first.
  EXPECT_EQ(page.text("failuresSentence"),
            QStringLiteral("Google Chrome cache, User logs") + QString::fromUtf8(kAdvice));
  EXPECT_EQ(page.text("resultHeadline"), "All clean!");
  EXPECT_TRUE(page.shown("reclaimedCount"));
}

TEST(CleanedPage, NothingFreedSaysAllDoneWithoutACounter) {
  ResultPage page({{"user-logs", 412'000'000}}, 41'200'000'000);
  page.clean.engine->results["user-logs"] = {0, std::nullopt};
  page.clean.clean();
  page.open();
  EXPECT_EQ(page.text("allDone"), "All done");
  EXPECT_EQ(page.find("reclaimedCount"), nullptr);
  EXPECT_EQ(page.find("reclaimedWord"), nullptr);
  EXPECT_EQ(page.find("failuresCard"), nullptr);
  EXPECT_EQ(page.text("freeAfter"), "41.2 GB free");
}

TEST(CleanedPage, TheResultRingSweepsFromEmptyOnEveryAppearance) {
  ResultPage page;
  page.clean.clean();
  probe::prepare();
  probe::MotionOn motion;
  page.open();
  auto* panel = probe::find<ResultPanel>(page.stage, QStringLiteral("resultPanel"));
  ASSERT_TRUE(panel);
  auto& clock = design::AnimationClock::shared();
  EXPECT_DOUBLE_EQ(panel->ring()->targetProgress(), 1);
  EXPECT_LT(panel->ring()->shownProgress(), 0.05);
  clock.advance(0.9);
  const double midway = panel->ring()->shownProgress();
  EXPECT_GT(midway, 0.5);  // ease-out: past half at half time
  EXPECT_LT(midway, 1);
  clock.advance(1.0);
  EXPECT_DOUBLE_EQ(panel->ring()->shownProgress(), 1);

  panel->hide();
  panel->show();
  EXPECT_LT(panel->ring()->shownProgress(), 0.05);
  clock.advance(2);
  EXPECT_DOUBLE_EQ(panel->ring()->shownProgress(), 1);
}

// Whether some pixel of widget, drawn alone, is colour (the inside of a glyph).
bool drawsIn(QWidget* widget, const QColor& colour) {
  const QImage image = widget->grab().toImage();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).rgb() == colour.rgb()) return true;
  return false;
}

TEST(CleanedPage, TheResultAtRestAsksForNoDrawing) {
  // Still from the start (reduce motion), and after the sweep and count ran
  // to their end; with failures (a card) and without.
  struct Case {
    bool motion;
    bool failures;
  };
  for (const Case c : {Case{false, false}, Case{true, false}, Case{true, true}}) {
    SCOPED_TRACE(::testing::Message() << "motion " << c.motion << ", failures " << c.failures);
    ResultPage page;
    if (c.failures) page.clean.engine->results["chrome-cache"] = {1'210'000'000, "Google Chrome cache"};
    page.clean.clean();
    probe::prepare();
    std::optional<probe::MotionOn> motion;
    if (c.motion) motion.emplace();
    page.open();
    auto* count = probe::find<design::CountUpBytes>(page.stage, QStringLiteral("reclaimedCount"));
    ASSERT_TRUE(count);
    for (int frame = 0; frame < 30; ++frame) design::AnimationClock::shared().advance(0.1);
    probe::settle();
    ASSERT_TRUE(count->isFinished());
    ASSERT_FALSE(count->isAnimating());
    EXPECT_TRUE(drawsIn(count, design::SectionPalette::clean().primary));

    testing::RepaintCounter repaints(page.stage);
    QTest::qWait(300);
    EXPECT_EQ(repaints.count(), 0) << repaints.who().join(QStringLiteral(", ")).toStdString();
  }
}

}  // namespace
}  // namespace tidewell::screens
