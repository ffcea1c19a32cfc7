#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QSignalSpy>

#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "screens/common/controls/SegmentedControl.h"
#include "screens/common/controls/SelectionBox.h"
#include "screens/common/controls/SmallPillButton.h"
#include "screens/common/layout/Surface.h"
#include "screens/common/views/TextLabel.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Stage.h"

namespace tidewell::screens {
namespace {

using design::SectionPalette;

const QColor kCheck = design::Color::rgb(0.02, 0.09, 0.05);

bool near(const QColor& a, const QColor& b, int tolerance = 6) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

TEST(SelectionMark, OffOnOrMixedByHowMuchOfTheGroupIsSelected) {
  struct Case {
    qsizetype selected, count;
    SelectionMark mark;
  };
  const Case cases[] = {{0, 3, SelectionMark::off},   {1, 3, SelectionMark::mixed},
                        {2, 3, SelectionMark::mixed}, {3, 3, SelectionMark::on},
                        {1, 1, SelectionMark::on},    {0, 0, SelectionMark::off},
                        {4, 3, SelectionMark::on},    {-1, 3, SelectionMark::off}};
  for (const Case& c : cases)
    EXPECT_EQ(selectionMark(c.selected, c.count), c.mark) << c.selected << "/" << c.count;
}

TEST(SelectionBox, LitMarksTakeTheAccentAndTheCheckColourOffIsQuiet) {
  probe::prepare();
  const SectionPalette& accent = SectionPalette::devMode();
  struct Case {
    SelectionMark mark;
    bool lit;
  };
  for (const Case c :
       {Case{SelectionMark::off, false}, Case{SelectionMark::on, true}, Case{SelectionMark::mixed, true}}) {
    auto* box = new SelectionBox(kCheck, c.mark);
    probe::Stage stage(box, accent, {20, 20});
    const QImage image = stage.image(2);
    // Inside the box, away from the mark: the fill.
    const QColor fill = probe::pixel(image, {4, 4});
    if (c.lit) {
      EXPECT_TRUE(near(fill, accent.primary)) << fill.name().toStdString();
    } else {
      EXPECT_LT(fill.lightness(), 40) << fill.name().toStdString();
    }
    // Around the centre: the dark mark on the lit fill, else only the fill.
    int markPixels = 0;
    for (double x = 6; x < 14; x += 0.5)
      for (double y = 6; y < 14; y += 0.5) {
        const QColor p = probe::pixel(image, {x, y});
        markPixels += c.lit ? p.lightness() < accent.primary.lightness() / 3 : !near(p, fill, 3);
      }
    if (c.lit) {
      EXPECT_GT(markPixels, 8);
    } else {
      EXPECT_EQ(markPixels, 0);
    }
  }
  // On draws a check, mixed a bar: they differ off the centre line.
  auto render = [&](SelectionMark mark) {
    auto* box = new SelectionBox(kCheck, mark);
    probe::Stage stage(box, accent, {20, 20});
    return stage.image(2);
  };
  EXPECT_NE(render(SelectionMark::on), render(SelectionMark::mixed));
}

TEST(SelectionBox, ClicksReportOrPassToTheRowBehind) {
  Surface row;
  row.setClickable(true);
  auto* layout = new QHBoxLayout(&row);
  auto* box = new SelectionBox(kCheck);
  layout->addWidget(box);
  layout->addStretch();
  row.resize(200, 40);
  row.show();
  probe::settle();
  QSignalSpy boxClicks(box, &QAbstractButton::clicked);
  QSignalSpy rowClicks(&row, &Surface::clicked);

  probe::click(&row, probe::rectIn(box, &row).center());
  EXPECT_EQ(boxClicks.count(), 1);
  EXPECT_EQ(rowClicks.count(), 0);

  box->setClickable(false);  // the row toggles; the box only shows
  probe::click(&row, probe::rectIn(box, &row).center());
  EXPECT_EQ(boxClicks.count(), 1);
  EXPECT_EQ(rowClicks.count(), 1);
}

TEST(Surface, AClickAnywhereOnItButOnAButtonIsTheSurfaces) {
  Surface card;
  card.setClickable(true);
  auto* layout = new QHBoxLayout(&card);
  auto* title = new TextLabel(QStringLiteral("Xcode"), textLook(13));
  auto* pill = new SmallPillButton(QStringLiteral("All"));
  layout->addWidget(title);
  layout->addStretch();
  layout->addWidget(pill);
  card.resize(300, 40);
  card.show();
  probe::settle();
  QSignalSpy cardClicks(&card, &Surface::clicked);
  QSignalSpy pillClicks(pill, &QAbstractButton::clicked);

  probe::click(&card, probe::rectIn(title, &card).center());  // on the text
  probe::click(&card, QPoint(150, 20));                       // on the gap
  probe::click(&card, probe::rectIn(pill, &card).center());   // on the button
  EXPECT_EQ(cardClicks.count(), 2);
  EXPECT_EQ(pillClicks.count(), 1);

  card.setClickable(false);
  probe::click(&card, QPoint(150, 20));
  EXPECT_EQ(cardClicks.count(), 2);
}

TEST(Surface, HoverIsReportedAndPaintsOnlyWhatTheLookSays) {
  Surface card({16, design::Color::raisedSurface(), design::Color::hairline(), 1});
  QSignalSpy hovers(&card, &Surface::hoverChanged);
  probe::hover(&card, true);
  EXPECT_TRUE(card.isHovering());
  probe::hover(&card, false);
  EXPECT_FALSE(card.isHovering());
  ASSERT_EQ(hovers.count(), 2);
  EXPECT_TRUE(hovers[0][0].toBool());
  EXPECT_FALSE(hovers[1][0].toBool());

  probe::prepare();
  const QImage plain = probe::render(&card, {120, 60});
  EXPECT_TRUE(near(probe::pixel(plain, {60, 30}), design::Color::raisedSurface(), 2));
  card.setLook({16, design::Color::rgb(1, 0, 0), QColor(Qt::transparent), 1});
  const QImage red = probe::render(&card, {120, 60});
  EXPECT_TRUE(near(probe::pixel(red, {60, 30}), QColor(255, 0, 0), 2));
  // The rounded corner stays the background.
  EXPECT_TRUE(near(probe::pixel(red, {0.5, 0.5}), design::Color::appBackground(), 2));
}

TEST(SegmentedControl, AClickOnASegmentChoosesIt) {
  SegmentedControl control({QStringLiteral("Memory"), QStringLiteral("Startup")});
  control.resize(control.sizeHint());
  control.show();
  QSignalSpy changes(&control, &SegmentedControl::currentChanged);
  EXPECT_EQ(control.currentIndex(), 0);
  EXPECT_EQ(control.currentTitle(), "Memory");
  EXPECT_EQ(control.segmentRect(0).width(), control.segmentRect(1).width());
  EXPECT_LE(control.segmentRect(0).right(), control.segmentRect(1).left());

  probe::click(&control, control.segmentRect(1).center());
  EXPECT_EQ(control.currentIndex(), 1);
  probe::click(&control, control.segmentRect(1).center());  // already chosen
  ASSERT_EQ(changes.count(), 1);
  EXPECT_EQ(changes[0][0].toInt(), 1);

  control.setFocus();
  probe::pressKey(&control, Qt::Key_Left);
  EXPECT_EQ(control.currentIndex(), 0);
  probe::pressKey(&control, Qt::Key_Left);  // no segment before the first
  EXPECT_EQ(control.currentIndex(), 0);
  control.setCurrentIndex(7);
  EXPECT_EQ(control.currentIndex(), 0);
  EXPECT_EQ(changes.count(), 2);
}

TEST(SmallPillButton, TakesTheSectionAccent) {
  for (const SectionPalette* accent : {&SectionPalette::clean(), &SectionPalette::devMode()}) {
    auto* pill = new SmallPillButton(QStringLiteral("None"));
    probe::Stage stage(pill, *accent, pill->sizeHint());
    const QImage image = stage.image(2);
    // Near the capsule's left end, inside it: the accent at 0.12 over the background.
    const QColor tint = probe::pixel(image, {5, pill->height() / 2.0});
    const QColor expected = design::Color::withOpacity(accent->primary, 0.12);
    const QColor bg = design::Color::appBackground();
    const auto blend = [&](int a, int b) { return int(std::lround(a * 0.12 + b * 0.88)); };
    EXPECT_NEAR(tint.red(), blend(expected.red(), bg.red()), 4);
    EXPECT_NEAR(tint.green(), blend(expected.green(), bg.green()), 4);
    EXPECT_NEAR(tint.blue(), blend(expected.blue(), bg.blue()), 4);
    EXPECT_EQ(probe::textOf(pill), "None");
  }
}

}  // namespace
}  // namespace tidewell::screens
