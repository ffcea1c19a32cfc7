#include "screens/smartscan/SegmentedScanRing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "design/theme/SectionPalette.h"
#include "testkit/probe/Probe.h"
#include "tests/screens/smartscan/MovingMotion.h"

namespace tidewell::screens {
namespace {

using design::SectionPalette;

constexpr double kDiameter = 200;
constexpr double kLine = 12;
const QRectF kRing(20, 20, kDiameter, kDiameter);

// The point on the stroked circle at a fraction of a turn from twelve
// o'clock, clockwise.
QPointF at(double fraction) {
  const double angle = 2 * std::numbers::pi * fraction;
  return {kRing.center().x() + kDiameter / 2 * std::sin(angle),
          kRing.center().y() - kDiameter / 2 * std::cos(angle)};
}

// The strokes alone, or with the fills' glows under them.
QImage paint(const std::vector<ScanRingSegment>& segments, bool glows = false) {
  QImage image(240, 240, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter painter(&image);
  if (glows)
    paintScanRing(painter, kRing, segments, kLine);
  else
    paintScanRingBody(painter, kRing, segments, kLine);
  return image;
}

bool near(const QColor& a, const QColor& b, int tolerance = 12) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

std::vector<ScanRingSegment> fourTools(double a, double b, double c, double d, bool warmLast = false) {
  return {{SectionPalette::clean().primary, a, false},
          {SectionPalette::apps().primary, b, false},
          {SectionPalette::deepScan().primary, c, false},
          {SectionPalette::advisor().primary, d, warmLast}};
}

TEST(SegmentedScanRing, PaintsFillsTracksAndGaps) {
  const QImage image = paint(fourTools(1, 0.5, 0, 0));
  const QColor track = image.pixelColor(at(0.6).toPoint());
  EXPECT_LT(track.red(), 40);  // white at 0.07 on black
  EXPECT_GT(track.red(), 8);
  EXPECT_TRUE(near(image.pixelColor(at(0.125).toPoint()), SectionPalette::clean().primary));
  EXPECT_TRUE(near(image.pixelColor(at(0.30).toPoint()), SectionPalette::apps().primary));
  // Past the half-filled end (0.375 plus the round cap) only the track.
  EXPECT_TRUE(near(image.pixelColor(at(0.45).toPoint()), track, 4));
  // The gaps between segments stay open, round caps and all.
  for (double boundary : {0.0, 0.25, 0.5, 0.75})
    EXPECT_LT(image.pixelColor(at(boundary).toPoint()).red(), 8) << boundary;
  // Nothing is drawn in the middle.
  EXPECT_EQ(image.pixelColor(kRing.center().toPoint()), QColor(Qt::black));
  // Fills glow in their colour just outside the stroke; the track does not.
  const QImage glowing = paint(fourTools(1, 0.5, 0, 0), true);
  const QPointF outside = kRing.center() + (at(0.125) - kRing.center()) * (1 + 8 / (kDiameter / 2));
  EXPECT_GT(glowing.pixelColor(outside.toPoint()).green(), 25);
  EXPECT_EQ(image.pixelColor(outside.toPoint()), QColor(Qt::black));
  const QPointF outsideTrack = kRing.center() + (at(0.6) - kRing.center()) * (1 + 8 / (kDiameter / 2));
  EXPECT_EQ(glowing.pixelColor(outsideTrack.toPoint()), QColor(Qt::black));
}

TEST(SegmentedScanRing, AWarmingSegmentIsAFaintTintOfItsWholeLength) {
  const QImage image = paint(fourTools(1, 1, 1, 0.4, true));
  const QColor start = image.pixelColor(at(0.78).toPoint());
  const QColor end = image.pixelColor(at(0.97).toPoint());
  const QColor orange = SectionPalette::advisor().primary;
  EXPECT_TRUE(near(start, end, 4));  // the same tint end to end, not a 0.4 fill
  EXPECT_GT(start.red(), 40);
  EXPECT_LT(start.red(), orange.red() * 0.5);
  EXPECT_GT(start.red(), start.blue());
}

TEST(SegmentedScanRing, NoSegmentsDrawNothingAndOneDrawsAlmostACircle) {
  const QImage empty = paint({});
  for (double f : {0.0, 0.3, 0.7}) EXPECT_EQ(empty.pixelColor(at(f).toPoint()), QColor(Qt::black));
  const QImage one = paint({{SectionPalette::clean().primary, 1.0, false}});
  for (double f : {0.05, 0.5, 0.95})
    EXPECT_TRUE(near(one.pixelColor(at(f).toPoint()), SectionPalette::clean().primary));
  EXPECT_LT(one.pixelColor(at(0.0).toPoint()).green(), 20);
}

TEST(SegmentedScanRing, NewFillsMoveOverAnEaseOutAndStandAtOnceWithoutMotion) {
  testing::MovingMotion motion;
  SegmentedScanRing ring(250, 12);
  ring.resize(ring.sizeHint());
  EXPECT_EQ(ring.sizeHint(), QSize(262, 262));
  ring.show();
  ring.setSegments(fourTools(0, 0, 0, 0), false);
  ring.setSegments(fourTools(1, 0.5, 0, 0), true);
  EXPECT_EQ(ring.segments()[1].fill, 0.5);
  EXPECT_DOUBLE_EQ(ring.shownSegments()[0].fill, 0.0);
  motion.advance(0.2);
  const double part = ring.shownSegments()[0].fill;
  EXPECT_GT(part, 0.5);  // ease-out: past half way at 0.2 of 0.45 s
  EXPECT_LT(part, 1.0);
  EXPECT_TRUE(ring.isAnimating());
  motion.advance(0.3);
  EXPECT_DOUBLE_EQ(ring.shownSegments()[0].fill, 1.0);
  EXPECT_DOUBLE_EQ(ring.shownSegments()[1].fill, 0.5);
  EXPECT_FALSE(ring.isAnimating());
  // A fill above 1 moves only as far as it draws.
  ring.setSegments(fourTools(1, 1.7, 0, 0), false);
  EXPECT_DOUBLE_EQ(ring.shownSegments()[1].fill, 1.7);
  design::setReduceMotionOverride(true);
  ring.setSegments(fourTools(1, 1, 0.3, 0), true);
  EXPECT_DOUBLE_EQ(ring.shownSegments()[2].fill, 0.3);
}

}  // namespace
}  // namespace tidewell::screens
