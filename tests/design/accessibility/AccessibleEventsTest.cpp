// What the design components tell a listening screen reader as they
// change: gauges' readings (as whole percents truncated, the way the
// screens write them, and held to one event a second), the figure a count
// arrives at, and a tab's selection. Recorded as Qt's accessibility bridge
// would get them.
#include <gtest/gtest.h>

#include <QAccessibleValueInterface>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "design/accessibility/AccessibleTraits.h"
#include "design/accessibility/ValueAnnouncer.h"
#include "design/components/CountUpBytes.h"
#include "design/components/Donut.h"
#include "design/components/DotGauge.h"
#include "design/components/GradientBar.h"
#include "design/components/RingGauge.h"
#include "design/components/SidebarRow.h"
#include "design/type/InterFont.h"
#include "testkit/listener/AccessibleEventLog.h"
#include "tests/design/motion/MotionFixture.h"

namespace tidewell::design {
namespace {

using namespace literals;
using ::tidewell::testing::AccessibleEventLog;
using ::tidewell::testing::HeardEvent;

// A gauge of each kind, made at fraction, and how to move it.
struct Kind {
  const char* what;
  std::function<QWidget*(double)> make;
  std::function<void(QWidget*, double)> set;
};

std::vector<Kind> gaugeKinds() {
  return {
      {"ring gauge", [](double f) { return new RingGauge(f, 200, 11); },
       [](QWidget* w, double f) { static_cast<RingGauge*>(w)->setProgress(f); }},
      {"donut", [](double f) { return new Donut(f, 190, 11); },
       [](QWidget* w, double f) { static_cast<Donut*>(w)->setUsed(f); }},
      {"gradient bar", [](double f) { return new GradientBar(f, 8); },
       [](QWidget* w, double f) { static_cast<GradientBar*>(w)->setFraction(f); }},
      {"dot gauge", [](double f) { return new DotGauge(f, 224); },
       [](QWidget* w, double f) { static_cast<DotGauge*>(w)->setUsed(f); }},
  };
}

TEST(GaugeReading, AFractionReadsAsTheWholePercentTheScreensWrite) {
  struct Case {
    double fraction;
    int percent;
    const char* text;
  };
  const Case cases[] = {
      {0.735, 73, "73%"},      {0.129, 12, "12%"},
      {0.999, 99, "99%"},      {0, 0, "0%"},
      {0.29, 29, "29%"},       {1, 100, "100%"},
      {1.7, 100, "100%"},      {-0.3, 0, "0%"},
      {std::nan(""), 0, "0%"}, {std::numeric_limits<double>::infinity(), 0, "0%"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fraction);
    const GaugeReading reading = percentReading(c.fraction);
    EXPECT_EQ(reading.percent, c.percent);
    EXPECT_EQ(reading.text, c.text);
    // Every gauge reads the same, through its value interface as well.
    for (const Kind& kind : gaugeKinds()) {
      SCOPED_TRACE(kind.what);
      std::unique_ptr<QWidget> gauge(kind.make(c.fraction));
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(gauge.get());
      ASSERT_NE(iface->valueInterface(), nullptr);
      EXPECT_EQ(iface->valueInterface()->currentValue().toInt(), c.percent);
      EXPECT_EQ(iface->text(QAccessible::Value), c.text);
    }
  }
}

std::vector<int> values(const std::vector<HeardEvent>& events) {
  std::vector<int> out;
  for (const HeardEvent& e : events) out.push_back(e.value.toInt());
  return out;
}

TEST(GaugeEvents, AMovingGaugeIsToldAtOnceThenAtMostOnceASecondAndAlwaysLast) {
  for (const Kind& kind : gaugeKinds()) {
    SCOPED_TRACE(kind.what);
    testing::FrozenMotion motion;
    AccessibleEventLog log;
    ASSERT_TRUE(log.isListening());
    std::unique_ptr<QWidget> gauge(kind.make(0));
    gauge->show();
    log.clear();

    kind.set(gauge.get(), 0.1);
    // The first change is heard at once, as the value it reads.
    EXPECT_EQ(values(log.of(QAccessible::ValueChanged, gauge.get())), std::vector<int>{10});
    kind.set(gauge.get(), 0.2);
    kind.set(gauge.get(), 0.305);
    motion.advance(0.5);
    EXPECT_EQ(values(log.of(QAccessible::ValueChanged, gauge.get())), std::vector<int>{10});
    // A second on, the latest reading, once.
    motion.advance(0.5);
    EXPECT_EQ(values(log.of(QAccessible::ValueChanged, gauge.get())), (std::vector<int>{10, 30}));
    motion.advance(2);
    EXPECT_EQ(log.of(QAccessible::ValueChanged, gauge.get()).size(), 2u);

    // Three seconds of a progress moving on every frame: a handful of
    // events, the last one the end.
    log.clear();
    for (int frame = 1; frame <= 180; ++frame) {
      kind.set(gauge.get(), 0.3 + 0.7 * frame / 180.0);
      motion.advance(1.0 / 60, 1.0 / 60);
    }
    motion.advance(1.5);
    const std::vector<int> moving = values(log.of(QAccessible::ValueChanged, gauge.get()));
    ASSERT_FALSE(moving.empty());
    EXPECT_LE(moving.size(), 4u);
    EXPECT_EQ(moving.back(), 100);
    for (size_t i = 1; i < moving.size(); ++i) EXPECT_LT(moving[i - 1], moving[i]);
  }
}

TEST(GaugeEvents, AnUnchangedReadingAndAHiddenGaugeTellNothing) {
  testing::FrozenMotion motion;
  AccessibleEventLog log;
  RingGauge gauge(0.5, 200, 11);
  gauge.show();
  gauge.setProgress(0.505);  // still 50%
  gauge.setProgress(0.509);
  motion.advance(2);
  EXPECT_TRUE(log.of(QAccessible::ValueChanged, &gauge).empty());
  gauge.hide();
  gauge.setProgress(0.9);
  motion.advance(2);
  EXPECT_TRUE(log.of(QAccessible::ValueChanged, &gauge).empty());
}

TEST(LiveFigures, ACountThatGetsANewTargetIsRenamed) {
  AccessibleEventLog log;
  CountUpBytes count(4'000'000'000, 1.8, inter(30));
  count.show();
  log.clear();
  count.setTarget(14'000'000'000);
  const std::vector<HeardEvent> renamed = log.of(QAccessible::NameChanged, &count);
  ASSERT_EQ(renamed.size(), 1u);
  EXPECT_EQ(renamed[0].name, "14 GB");
}

TEST(Tabs, ATabThatBecomesActiveIsHeardAsSelectedAndTheOneLeftAsNot) {
  AccessibleEventLog log;
  SidebarRow row("square.grid.2x2.fill"_symbol, "Apps", SectionPalette::apps());
  row.show();
  log.clear();
  row.setActive(true);
  const std::vector<HeardEvent> added = log.of(QAccessible::SelectionAdd, &row);
  ASSERT_EQ(added.size(), 1u);
  EXPECT_EQ(added[0].name, "Apps");
  EXPECT_TRUE(added[0].state.selected);
  ASSERT_EQ(log.of(QAccessible::StateChanged, &row).size(), 1u);
  EXPECT_TRUE(log.of(QAccessible::StateChanged, &row)[0].changed.checked);
  row.setActive(false);
  const std::vector<HeardEvent> removed = log.of(QAccessible::SelectionRemove, &row);
  ASSERT_EQ(removed.size(), 1u);
  EXPECT_FALSE(removed[0].state.selected);
}

}  // namespace
}  // namespace tidewell::design
