#include <gtest/gtest.h>

#include <QSignalSpy>

#include "design/theme/Color.h"
#include "screens/common/views/AccentLabel.h"
#include "screens/common/views/ProgressBar.h"
#include "screens/common/views/ResultBanner.h"
#include "screens/common/views/Spinner.h"
#include "screens/common/views/SymbolButton.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Stage.h"

namespace tidewell::screens {
namespace {

using design::SectionPalette;
using namespace design::literals;

bool near(const QColor& a, const QColor& b, int tolerance = 6) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

BannerLook outcomeLook(bool succeeded) {
  BannerLook look;
  const QColor colour = succeeded ? design::Color::systemGreen() : design::Color::systemOrange();
  look.card = {18, 14, colour, false, false};
  look.spacing = 12;
  look.symbol = succeeded ? "checkmark.circle.fill"_symbol : "exclamationmark.triangle.fill"_symbol;
  look.symbolColour = colour;
  look.symbolSize = 18;
  look.message = textLook(11, design::FontWeight::Regular, design::Color::secondaryText()).lines(2);
  return look;
}

TEST(ResultBanner, ShowsItsTextAndReportsTheDismissal) {
  probe::prepare();
  auto* banner = new ResultBanner(outcomeLook(true));
  banner->setText(QStringLiteral("Moved Foo to the Trash"),
                  QStringLiteral("3 items · 1.5 MB. Empty the Trash to lock it in."));
  probe::Stage stage(banner, SectionPalette::apps(), {600, 100}, {20, 20, 20, 20});
  stage.image(1);
  EXPECT_EQ(probe::textOf(probe::find(&stage, "bannerTitle")), "Moved Foo to the Trash");
  EXPECT_EQ(probe::textOf(probe::find(&stage, "bannerMessage")),
            "3 items · 1.5 MB. Empty the Trash to lock it in.");
  EXPECT_EQ(probe::textOf(banner), banner->message());
  EXPECT_EQ(probe::find<SymbolView>(&stage, "bannerSymbol")->symbolName(), "checkmark.circle.fill");
  EXPECT_TRUE(probe::isShown(probe::find(&stage, "bannerTitle")));

  QSignalSpy dismissed(banner, &ResultBanner::dismissed);
  auto* close = probe::find<SymbolButton>(&stage, "bannerDismiss");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->symbolName(), "xmark");
  probe::click(close);
  EXPECT_EQ(dismissed.count(), 1);
  EXPECT_TRUE(probe::isShown(banner));  // the screen drops it, not the banner
  // The button sits at the trailing edge, the text starts after the symbol.
  const QRect closeRect = probe::rectIn(close, &stage);
  EXPECT_GT(closeRect.left(), 500);
  EXPECT_LT(probe::rectIn(probe::find(&stage, "bannerSymbol"), &stage).right(),
            probe::rectIn(probe::find(&stage, "bannerTitle"), &stage).left());
}

TEST(ResultBanner, AMessageAloneAndALongOneStaysWithinItsLines) {
  probe::prepare();
  auto* banner = new ResultBanner(outcomeLook(false));
  QString failed = QStringLiteral("Couldn't move: ");
  for (int i = 0; i < 30; ++i) failed += QStringLiteral("com.example.leftover-%1.plist, ").arg(i);
  banner->setText(std::nullopt, failed);
  probe::Stage stage(banner, SectionPalette::apps(), {500, 140}, {10, 10, 10, 10});
  stage.image(1);
  EXPECT_FALSE(probe::isShown(probe::find(&stage, "bannerTitle")));
  auto* message = probe::find<TextLabel>(&stage, "bannerMessage");
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->visibleLines().size(), 2);
  EXPECT_TRUE(message->visibleLines()[0].startsWith("Couldn't move: "));
  EXPECT_TRUE(message->isTruncated());
  EXPECT_EQ(banner->title(), std::nullopt);
}

TEST(ResultBanner, GlowsInItsColourOrInTheAccent) {
  probe::prepare();
  // The rim along the card's trailing edge carries the glow colour.
  auto rimAt = [](std::optional<QColor> glow, const SectionPalette& accent) {
    BannerLook look;
    look.card = {16, 14, glow, false, false};
    auto* banner = new ResultBanner(look);
    banner->setText(std::nullopt, QStringLiteral("Asked Notes to quit. Its memory frees as it closes."));
    probe::Stage stage(banner, accent, {500, 120}, {40, 30, 40, 30});
    const QImage image = stage.image(2);
    const QRect card = probe::rectIn(banner, &stage);
    return probe::pixel(image, {card.right() + 0.2, card.center().y() + 0.0});
  };
  const QColor mint = rimAt(std::nullopt, SectionPalette::performance());
  const QColor orange = rimAt(design::Color::systemOrange(), SectionPalette::performance());
  EXPECT_GT(mint.green(), mint.red() + 8) << mint.name().toStdString();
  EXPECT_GT(orange.red(), orange.blue() + 8) << orange.name().toStdString();
  EXPECT_GT(orange.red(), mint.red());
}

