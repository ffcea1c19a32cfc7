// What a listening screen reader is told on Clean's road, from a real
// Clean model over a scripted engine: the scanning and the cleaning ring as
// they move (at most once a second, each time as the percentage shown),
// and the result as an alert when it appears. Recorded as Qt's
// accessibility bridge gets it.
#include <gtest/gtest.h>

#include <cmath>

#include "design/components/RingGauge.h"
#include "design/motion/AnimationClock.h"
#include "screens/clean/CleanView.h"
#include "screens/clean/CleanedPage.h"
#include "screens/clean/PercentRing.h"
#include "screens/clean/ScanPage.h"
#include "screens/clean/result/ResultPanel.h"
#include "testkit/listener/AccessibleEventLog.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/CleanStage.h"

namespace tidewell::screens {
namespace {

using probe::CleanStage;
using testing::AccessibleEventLog;
using testing::HeardEvent;

constexpr double kStep = 0.25;  // seconds between two finished items

// Steps through the work one item at a time, kStep apart, and checks that
// every value event heard is the percentage the ring showed as it came.
// Returns the events heard about the ring's gauge.
std::vector<HeardEvent> stepThrough(CleanStage& clean, AccessibleEventLog& log, PercentRing* ring,
                                    std::size_t items) {
  std::vector<HeardEvent> heard;
  for (std::size_t i = 0; i < items; ++i) {
    clean.measure(1);
    design::AnimationClock::shared().advance(kStep);
    probe::settle();
    const std::vector<HeardEvent> now = log.of(QAccessible::ValueChanged, ring->gauge());
    if (now.size() > heard.size()) {
      EXPECT_EQ(now.size(), heard.size() + 1) << "at item " << i;
      EXPECT_EQ(now.back().valueText, ring->percent()) << "at item " << i;
      EXPECT_EQ(QString::number(now.back().value.toInt()) + "%", ring->percent()) << "at item " << i;
    }
    heard = now;
  }
  return heard;
}

TEST(CleanAnnouncements, TheScanRingIsHeardAsItMovesAtMostOnceASecond) {
  CleanStage clean;
  probe::Stage stage(makeScanPage(clean.model, clean.settings), design::SectionPalette::clean(),
                     probe::kDetailPaneSize);
  probe::render(&stage);
  AccessibleEventLog log;
  ASSERT_TRUE(log.isListening());
  clean.startScan();
  auto* ring = probe::find<PercentRing>(&stage, QStringLiteral("scanRing"));
  ASSERT_TRUE(probe::isShown(ring));
  EXPECT_EQ(ring->gauge()->accessibleName(), "scanning");
  // All but the last measurement: the ring stays on screen throughout.
  const std::size_t items = clean.rowCount() - 1;
  const std::vector<HeardEvent> heard = stepThrough(clean, log, ring, items);
  const double seconds = double(items) * kStep;
  EXPECT_GE(heard.size(), 2u);
  EXPECT_LE(double(heard.size()), std::floor(seconds) + 1);
  // What is held back arrives once its second is over.
  design::AnimationClock::shared().advance(1);
  const std::vector<HeardEvent> last = log.of(QAccessible::ValueChanged, ring->gauge());
  ASSERT_FALSE(last.empty());
  EXPECT_EQ(last.back().valueText, ring->percent());
  EXPECT_EQ(last.back().name, "scanning");
}

TEST(CleanAnnouncements, TheCleaningRingIsHeardAndTheResultArrivesAsAnAlert) {
  CleanStage clean;
  clean.scan();
  std::size_t items = 0;
  for (const engine::CleanupItem& item : clean.model->items()) items += item.isSelected ? 1 : 0;
  ASSERT_GE(items, 4u);
  clean.startClean();
  probe::Stage stage(makeCleanedPage(clean.model), design::SectionPalette::clean(), probe::kDetailPaneSize);
  probe::render(&stage);
  AccessibleEventLog log;
  auto* ring = probe::find<PercentRing>(&stage, QStringLiteral("cleaningRing"));
  const std::vector<HeardEvent> heard = stepThrough(clean, log, ring, items - 1);
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.front().name, "Cleaning");
  EXPECT_LE(double(heard.size()), std::floor(double(items - 1) * kStep) + 1);
  EXPECT_TRUE(log.of(QAccessible::Alert).empty());

  clean.measure(1);
  probe::settle();
  auto* result = probe::find<ResultPanel>(&stage, QStringLiteral("resultPanel"));
  ASSERT_TRUE(probe::isShown(result));
  const std::vector<HeardEvent> alerts = log.of(QAccessible::Alert, result);
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0].role, QAccessible::AlertMessage);
  EXPECT_EQ(alerts[0].name, "All clean!");
  EXPECT_EQ(alerts[0].description, "30.93 GB reclaimed");
  // Over AT-SPI, what a reader gets of an alert: it becomes showing.
  EXPECT_FALSE(log.of(QAccessible::ObjectShow, result).empty());
}

}  // namespace
}  // namespace tidewell::screens
