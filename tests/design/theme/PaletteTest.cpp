#include <gtest/gtest.h>

#include <QWidget>
#include <cmath>

#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "design/theme/SectionPalette.h"
#include "design/theme/ThemePalette.h"

namespace tidewell::design {
namespace {

void expectRgb(const QColor& c, double r, double g, double b, const char* what) {
  EXPECT_NEAR(c.redF(), r, 1e-4) << what;
  EXPECT_NEAR(c.greenF(), g, 1e-4) << what;
  EXPECT_NEAR(c.blueF(), b, 1e-4) << what;
  EXPECT_DOUBLE_EQ(c.alphaF(), 1.0) << what;
}

TEST(SectionPalette, SixPalettesHoldTheirColours) {
  struct Row {
    const char* name;
    const SectionPalette& palette;
    double p[3], s[3], d[3];
  };
  const Row rows[] = {
      {"clean", SectionPalette::clean(), {0.24, 0.88, 0.50}, {0.55, 0.96, 0.72}, {0.07, 0.48, 0.27}},
      {"deepScan", SectionPalette::deepScan(), {0.30, 0.55, 1.00}, {0.56, 0.76, 1.00}, {0.10, 0.26, 0.66}},
      {"apps", SectionPalette::apps(), {0.62, 0.45, 1.00}, {0.78, 0.67, 1.00}, {0.32, 0.19, 0.66}},
      {"advisor", SectionPalette::advisor(), {1.00, 0.72, 0.30}, {1.00, 0.85, 0.56}, {0.66, 0.42, 0.10}},
      {"devMode", SectionPalette::devMode(), {0.28, 0.82, 0.88}, {0.58, 0.93, 0.96}, {0.06, 0.42, 0.50}},
      {"performance",
       SectionPalette::performance(),
       {0.18, 0.75, 0.63},
       {0.56, 0.94, 0.84},
       {0.06, 0.42, 0.36}},
  };
  for (const Row& row : rows) {
    expectRgb(row.palette.primary, row.p[0], row.p[1], row.p[2], row.name);
    expectRgb(row.palette.soft, row.s[0], row.s[1], row.s[2], row.name);
    expectRgb(row.palette.deep, row.d[0], row.d[1], row.d[2], row.name);
  }
  EXPECT_EQ(SectionPalette::accentGreen(), SectionPalette::clean().primary);
  EXPECT_FALSE(SectionPalette::clean() == SectionPalette::performance());
  SectionPalette oneDifferent = SectionPalette::apps();
  oneDifferent.deep = Qt::red;
  EXPECT_FALSE(oneDifferent == SectionPalette::apps());
}

TEST(BaseColours, MatchTheirTable) {
  expectRgb(Color::appBackground(), 0.035, 0.035, 0.048, "appBackground");
  expectRgb(Color::cardSurface(), 0.075, 0.073, 0.095, "cardSurface");
  expectRgb(Color::raisedSurface(), 0.107, 0.104, 0.132, "raisedSurface");
  expectRgb(Color::systemGreen(), 0.19, 0.82, 0.35, "systemGreen");
  expectRgb(Color::systemOrange(), 1.00, 0.62, 0.04, "systemOrange");
  expectRgb(Color::systemRed(), 1.00, 0.27, 0.23, "systemRed");
  expectRgb(Color::destructiveRed(), 0.96, 0.26, 0.37, "destructiveRed");
  expectRgb(Color::containerPurple(), 0.60, 0.50, 0.98, "containerPurple");
  expectRgb(Color::pillText(), 0.04, 0.05, 0.08, "pillText");
  EXPECT_NEAR(Color::hairline().alphaF(), 0.07, 1e-3);
  EXPECT_NEAR(Color::secondaryText().alphaF(), 0.55, 1e-3);
  EXPECT_NEAR(Color::tertiaryText().alphaF(), 0.25, 1e-3);
  EXPECT_EQ(Color::hairline().rgb() & 0xffffff, 0xffffffu);
}

TEST(ThemePalette, LevelsByFreeFraction) {
  struct Case {
    double fraction;
    const char* label;
  };
  const Case cases[] = {
      {1.0, "Healthy"},      {1.7, "Healthy"},        {0.30, "Healthy"},          {0.2999, "Filling up"},
      {0.15, "Filling up"},  {0.1499, "Running low"}, {0.08, "Running low"},      {0.0799, "Critical"},
      {0.0, "Critical"},     {-0.5, "Critical"},      {std::nan(""), "Critical"}, {-INFINITY, "Critical"},
      {INFINITY, "Healthy"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ThemePalette::forFreeFraction(c.fraction).label, QString::fromLatin1(c.label)) << c.fraction;
  }
}

TEST(ThemePalette, EachLevelCarriesItsMessageAndColour) {
  struct Level {
    double fraction;
    const char* message;
    std::array<double, 3> rgb;
  };
  const Level levels[] = {
      {0.5, "Loads of room. A quick scan keeps it that way.", {0.24, 0.88, 0.50}},
      {0.2, "Filling up. One scan usually claws a lot back.", {0.96, 0.78, 0.29}},
      {0.1, "Getting tight. Time to drop some dead weight.", {0.98, 0.55, 0.24}},
      {0.01, "Critical. Your Mac's about to feel it. Clean now.", {0.96, 0.26, 0.37}},
  };
  for (const Level& l : levels) {
    const ThemePalette p = ThemePalette::forFreeFraction(l.fraction);
    EXPECT_EQ(p.message, QString::fromUtf8(l.message));
    EXPECT_EQ(p.healthRGB, l.rgb);
    expectRgb(p.color(), l.rgb[0], l.rgb[1], l.rgb[2], l.message);
  }
  EXPECT_EQ(ThemePalette::forFreeFraction(0.5), ThemePalette::forFreeFraction(0.9));
  EXPECT_FALSE(ThemePalette::forFreeFraction(0.5) == ThemePalette::forFreeFraction(0.2));
}

TEST(SectionAccent, InheritedFromTheNearestAncestorWithGreenByDefault) {
  QWidget window;
  auto* detail = new QWidget(&window);
  auto* card = new QWidget(detail);
  auto* leaf = new QWidget(card);
  EXPECT_EQ(SectionAccent::of(leaf), SectionPalette::clean());

  SectionAccent::set(detail, SectionPalette::apps());
  EXPECT_EQ(SectionAccent::of(leaf), SectionPalette::apps());
  EXPECT_EQ(SectionAccent::of(&window), SectionPalette::clean());

  SectionAccent::set(card, SectionPalette::advisor());
  EXPECT_EQ(SectionAccent::of(leaf), SectionPalette::advisor());
  EXPECT_EQ(SectionAccent::of(detail), SectionPalette::apps());

  SectionAccent::clear(card);
  EXPECT_EQ(SectionAccent::of(leaf), SectionPalette::apps());

  // An explicit palette (a sidebar row's own) wins over the tree's.
  EXPECT_EQ(SectionAccent::resolve(leaf, SectionPalette::devMode()), SectionPalette::devMode());
  EXPECT_EQ(SectionAccent::resolve(leaf, std::nullopt), SectionPalette::apps());
  EXPECT_EQ(SectionAccent::of(nullptr), SectionPalette::clean());
}

TEST(SectionAccent, MovingAWidgetUnderAnotherSectionChangesItsAccent) {
  QWidget window;
  auto* apps = new QWidget(&window);
  auto* advisor = new QWidget(&window);
  SectionAccent::set(apps, SectionPalette::apps());
  SectionAccent::set(advisor, SectionPalette::advisor());
  auto* row = new QWidget(apps);
  EXPECT_EQ(SectionAccent::of(row), SectionPalette::apps());
  row->setParent(advisor);
  EXPECT_EQ(SectionAccent::of(row), SectionPalette::advisor());
}

}  // namespace
}  // namespace tidewell::design
