#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "widget/WidgetLayout.h"
#include "widget/WidgetPainter.h"

namespace tidewell::widget {
namespace {

QImage paintWidget(WidgetFamily family, const SpaceEntry& entry) {
  QImage image(widgetSize(family).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  paintTidewellWidget(painter, QRectF(image.rect()), family, entry);
  return image;
}

QColor at(const QImage& image, QPointF point) { return image.pixelColor(point.toPoint()); }

// The fill's green (0.24, 0.88, 0.50) or the ring's blend towards mint.
bool isShaded(const QColor& c) { return c.green() > 190 && c.red() < 160 && c.blue() > 100; }
// White at 0.1 over the near-black background.
bool isTrack(const QColor& c) {
  return c.red() > 20 && c.red() < 50 && std::abs(c.red() - c.green()) < 4 && c.alpha() == 255;
}

TEST(WidgetPaint, SmallBarFillsTheUsedShareWithAFourPointMinimum) {
  const QRectF bar = smallLayout(contentRect(QRectF(QPointF(0, 0), widgetSize(WidgetFamily::Small)))).bar;
  ASSERT_NEAR(bar.width(), 138, 1e-9);
  ASSERT_NEAR(bar.height(), 5, 1e-9);
  ASSERT_NEAR(bar.bottom(), 170 - 16, 1e-9);
  struct Case {
    int64_t free, total;
    double fillWidth;
  };
  const Case cases[] = {
      {98'000'000'000, 245'000'000'000, 82.8},  // the placeholder: 0.6
      {990, 1000, 4},                           // 1 percent keeps the minimum
      {0, 0, 4},                                // no total
      {0, 1, 138},                              // a failed reading: full
  };
  const double y = bar.center().y();
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.free << " of " << c.total);
    const QImage image = paintWidget(WidgetFamily::Small, SpaceEntry{{}, c.free, c.total});
    EXPECT_TRUE(isShaded(at(image, {bar.left() + 2, y})));
    EXPECT_TRUE(isShaded(at(image, {bar.left() + c.fillWidth - 2.5, y})));
    if (c.fillWidth < bar.width()) {
      EXPECT_TRUE(isTrack(at(image, {bar.left() + c.fillWidth + 2.5, y})));
      EXPECT_TRUE(isTrack(at(image, {bar.right() - 3, y})));
    }
    // Above and below the bar is the background.
    EXPECT_LT(at(image, {bar.left() + 2, bar.top() - 2}).green(), 20);
  }
}

TEST(WidgetPaint, MediumRingRunsClockwiseFromTheTopToTheUsedShare) {
  const QRectF ring = mediumLayout(contentRect(QRectF(QPointF(0, 0), widgetSize(WidgetFamily::Medium)))).ring;
  ASSERT_EQ(ring.size(), QSizeF(74, 74));
  ASSERT_NEAR(ring.center().y(), 85, 1e-9);
  const QPointF centre = ring.center();
  // A point on the stroke's centre line, degrees clockwise from the top.
  auto onRing = [&](double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return QPointF(centre.x() + 37 * std::sin(a), centre.y() - 37 * std::cos(a));
  };

  const QImage placeholder =
      paintWidget(WidgetFamily::Medium, SpaceEntry{{}, 98'000'000'000, 245'000'000'000});
  for (double d : {20.0, 90.0, 180.0, 200.0}) EXPECT_TRUE(isShaded(at(placeholder, onRing(d)))) << d;
  for (double d : {240.0, 270.0, 330.0}) EXPECT_TRUE(isTrack(at(placeholder, onRing(d)))) << d;

  // A failed reading closes the ring; its shade runs from green towards mint.
  const QImage full = paintWidget(WidgetFamily::Medium, SpaceEntry{{}, 0, 1});
  for (double d : {90.0, 180.0, 270.0, 330.0}) EXPECT_TRUE(isShaded(at(full, onRing(d)))) << d;
  EXPECT_LT(at(full, onRing(20)).red(), at(full, onRing(330)).red());
  EXPECT_NEAR(at(full, onRing(20)).red(), 0.24 * 255 + 0.06 * (0.55 - 0.24) * 255, 12);

  // No total: only the minimum arc with its round cap at the top.
  const QImage empty = paintWidget(WidgetFamily::Medium, SpaceEntry{{}, 5, 0});
  EXPECT_TRUE(isShaded(at(empty, onRing(0))));
  for (double d : {30.0, 90.0, 180.0, 270.0}) EXPECT_TRUE(isTrack(at(empty, onRing(d)))) << d;
}

}  // namespace
}  // namespace tidewell::widget
