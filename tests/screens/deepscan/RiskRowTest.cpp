// The bucket row: its texts, its look while viewed or hovered, and that a
// click anywhere on it runs its action.
#include "screens/deepscan/RiskRow.h"

#include <gtest/gtest.h>

#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/deepscan/DeepScanLook.h"
#include "screens/deepscan/TintedTile.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Stage.h"

namespace tidewell::screens {
namespace {

using design::Color::white;
using design::Color::withOpacity;

TEST(RiskRow, ShowsTheBucketTitleAndOneCountLineWithoutPlurals) {
  probe::prepare();
  RiskRow row({RiskBucket::installer, 1, 2'400'000'000, false});
  EXPECT_EQ(probe::textOf(probe::find(&row, "riskRowTitle")), "Installers");
  EXPECT_EQ(probe::textOf(probe::find(&row, "riskRowCount")), QString::fromUtf8("1 \u00B7 2.4 GB"));
  EXPECT_EQ(keyOf(&row), "installer");
  EXPECT_EQ(probe::find<TintedTile>(&row, {})->symbolName(), "shippingbox.fill");

  RiskRow negative({RiskBucket::other, 3, -9, false});
  EXPECT_EQ(probe::textOf(probe::find(&negative, "riskRowCount")), QString::fromUtf8("3 \u00B7 Zero KB"));
  negative.setValues({RiskBucket::other, 2, 1'000, true});
  EXPECT_EQ(probe::textOf(probe::find(&negative, "riskRowCount")), QString::fromUtf8("2 \u00B7 1 KB"));
}

TEST(RiskRow, AClickAnywhereRunsViewTheGapAndTheTextsIncluded) {
  probe::prepare();
  int views = 0;
  auto* row = new RiskRow({RiskBucket::safe, 2, 10, false});
  QObject::connect(row, &RiskRow::viewRequested, row, [&] { ++views; });
  probe::Stage stage(row, design::SectionPalette::deepScan(), {212, 60});
  stage.image(1);
  const QWidget* title = probe::find(row, "riskRowTitle");
  const QWidget* chevron = probe::find(row, "riskRowChevron");
  const int gapX = (title->geometry().left() + title->sizeHint().width() + chevron->geometry().left()) / 2;
  for (QPoint at : {QPoint(gapX, row->height() / 2), title->geometry().center(), chevron->geometry().center(),
                    QPoint(4, row->height() / 2)}) {
    const int before = views;
    probe::click(row, at);
    EXPECT_EQ(views, before + 1) << at.x() << "," << at.y();
  }
  // The very corner lies outside the rounded shape.
  probe::click(row, QPoint(0, 0));
  EXPECT_EQ(views, 4);
}

TEST(RiskRow, ViewedRowIsTintedHoveredRowIsLitOtherwiseClear) {
  const QColor red = DeepScanLook::personalRed();
  const RiskRowValues resting{RiskBucket::personal, 1, 1, false};
  const RiskRowValues viewed{RiskBucket::personal, 1, 1, true};
  EXPECT_EQ(riskRowLook(resting, false).fill.alpha(), 0);
  EXPECT_EQ(riskRowLook(resting, false).border.alpha(), 0);
  EXPECT_EQ(riskRowLook(resting, true).fill, white(0.05));
  EXPECT_EQ(riskRowLook(resting, true).border.alpha(), 0);
  EXPECT_EQ(riskRowLook(viewed, true).fill, withOpacity(red, 0.12));
  EXPECT_EQ(riskRowLook(viewed, false).border, withOpacity(red, 0.35));
  EXPECT_EQ(riskRowLook(viewed, false).cornerRadius, 12);

  // Drawn: the row's fill, away from texts, over the window background.
  probe::prepare();
  auto* row = new RiskRow(viewed);
  probe::Stage stage(row, design::SectionPalette::deepScan(), {212, 60});
  const QImage image = stage.image(1);
  const QPoint inside = probe::rectIn(row, &stage).topLeft() + QPoint(row->width() - 40, 4);
  const QColor drawn = probe::pixel(image, inside);
  const QColor bg = design::Color::appBackground();
  EXPECT_NEAR(drawn.redF(), bg.redF() + (red.redF() - bg.redF()) * 0.12, 0.02);
}

TEST(RiskRow, ChevronTakesTheTintOnlyWhileViewed) {
  probe::prepare();
  RiskRow row({RiskBucket::review, 1, 1, false});
  auto* chevron = probe::find<SymbolView>(&row, "riskRowChevron");
  EXPECT_EQ(chevron->symbolName(), "chevron.right");
  EXPECT_EQ(chevron->currentColour(), white(0.3));
  row.setValues({RiskBucket::review, 1, 1, true});
  EXPECT_EQ(chevron->currentColour(), DeepScanLook::reviewOrange());
}

TEST(RiskRow, TheOtherBucketIsDrawnInTranslucentWhite) {
  RiskRow row({RiskBucket::other, 1, 1, true});
  auto* badge = probe::find<TintedTile>(&row, {});
  EXPECT_EQ(badge->look().fill, white(0.55 * 0.16));
  EXPECT_EQ(badge->look().symbolColour, white(0.55));
  EXPECT_EQ(riskRowLook(row.values(), false).fill, white(0.55 * 0.12));
}

}  // namespace
}  // namespace tidewell::screens
