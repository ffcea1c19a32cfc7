// The app card, its trash button and the grid they sit in, as widgets.
#include "screens/apps/AppCard.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>

#include "design/theme/Color.h"
#include "screens/apps/AppGrid.h"
#include "screens/apps/TrashButton.h"
#include "screens/apps/UninstallItemRow.h"
#include "screens/common/layout/AdaptiveColumns.h"
#include "screens/common/views/AppIconView.h"
#include "screens/common/views/Badge.h"
#include "screens/common/views/TextLabel.h"
#include "tests/screens/apps/AppsScreenFixture.h"

namespace tidewell::screens {
namespace {

using design::Color::white;
using design::Color::withOpacity;
using testing::installedApp;
using testing::kNow;

bool near(const QColor& a, const QColor& b, int tolerance = 4) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// What a colour at an opacity looks like over the window background.
QColor over(const QColor& colour, const QColor& base = design::Color::appBackground()) {
  const double a = colour.alphaF();
  return QColor::fromRgbF(colour.redF() * a + base.redF() * (1 - a),
                          colour.greenF() * a + base.greenF() * (1 - a),
                          colour.blueF() * a + base.blueF() * (1 - a));
}

TEST(AppCard, ShowsTheRecordAndAsksForItsIconOnceOnScreen) {
  probe::prepare();
  probe::FakeServices fakes;
  int uninstalls = 0;
  auto app = installedApp("Sketch", 320'000'000, 95);
  app.version.reset();
  auto* card = new AppCard(app, kNow, design::Color::destructiveRed(), fakes.icons);
  QObject::connect(card, &AppCard::uninstallRequested, card, [&] { ++uninstalls; });
  EXPECT_FALSE(card->iconView()->hasRequested());  // not yet on screen
  probe::Stage stage(card, design::SectionPalette::apps(), {260, 200}, {10, 10, 10, 10});
  const QImage first = stage.image(1);

  EXPECT_EQ(probe::textOf(probe::find(card, "appName")), "Sketch");
  EXPECT_FALSE(probe::isShown(probe::find(card, "appVersion")));
  auto* badge = probe::find<Badge>(card, "appBadge");
  EXPECT_TRUE(probe::isShown(badge));
  EXPECT_EQ(badge->text(), "unused");
  EXPECT_EQ(badge->look().text, design::Color::systemOrange());
  EXPECT_EQ(probe::textOf(probe::find(card, "appNote")), "Used 3 months ago");
  EXPECT_EQ(probe::textOf(probe::find(card, "appSize")), "320 MB");
  EXPECT_EQ(card->iconView()->size(), QSize(40, 40));
  EXPECT_EQ(card->iconView()->path(), "/Applications/Sketch.app");
  EXPECT_EQ(fakes.icons->requested, QStringList{"/Applications/Sketch.app"});
  // Until the icon comes, the placeholder: white at 0.06 on the card.
  const QPoint iconCentre = probe::rectIn(card->iconView(), &stage).center();
  EXPECT_TRUE(near(probe::pixel(first, iconCentre), over(white(0.06), design::Color::raisedSurface())));
  fakes.icons->deliver("/Applications/Sketch.app", probe::ManualIconProvider::swatch(Qt::red));
  EXPECT_TRUE(near(probe::pixel(stage.image(1), iconCentre), Qt::red));

  // A newer record of the same bundle keeps the icon and asks for nothing.
  app.version = "2.0";
  app.lastUsed.reset();
  card->setApp(app, kNow);
  stage.image(1);
  EXPECT_EQ(fakes.icons->requested.size(), 1);
  EXPECT_TRUE(card->iconView()->hasIcon());
  EXPECT_EQ(probe::textOf(probe::find(card, "appVersion")), "2.0");
  EXPECT_TRUE(probe::isShown(probe::find(card, "appVersion")));
  EXPECT_FALSE(probe::isShown(badge));
  EXPECT_EQ(probe::textOf(probe::find(card, "appNote")), "No recent use on record");

  // Only the trash button acts, once a press, the newer record shown too.
  probe::click(card, QPoint(60, 120));
  EXPECT_EQ(uninstalls, 0);
  probe::click(card->trashButton());
  EXPECT_EQ(uninstalls, 1);
  EXPECT_EQ(card->app().version, "2.0");
}

TEST(AppCard, HoverTurnsTheEdgeAndTheTrashButtonColours) {
  probe::prepare();
  probe::FakeServices fakes;
  auto* card = new AppCard(installedApp("Sketch", 1, 1), kNow, design::Color::destructiveRed(), fakes.icons);
  probe::Stage stage(card, design::SectionPalette::apps(), {260, 200}, {10, 10, 10, 10});
  stage.image(1);
  const QRect frame = probe::rectIn(card, &stage);
  // Halfway down the leading edge, on the 1-point border.
  const QPoint edge(frame.left(), frame.center().y());
  const QColor resting = probe::pixel(stage.image(1), edge);
  EXPECT_TRUE(near(resting, over(design::Color::hairline(), design::Color::raisedSurface())));
  probe::hover(card, true);
  EXPECT_TRUE(card->isHovering());
  EXPECT_TRUE(near(
      probe::pixel(stage.image(1), edge),
      over(withOpacity(design::SectionPalette::apps().primary, 0.45), design::Color::raisedSurface()), 8));
  probe::hover(card, false);
  EXPECT_TRUE(near(probe::pixel(stage.image(1), edge), resting));

  TrashButton* trash = card->trashButton();
  EXPECT_EQ(trash->size(), QSize(30, 30));
  EXPECT_EQ(trash->toolTip(), "Uninstall Sketch");
  const QPoint inside =
      probe::rectIn(trash, &stage).topLeft() + QPoint(6, 15);  // in the disc, off the symbol
  const QColor calm = probe::pixel(stage.image(1), inside);
  EXPECT_TRUE(near(calm, over(white(0.05), design::Color::raisedSurface())));
  probe::hover(trash, true);
  EXPECT_TRUE(trash->isHovering());
  EXPECT_TRUE(near(probe::pixel(stage.image(1), inside),
                   over(withOpacity(design::Color::destructiveRed(), 0.15), design::Color::raisedSurface())));
}

TEST(UninstallItemRow, ALongTitleIsCutInTheMiddleAndKeepsItsDistanceFromTheSize) {
  probe::prepare();
  const UninstallRow row{"L1", design::SymbolName("folder.fill"),
                         "group.com.example.a-very-long-shared-container-name-that-cannot-fit.plist",
                         "Group Container", "240 MB"};
  auto* item = new UninstallItemRow(row);
  probe::Stage stage(item, design::SectionPalette::apps(), {420, 80}, {10, 10, 10, 10});
  stage.image(1);
  auto* title = probe::find<TextLabel>(item, "rowTitle");
  auto* size = probe::find(item, "rowSize");
  EXPECT_EQ(title->text(), row.title);
  ASSERT_EQ(title->visibleLines().size(), 1);
  EXPECT_TRUE(title->isTruncated());
  EXPECT_TRUE(title->visibleLines()[0].startsWith("group.com.example."));
  EXPECT_TRUE(title->visibleLines()[0].endsWith("fit.plist"));
  // 10, at least 8, 10: the row's spacing on both sides of its spacer.
  EXPECT_EQ(size->x() - (title->x() + title->width()), 28);
  EXPECT_EQ(item->width() - (size->x() + size->width()), 12);
  EXPECT_EQ(probe::textOf(size), "240 MB");
}

TEST(TrashButton, ColoursAtRestAndHovered) {
  const QColor red = design::Color::destructiveRed();
  EXPECT_EQ(trashButtonColours(red, false),
            (TrashButtonColours{white(0.55), white(0.05), design::Color::hairline()}));
  EXPECT_EQ(trashButtonColours(red, true),
            (TrashButtonColours{red, withOpacity(red, 0.15), withOpacity(red, 0.45)}));
}

TEST(AppGrid, ColumnsAtTheWidthsTheScreenGets) {
  const AdaptiveGridMetrics metrics = AppGrid::metrics();
  EXPECT_EQ(metrics.minimumColumnWidth, 230);
  EXPECT_EQ(metrics.columnSpacing, 12);
  EXPECT_EQ(metrics.rowSpacing, 12);
  // The detail pane less the screen's padding (and the scroller).
  const std::pair<double, int> cases[] = {{230, 1}, {471, 1}, {472, 2}, {713, 2}, {714, 3},
                                          {784, 3}, {834, 3}, {955, 3}, {956, 4}};
  for (const auto& [width, columns] : cases)
    EXPECT_EQ(adaptiveColumnCount(width, metrics.minimumColumnWidth, metrics.columnSpacing), columns)
        << width;
}

struct AppGridOnScreen : testing::AppsScreenFixture {};

TEST_F(AppGridOnScreen, FillsItsColumnsAtTheWindowsWidths) {
  for (int i = 0; i < 7; ++i)
    engine->installed.push_back(testing::installedApp("App" + std::to_string(i), i));
  model->scan();
  runToEnd();
  const std::pair<int, int> cases[] = {{900, 3}, {840, 3}, {600, 2}, {1300, 5}};
  for (const auto& [width, columns] : cases) {
    showScreen({width, 740});
    auto* grid = find<AppGrid>("appGrid");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->columnCount(), columns) << width;
    EXPECT_EQ(grid->cards().size(), 7);
    EXPECT_GE(grid->cards()[0]->width(), 230);
  }
}

}  // namespace
}  // namespace tidewell::screens
