#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

#include "design/components/GlowCard.h"
#include "design/components/GlowCardPaint.h"
#include "design/paint/DotTexture.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "tests/design/motion/MotionFixture.h"

namespace tidewell::design {
namespace {

using testing::hueAt;
using testing::hueDistance;
using testing::renderOnBlack;

const QColor kRed = Color::rgb(0.96, 0.26, 0.37);

TEST(DotTexture, ThirteenColumnsSixFadingRowsNearTheTrailingCorner) {
  const auto dots = dotTextureLayout(300);
  ASSERT_EQ(dots.size(), 78u);
  EXPECT_EQ(dots.front().rect, QRectF(176, 14, 1.6, 1.6));  // 124 left of the edge
  EXPECT_EQ(dots[12].rect, QRectF(284, 14, 1.6, 1.6));      // 16 left of it
  EXPECT_EQ(dots.back().rect, QRectF(284, 59, 1.6, 1.6));   // sixth row
  const double rowOpacity[] = {0.1, 0.1 * 5 / 6, 0.1 * 4 / 6, 0.1 * 3 / 6, 0.1 * 2 / 6, 0.1 / 6};
  for (size_t i = 0; i < dots.size(); ++i) EXPECT_NEAR(dots[i].opacity, rowOpacity[i / 13], 1e-12) << i;
  // A card narrower than 124 points starts the block beyond its leading edge.
  EXPECT_DOUBLE_EQ(dotTextureLayout(100).front().rect.left(), -24);
}

TEST(GlowCardPaint, GlassLevelsAndShadows) {
  const GlowCardLook plain{.cornerRadius = 20, .padding = 16};
  GlowCardLook featured = plain;
  featured.featured = true;
  GlowCardLook vivid = plain;
  vivid.vivid = true;
  vivid.glow = kRed;  // ignored: vivid always uses the palette
  const SectionPalette& cyan = SectionPalette::devMode();
  struct Case {
    const char* what;
    GlowCardLook style;
    double dropOpacity, haloOpacity, haloRadius, haloY;
    QColor haloColour;
  };
  const Case cases[] = {
      {"plain", plain, 0.35, 0.07, 30, 6, cyan.primary},
      {"featured", featured, 0.35, 0.16, 30, 6, cyan.primary},
      {"vivid", vivid, 0.3, 0.35, 34, 8, cyan.primary},
  };
  for (const Case& c : cases) {
    const auto shadows = glowCardShadows(c.style, cyan);
    EXPECT_EQ(shadows[0].color.rgb() & 0xffffff, 0u) << c.what;  // black
    EXPECT_NEAR(shadows[0].color.alphaF(), c.dropOpacity, 0.002) << c.what;
    EXPECT_DOUBLE_EQ(shadows[0].radius, 16) << c.what;
    EXPECT_EQ(shadows[0].offset, QPointF(0, 9)) << c.what;
    EXPECT_NEAR(shadows[1].color.alphaF(), c.haloOpacity, 0.002) << c.what;
    EXPECT_EQ(shadows[1].color.rgb(), c.haloColour.rgb()) << c.what;
    EXPECT_DOUBLE_EQ(shadows[1].radius, c.haloRadius) << c.what;
    EXPECT_EQ(shadows[1].offset, QPointF(0, c.haloY)) << c.what;
  }
  GlowCardLook red = plain;
  red.glow = kRed;
  EXPECT_EQ(glowCardShadows(red, cyan)[1].color.rgb(), kRed.rgb());
  EXPECT_EQ(glowCardGlow(plain, cyan), cyan.primary);
  const GlassLevels strong = glassLevels(true), weak = glassLevels(false);
  EXPECT_DOUBLE_EQ(strong.cornerGlow, 0.16);
  EXPECT_DOUBLE_EQ(weak.cornerGlow, 0.09);
  EXPECT_GT(strong.rimStrong, weak.rimStrong);
  EXPECT_GT(strong.rimWeak, weak.rimWeak);
}

// A 220 x 150 card in a section; the rim probed on its top edge near the
// trailing corner, the body probed in its lower leading part.
struct CardProbe {
  QWidget section;
  GlowCard* card;
  CardProbe(const SectionPalette& accent, GlowCardLook style) {
    SectionAccent::set(&section, accent);
    card = new GlowCard(style, &section);
    card->resize(220, 150);
  }
};

TEST(GlowCard, GlassRimTakesTheSectionAccentUnlessGivenAGlow) {
  struct Case {
    const char* what;
    const SectionPalette& section;
    std::optional<QColor> glow;
    bool featured;
    QColor expected;
  };
  const Case cases[] = {
      {"dev mode", SectionPalette::devMode(), std::nullopt, false, SectionPalette::devMode().primary},
      {"dev mode, featured", SectionPalette::devMode(), std::nullopt, true,
       SectionPalette::devMode().primary},
      {"apps", SectionPalette::apps(), std::nullopt, false, SectionPalette::apps().primary},
      {"dev mode, red glow", SectionPalette::devMode(), kRed, false, kRed},
      {"advisor, red glow", SectionPalette::advisor(), kRed, true, kRed},
  };
  for (const Case& c : cases) {
    CardProbe probe(c.section, {.cornerRadius = 20, .padding = 16, .glow = c.glow, .featured = c.featured});
    const QImage image = renderOnBlack(*probe.card);
    const double hue = hueAt(image, 180, 0);
    ASSERT_GE(hue, 0) << c.what;
    EXPECT_LT(hueDistance(hue, c.expected.hsvHueF() * 360), 20) << c.what;
  }
}

TEST(GlowCard, FeaturedRimIsBrighterAndVividFillsWithThePalette) {
  CardProbe plain(SectionPalette::devMode(), {.cornerRadius = 20, .padding = 16});
  CardProbe featured(SectionPalette::devMode(), {.cornerRadius = 20, .padding = 16, .featured = true});
  const QImage a = renderOnBlack(*plain.card), b = renderOnBlack(*featured.card);
  EXPECT_GT(b.pixelColor(180, 0).valueF(), a.pixelColor(180, 0).valueF() + 0.05);
  // Brighter corner glow too.
  EXPECT_GT(b.pixelColor(200, 30).valueF(), a.pixelColor(200, 30).valueF());

  CardProbe vivid(SectionPalette::devMode(),
                  {.cornerRadius = 20, .padding = 16, .glow = kRed, .vivid = true});
  const QImage v = renderOnBlack(*vivid.card);
  EXPECT_LT(hueDistance(hueAt(v, 110, 75), SectionPalette::devMode().primary.hsvHueF() * 360), 20);
  EXPECT_GT(v.pixelColor(110, 75).valueF(), 0.5);  // opaque palette, not glass
}

TEST(GlowCard, PadsItsContentAndHostsTheGlowsOfWhatItHolds) {
  QWidget window;
  auto* card = new GlowCard({.cornerRadius = 20, .padding = 18}, &window);
  auto* label = new QLabel(QStringLiteral("content"));
  card->setContent(label);
  card->resize(240, 160);
  window.show();
  EXPECT_EQ(label->geometry().topLeft(), QPoint(18, 18));
  EXPECT_EQ(label->geometry().right(), 240 - 18 - 1);
  EXPECT_TRUE(ShadowLayer::isHost(card));
  // Its own shadows reach beyond its cell: the halo's blur and offset.
  const QRectF area = card->shadowArea();
  EXPECT_LT(area.left(), -40);
  EXPECT_GT(area.bottom(), 160 + 40);
}

}  // namespace
}  // namespace tidewell::design