TEST(Spinner, TurnsOneSpokeAStepAndFadesBehindTheLead) {
  const std::pair<double, int> leads[] = {{0, 0},     {0.05, 0}, {1.0 / 12, 1}, {0.5, 6},
                                          {0.99, 11}, {1.0, 0},  {2.26, 3},     {-1, 0}};
  for (const auto& [seconds, lead] : leads) EXPECT_EQ(spinnerLead(seconds, 12), lead) << seconds;
  EXPECT_DOUBLE_EQ(spinnerSpokeOpacity(3, 3, 12), 1);
  EXPECT_DOUBLE_EQ(spinnerSpokeOpacity(2, 3, 12), 1 - 0.8 / 11);
  EXPECT_DOUBLE_EQ(spinnerSpokeOpacity(4, 3, 12), 0.2);  // just ahead of the lead: the faintest
  EXPECT_DOUBLE_EQ(spinnerDiameter(ControlSize::small), 16);
  EXPECT_DOUBLE_EQ(spinnerDiameter(ControlSize::mini), 10);

  probe::prepare();
  auto* spinner = new Spinner(ControlSize::small);
  probe::Stage stage(spinner, SectionPalette::advisor(), {16, 16});
  EXPECT_EQ(spinner->currentTint(), SectionPalette::advisor().primary);
  EXPECT_FALSE(spinner->isTurning());  // motion is reduced in tests
  const QImage image = stage.image(2);
  // The lead spoke at twelve o'clock, in the tint.
  const QColor top = probe::pixel(image, {8, 2.5});
  EXPECT_NEAR(top.hsvHue(), SectionPalette::advisor().primary.hsvHue(), 12);
  EXPECT_GT(top.value(), 150);
  EXPECT_TRUE(near(probe::pixel(image, {8, 8}), design::Color::appBackground(), 3));  // open centre
}

TEST(ProgressBar, FillsTheValueOfItsWidthInTheTint) {
  const std::pair<double, double> fills[] = {{0, 0},     {0.5, 120}, {1, 240},
                                             {1.7, 240}, {-0.2, 0},  {std::nan(""), 0}};
  for (const auto& [value, width] : fills) EXPECT_DOUBLE_EQ(progressFillWidth(240, value), width) << value;

  probe::prepare();
  auto* bar = new ProgressBar(0.37, 240);
  probe::Stage stage(bar, SectionPalette::apps(), {240, 6});
  const QImage image = stage.image(2);
  EXPECT_TRUE(near(probe::pixel(image, {60, 3}), SectionPalette::apps().primary, 8));
  EXPECT_FALSE(near(probe::pixel(image, {120, 3}), SectionPalette::apps().primary, 40));
  EXPECT_DOUBLE_EQ(bar->property("value").toDouble(), 0.37);
}

TEST(SymbolView, DrawsInTheAccentUnlessGivenAColourAndPulsesWhenAsked) {
  probe::prepare();
  auto* symbol = new SymbolView("magnifyingglass"_symbol, 40, design::FontWeight::Light);
  probe::Stage stage(symbol, SectionPalette::apps(), {60, 60});
  EXPECT_EQ(symbol->currentColour(), SectionPalette::apps().primary);
  symbol->setColour(design::Color::systemGreen());
  EXPECT_EQ(symbol->currentColour(), design::Color::systemGreen());
  EXPECT_EQ(symbol->effect(), std::nullopt);
  symbol->pulse();
  EXPECT_EQ(symbol->effect(), design::SymbolEffect::Kind::Pulse);
  symbol->setEffect(std::nullopt);
  EXPECT_EQ(symbol->effect(), std::nullopt);
  EXPECT_EQ(symbol->sizeHint(), QSize(46, 46));
}

TEST(AccentLabel, TakesTheAccentOfWhereItIsPlaced) {
  probe::prepare();
  // Made before it has a place, as screens build their rows.
  auto* label = new AccentLabel(QStringLiteral("+1.2 GB so far"), textLook(12, design::FontWeight::Semibold));
  EXPECT_EQ(label->currentColour(), SectionPalette::clean().primary);
  probe::Stage stage(label, SectionPalette::devMode(), {120, 20});
  EXPECT_EQ(label->currentColour(), SectionPalette::devMode().primary);
  const QImage image = stage.image(2);
  EXPECT_EQ(label->look().colour, SectionPalette::devMode().primary);
  int tinted = 0;
  for (double x = 0; x < label->width(); x += 0.5) {
    const QColor p = probe::pixel(image, {x, label->height() / 2.0});
    tinted += near(p, SectionPalette::devMode().primary, 40);
  }
  EXPECT_GT(tinted, 4);
  EXPECT_EQ(probe::textOf(label), "+1.2 GB so far");
}

}  // namespace
}  // namespace tidewell::screens
