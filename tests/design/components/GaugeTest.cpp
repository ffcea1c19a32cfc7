#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "design/components/Donut.h"
#include "design/components/DotGauge.h"
#include "design/components/GradientBar.h"

namespace tidewell::design {
namespace {

TEST(DotGauge, LitCounts) {
  const std::pair<double, int> cases[] = {{0.0, 0},  {-0.2, 0}, {0.01, 1},        {0.5, 28},
                                          {1.0, 56}, {1.5, 56}, {std::nan(""), 0}};
  for (const auto& [used, expected] : cases) {
    const auto dots = dotLayout(224, 224, used);
    ASSERT_EQ(dots.size(), 56u);
    int lit = 0;
    for (const Dot& d : dots) lit += d.lit;
    EXPECT_EQ(lit, expected) << used;
    // Lit dots are always the first ones.
    for (int i = 0; i < 56; ++i) EXPECT_EQ(dots[i].lit, i < expected) << used << " dot " << i;
  }
}

TEST(DotGauge, ArcOpenAtTheBottomRunningClockwiseFromTheLowerLeft) {
  const auto dots = dotLayout(224, 224, 0.5);
  const double r = 224.0 / 2 - 8;
  for (const Dot& d : dots) EXPECT_NEAR(std::hypot(d.centre.x() - 112, d.centre.y() - 112), r, 1e-9);
  // First dot at 120 degrees (lower left), last at 420 = 60 (lower right).
  EXPECT_NEAR(dots.front().centre.x(), 112 + r * std::cos(120 * std::numbers::pi / 180), 1e-9);
  EXPECT_GT(dots.front().centre.y(), 112);
  EXPECT_LT(dots.front().centre.x(), 112);
  EXPECT_GT(dots.back().centre.x(), 112);
  EXPECT_GT(dots.back().centre.y(), 112);
  // Halfway is the top.
  EXPECT_LT(dots[28].centre.y(), 112 - r + 1);
  // A non-square canvas uses its shorter side.
  const auto wide = dotLayout(300, 100, 0);
  EXPECT_NEAR(std::hypot(wide[10].centre.x() - 150, wide[10].centre.y() - 50), 42, 1e-9);
}

TEST(GradientBar, FillWidths) {
  struct Case {
    double width, fraction, height, expected;
  };
  const Case cases[] = {
      {300, 0.0, 6, 6},  {300, 0.5, 6, 150}, {300, 1.0, 6, 300},        {300, 1.2, 6, 300},
      {300, -0.3, 6, 6}, {300, 0.01, 6, 6},  {300, std::nan(""), 6, 6}, {4, 0.5, 6, 6},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(gradientBarFillWidth(c.width, c.fraction, c.height), c.expected) << c.fraction;
  }
}

TEST(Donut, Trims) {
  struct Case {
    double used, end, gradientEnd;
  };
  const Case cases[] = {
      {0.0, 0.001, 0.0}, {-0.4, 0.001, -144.0}, {0.25, 0.25, 90.0}, {1.0, 1.0, 360.0}, {1.3, 1.0, 468.0},
  };
  for (const Case& c : cases) {
    const DonutTrim trim = donutTrim(c.used);
    EXPECT_DOUBLE_EQ(trim.end, c.end) << c.used;
    EXPECT_DOUBLE_EQ(trim.gradientEndDegrees, c.gradientEnd) << c.used;
  }
}

// Renders a donut of diameter 100, line 14, centred in a 140 x 140 image.
QImage donutImage(double used) {
  QImage image(140, 140, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter p(&image);
  paintDonut(p, QRectF(20, 20, 100, 100), 14, used, SectionPalette::clean());
  return image;
}

// The pixel on the ring at a clock position (12 = top), hours may be fractional.
QColor ringAt(const QImage& image, double hour) {
  const double a = hour / 12 * 2 * std::numbers::pi;
  return image.pixelColor(int(std::lround(70 + 50 * std::sin(a))), int(std::lround(70 - 50 * std::cos(a))));
}

bool lit(const QColor& c) { return c.green() > 100; }

TEST(Donut, QuarterIsLitAtHalfPastOneAndDarkAtHalfPastSeven) {
  const QImage quarter = donutImage(0.25);
  EXPECT_TRUE(lit(ringAt(quarter, 1.5)));
  EXPECT_FALSE(lit(ringAt(quarter, 7.5)));
  EXPECT_FALSE(lit(ringAt(quarter, 4.5)));
  EXPECT_FALSE(lit(ringAt(quarter, 10.5)));
  // The arc runs from deep (start) to soft (end).
  EXPECT_LT(ringAt(quarter, 0.4).green(), ringAt(quarter, 2.6).green());

  const QImage empty = donutImage(0.0);
  EXPECT_TRUE(lit(ringAt(empty, 0.0)));  // the round cap's dot at twelve
  EXPECT_FALSE(lit(ringAt(empty, 1.5)));

  const QImage full = donutImage(1.3);
  for (double hour : {1.5, 4.5, 7.5, 10.5}) EXPECT_TRUE(lit(ringAt(full, hour))) << hour;
}

TEST(Donut, WidgetTakesDiameterPlusLineWidthAndTheSectionAccent) {
  Donut donut(0.5, 100, 14);
  EXPECT_EQ(donut.sizeHint(), QSize(114, 114));
}

}  // namespace
}  // namespace tidewell::design
