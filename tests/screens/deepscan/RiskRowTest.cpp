// The bucket row: its texts, its look while viewed or hovered, and that a
// click anywhere on its shape runs its action.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>

#include "design/Color.h"
#include "screens/deepscan/DeepScanPalette.h"
#include "screens/deepscan/RiskRow.h"

namespace tidewell::screens {
namespace {

QImage render(const RiskRowValues& values, bool hovering, QSize size = {212, 50}) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter painter(&image);
  paintRiskRow(painter, QRectF(QPointF(0, 0), size), values, hovering);
  return image;
}

TEST(RiskRow, ShowsTheBucketTitleAndOneCountLineWithoutPlurals) {
  int views = 0;
  RiskRow row({RiskBucket::installer, 1, 2'400'000'000, false}, [&] { ++views; });
  EXPECT_EQ(row.titleText(), "Installers");
  EXPECT_EQ(row.countText(), QString::fromUtf8("1 \u00B7 2.4 GB"));
  EXPECT_EQ(row.objectName(), "riskRow.installer");
  RiskRow negative({RiskBucket::other, 3, -9, false}, [] {});
  EXPECT_EQ(negative.countText(), QString::fromUtf8("3 \u00B7 Zero KB"));
}

TEST(RiskRow, AClickAnywhereOnTheShapeRunsViewButNotOutsideItsCorners) {
  int views = 0;
  RiskRow row({RiskBucket::safe, 2, 10, false}, [&] { ++views; });
  row.resize(212, int(riskRowHeight()));
  row.show();
  // The gap between the title and the chevron.
  QTest::mouseClick(&row, Qt::LeftButton, {}, QPoint(150, row.height() / 2));
  EXPECT_EQ(views, 1);
  QTest::mouseClick(&row, Qt::LeftButton, {}, QPoint(3, row.height() / 2));
  EXPECT_EQ(views, 2);
  // The very corner lies outside the rounded shape.
  QTest::mouseClick(&row, Qt::LeftButton, {}, QPoint(1, 1));  // (0, 0) would mean the centre
  EXPECT_EQ(views, 2);
}

TEST(RiskRow, ViewedRowIsTintedHoveredRowIsLitOtherwiseClear) {
  const QPoint inside(120, 4);  // on the fill, away from text and border
  const QColor black = render({RiskBucket::personal, 1, 1, false}, false).pixelColor(inside);
  EXPECT_EQ(black, QColor(Qt::black));
  const QColor hovered = render({RiskBucket::personal, 1, 1, false}, true).pixelColor(inside);
  EXPECT_NEAR(hovered.redF(), 0.05, 0.01);
  EXPECT_NEAR(hovered.greenF(), 0.05, 0.01);
  const QColor viewed = render({RiskBucket::personal, 1, 1, true}, true).pixelColor(inside);
  const QColor red = DeepScanPalette::personalRed();
  EXPECT_NEAR(viewed.redF(), red.redF() * 0.12, 0.01);
  EXPECT_NEAR(viewed.greenF(), red.greenF() * 0.12, 0.01);
}

TEST(RiskRow, TheOtherBucketIsDrawnInTranslucentWhite) {
  // The badge circle's fill: white at 0.55 x 0.16 over black.
  const QImage image = render({RiskBucket::other, 1, 1, false}, false);
  const QColor fill = image.pixelColor(14, 25);
  EXPECT_NEAR(fill.redF(), 0.55 * 0.16, 0.02);
  EXPECT_NEAR(fill.redF(), fill.blueF(), 0.01);
}

}  // namespace
}  // namespace tidewell::screens
