#include <gtest/gtest.h>

#include <QWidget>
#include <cmath>

#include "design/components/RingGauge.h"
#include "design/theme/SectionAccent.h"
#include "tests/design/motion/MotionFixture.h"

namespace tidewell::design {
namespace {

using testing::hueAt;
using testing::hueDistance;
using testing::renderOnBlack;

TEST(RingGeometry, ArcGradientAndGlowFollowTheProgress) {
  struct Case {
    double progress, clamped, arcEnd, gradientEnd, glow;
  };
  const Case cases[] = {
      {0.0, 0.0, 0.001, 0.0, 0.18},           {0.5, 0.5, 0.5, 180.0, 0.27},
      {1.0, 1.0, 1.0, 360.0, 0.36},           {1.7, 1.0, 1.0, 360.0, 0.36},
      {-0.3, 0.0, 0.001, 0.0, 0.18},          {std::nan(""), 0.0, 0.001, 0.0, 0.36},
      {0.0005, 0.0005, 0.001, 0.18, 0.18009},
  };
  for (const Case& c : cases) {
    const RingGeometry g = ringGeometry(c.progress);
    EXPECT_DOUBLE_EQ(g.clamped, c.clamped) << c.progress;
    EXPECT_DOUBLE_EQ(g.arcEnd, c.arcEnd) << c.progress;
    EXPECT_NEAR(g.gradientEndDegrees, c.gradientEnd, 1e-9) << c.progress;
    EXPECT_NEAR(g.glowOpacity, c.glow, 1e-9) << c.progress;
  }
}

TEST(RingGeometry, LayoutIsTheCircleAndTwoLineWidths) {
  EXPECT_DOUBLE_EQ(ringLayoutSide(200, 14), 228);
  RingGauge gauge(0.4, 200, 14);
  EXPECT_EQ(gauge.sizeHint(), QSize(228, 228));
  gauge.resize(gauge.sizeHint());
  // The glow has 32 points of room on every side.
  EXPECT_EQ(gauge.shadowArea().toRect(), QRect(-32, -32, 292, 292));
}

// A ring of diameter 100 and line 12 in a parent of the given section.
struct RingProbe {
  QWidget section;
  RingGauge* ring;
  explicit RingProbe(const SectionPalette& accent, double progress) {
    SectionAccent::set(&section, accent);
    ring = new RingGauge(progress, 100, 12, &section);
    ring->resize(ring->sizeHint());
  }
  QImage image() { return renderOnBlack(*ring); }
};

TEST(RingGauge, ArcTakesTheSectionAccentUnlessGivenAPalette) {
  struct Case {
    const char* what;
    const SectionPalette& section;
    std::optional<SectionPalette> given;
    const SectionPalette& expected;
  };
  const Case cases[] = {
      {"apps, none given", SectionPalette::apps(), std::nullopt, SectionPalette::apps()},
      {"apps, clean given", SectionPalette::apps(), SectionPalette::clean(), SectionPalette::clean()},
      {"advisor, none given", SectionPalette::advisor(), std::nullopt, SectionPalette::advisor()},
      {"devMode, apps given", SectionPalette::devMode(), SectionPalette::apps(), SectionPalette::apps()},
  };
  for (const Case& c : cases) {
    RingProbe probe(c.section, 1.0);
    probe.ring->setExplicitPalette(c.given);
    const QImage image = probe.image();
    const double expected = c.expected.primary.hsvHueF() * 360;
    // Three, six and nine o'clock on the stroked circle (centre 62, 62, radius 50).
    for (const QPoint p : {QPoint(112, 62), QPoint(62, 112), QPoint(12, 62)}) {
      const double hue = hueAt(image, p.x(), p.y());
      ASSERT_GE(hue, 0) << c.what;
      EXPECT_LT(hueDistance(hue, expected), 25) << c.what << " at " << p.x() << "," << p.y();
    }
  }
}

TEST(RingGauge, HalfProgressFillsTheRightHalfOnly) {
  RingProbe probe(SectionPalette::clean(), 0.5);
  const QImage image = probe.image();
  EXPECT_GE(hueAt(image, 112, 62), 0);  // three o'clock: arc
  EXPECT_EQ(hueAt(image, 12, 62), -1);  // nine o'clock: the grey track
  // Zero progress still shows the round cap's dot at twelve o'clock.
  RingProbe empty(SectionPalette::clean(), 0.0);
  const QImage dot = empty.image();
  EXPECT_GE(hueAt(dot, 62, 12), 0);
  EXPECT_EQ(hueAt(dot, 112, 62), -1);
}

TEST(RingGauge, GlowBrightensWithProgress) {
  // Just outside the stroke at three o'clock only the glow shows.
  auto glowAt = [](double progress) {
    const QImage image = ringGaugeImage(100, 12, progress, SectionPalette::clean(), 1.0);
    const int c = image.width() / 2;
    return image.pixelColor(c + 50 + 6 + 6, c).alphaF();
  };
  const double quarter = glowAt(0.3), full = glowAt(1.0), over = glowAt(1.7);
  EXPECT_GT(quarter, 0.01);
  EXPECT_GT(full, quarter);
  EXPECT_DOUBLE_EQ(over, full);
}

TEST(RingGauge, ProgressIsAnAnimatableProperty) {
  RingGauge gauge(0.2, 100, 12);
  EXPECT_TRUE(gauge.setProperty("progress", 0.8));
  EXPECT_DOUBLE_EQ(gauge.progress(), 0.8);
}

}  // namespace
}  // namespace tidewell::design
