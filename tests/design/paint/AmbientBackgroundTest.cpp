#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPainter>
#include <QSet>
#include <cmath>

#include "design/paint/AmbientBackground.h"
#include "design/paint/AmbientWash.h"
#include "design/paint/BackdropFrame.h"
#include "design/paint/NoiseOverlay.h"
#include "design/theme/Color.h"
#include "testkit/support/RepaintCounter.h"
#include "tests/design/motion/MotionFixture.h"

namespace tidewell::design {
namespace {

using testing::FrozenMotion;

TEST(AmbientWash, GlowsAtTheStartAndLaterStayWithinTheirPaths) {
  struct Expected {
    double x, y, opacity, radius;
  };
  const Expected atZero[] = {{0.2, 0.08, 0.14, 680}, {0.9, 1.10, 0.17, 780}, {0.73, 0.45, 0.08, 600}};
  const auto glows = washGlows(0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(glows[i].centre.x, atZero[i].x, 1e-12) << i;
    EXPECT_NEAR(glows[i].centre.y, atZero[i].y, 1e-12) << i;
    EXPECT_NEAR(glows[i].opacity, atZero[i].opacity, 1e-12) << i;
    EXPECT_DOUBLE_EQ(glows[i].endRadius, atZero[i].radius) << i;
  }
  // Later the glows move, each within its own swing.
  const double t = 37.3;
  const auto later = washGlows(t);
  EXPECT_NEAR(later[0].centre.x, 0.2 + 0.15 * std::sin(0.23 * t), 1e-12);
  EXPECT_NEAR(later[1].centre.y, 1.02 + 0.08 * std::cos(0.26 * t), 1e-12);
  EXPECT_NEAR(later[2].opacity, 0.08 + 0.02 * std::sin(0.13 * t), 1e-12);
  EXPECT_NE(later[0].centre.x, glows[0].centre.x);
}

TEST(AmbientWash, TheThirdGlowIsAlwaysTheAppsDeep) {
  for (const SectionPalette* accent : {&SectionPalette::clean(), &SectionPalette::deepScan(),
                                       &SectionPalette::advisor(), &SectionPalette::apps()}) {
    const auto colours = washColours(*accent);
    EXPECT_EQ(colours[0], accent->primary);
    EXPECT_EQ(colours[1], accent->deep);
    EXPECT_EQ(colours[2], SectionPalette::apps().deep);
  }
}

TEST(AmbientWash, PaintedGlowsSitWhereTheRulesPutThem) {
  // At t = 0 in the clean palette: green strongest near the first glow's
  // centre (0.2, 0.08), fading away from it.
  QImage image(400, 300, QImage::Format_RGB32);
  QPainter p(&image);
  paintAmbientWash(p, QRectF(0, 0, 400, 300), SectionPalette::clean(), 0);
  p.end();
  const QColor nearFirst = image.pixelColor(80, 24), far = image.pixelColor(399, 150);
  EXPECT_GT(nearFirst.green(), far.green());
  EXPECT_GT(nearFirst.green(), Color::appBackground().green() + 20);
}

TEST(AmbientBackground, TimeIsTheClocksPerFrameOrZeroUnderReduceMotion) {
  EXPECT_DOUBLE_EQ(ambientTime(true, 1234.56), 0.0);
  EXPECT_NEAR(ambientTime(false, 1234.56), 1234.5, 1e-9);
  EXPECT_NEAR(ambientTime(false, 1234.5), 1234.5, 1e-9);
}

TEST(AmbientBackground, DriftsOnlyWhileTheWindowIsShownAndMotionAllowed) {
  FrozenMotion motion;
  AmbientBackground window(SectionPalette::clean());
  window.resize(320, 200);
  EXPECT_FALSE(window.isAnimating());
  window.show();
  EXPECT_TRUE(window.isAnimating());
  EXPECT_NEAR(window.currentTime(), 1000.0, 1e-9);
  window.hide();
  EXPECT_FALSE(window.isAnimating());
  window.show();
  motion.reduce(true);
  motion.advance(0.1);
  EXPECT_FALSE(window.isAnimating());
  EXPECT_DOUBLE_EQ(window.currentTime(), 0.0);
}

TEST(AmbientBackground, ReducedResolutionWashMatchesTheFullOne) {
  // Scaled up from an eighth, the wash stays within a few levels of the
  // full-resolution drawing (grain aside).
  QImage full(480, 320, QImage::Format_RGB32), reduced(480, 320, QImage::Format_RGB32);
  {
    QPainter p(&full);
    paintAmbientWash(p, QRectF(0, 0, 480, 320), SectionPalette::apps(), 5);
  }
  {
    QPainter p(&reduced);
    paintAmbientBackground(p, QRectF(0, 0, 480, 320), SectionPalette::apps(), 5);
  }
  for (const QPoint at : {QPoint(10, 10), QPoint(240, 160), QPoint(470, 310), QPoint(100, 250)}) {
    const QColor a = full.pixelColor(at), b = reduced.pixelColor(at);
    EXPECT_NEAR(a.red(), b.red(), 9) << at.x() << "," << at.y();
    EXPECT_NEAR(a.green(), b.green(), 9) << at.x() << "," << at.y();
    EXPECT_NEAR(a.blue(), b.blue(), 9) << at.x() << "," << at.y();
  }
}

TEST(NoiseOverlay, OneGreyGrainPerProcessAddedFaintly) {
  const QImage& grain = noiseGrain();
  EXPECT_EQ(&grain, &noiseGrain());
  EXPECT_EQ(grain.size(), QSize(128, 128));
  EXPECT_EQ(grain.format(), QImage::Format_Grayscale8);
  QSet<int> values;
  for (int y = 0; y < 128; y += 7)
    for (int x = 0; x < 128; x += 3) values.insert(qGray(grain.pixel(x, y)));
  EXPECT_GT(values.size(), 100);  // random, not flat

  // Over black the overlay adds at most 2.5 % of white; tiles repeat
  // every 128 pixels from the origin.
  QImage image(300, 300, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter p(&image);
    paintNoiseOverlay(p, QRectF(0, 0, 300, 300));
  }
  int maxLevel = 0, lit = 0;
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 300; ++x) {
      const int level = qRed(image.pixel(x, y));
      maxLevel = std::max(maxLevel, level);
      lit += level > 0;
    }
  }
  EXPECT_LE(maxLevel, 7);
  EXPECT_GT(lit, 300 * 300 / 4);
  EXPECT_EQ(image.pixel(5, 9), image.pixel(5 + 128, 9 + 128));
  // A repaint of part of the area lines up with the whole.
  QImage part(300, 300, QImage::Format_RGB32);
  part.fill(Qt::black);
  {
    QPainter p(&part);
    paintNoiseOverlay(p, QRectF(150, 150, 100, 100));
  }
  EXPECT_EQ(part.pixel(200, 170), image.pixel(200, 170));
}

// The painter's own way: the wash stretched with smooth transformation,
// then the grain added over it.
QImage paintedBackdrop(const QImage& wash, QSize pixels, double factor, const QImage& grain) {
  QImage image(pixels, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRectF(0, 0, wash.width() * factor, wash.height() * factor), wash);
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  p.drawTiledPixmap(QRectF(0, 0, pixels.width(), pixels.height()), QPixmap::fromImage(grain));
  return image;
}

TEST(BackdropFrame, OnePassGivesWhatStretchingAndAddingGrainGive) {
  struct Case {
    QSize washSize, pixels;
    double factor;
  };
  const Case cases[] = {
      {{60, 40}, {480, 320}, 8},   // scale 1
      {{60, 40}, {960, 640}, 16},  // scale 2
      {{61, 41}, {483, 322}, 8},   // the wash a pixel wider than the area
      {{26, 18}, {300, 210}, 12},  // scale 1.5
  };
  const QImage grain = grainTileImage(1.0);
  for (const Case& c : cases) {
    QImage wash(c.washSize, QImage::Format_RGB32);
    {
      QPainter p(&wash);
      paintAmbientWash(p, QRectF(QPointF(0, 0), QSizeF(c.washSize)), SectionPalette::clean(), 3.0, 0.125);
    }
    const QImage ours = composeBackdrop(wash, c.pixels, c.factor, grain);
    const QImage theirs = paintedBackdrop(wash, c.pixels, c.factor, grain);
    ASSERT_EQ(ours.size(), c.pixels);
    ASSERT_EQ(ours.format(), QImage::Format_RGB32);
    int worst = 0;
    for (int y = 0; y < c.pixels.height(); ++y) {
      for (int x = 0; x < c.pixels.width(); ++x) {
        const QRgb a = ours.pixel(x, y), b = theirs.pixel(x, y);
        worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
        ASSERT_EQ(qAlpha(a), 255);
      }
    }
    EXPECT_LE(worst, 2) << c.pixels.width() << "x" << c.pixels.height();
  }
}

TEST(BackdropFrame, NothingToMakeGivesNoFrame) {
  const QImage grain = grainTileImage(1.0);
  QImage wash(4, 4, QImage::Format_RGB32);
  wash.fill(Qt::red);
  EXPECT_TRUE(composeBackdrop(wash, QSize(0, 10), 8, grain).isNull());
  EXPECT_TRUE(composeBackdrop(QImage(), QSize(10, 10), 8, grain).isNull());
  EXPECT_TRUE(composeBackdrop(wash, QSize(10, 10), 0, grain).isNull());
}

TEST(AmbientBackground, WashChangeIsTheMeanOfEachPixelsLargestChannelStep) {
  QImage a(4, 2, QImage::Format_RGB32);
  a.fill(qRgb(10, 20, 30));
  QImage b = a;
  EXPECT_DOUBLE_EQ(washChange(a, b), 0);
  b.setPixel(0, 0, qRgb(14, 21, 30));  // 4
  b.setPixel(3, 1, qRgb(10, 20, 26));  // 4
  EXPECT_DOUBLE_EQ(washChange(a, b), 1.0);
  EXPECT_DOUBLE_EQ(washChange(a, QImage(2, 2, QImage::Format_RGB32)), -1);
}

TEST(AmbientBackground, PaintsTheDriftOnlyOnceItHasMovedVisibly) {
  FrozenMotion motion;
  AmbientBackground window(SectionPalette::clean());
  window.resize(480, 320);
  window.show();
  window.grab();
  const double first = window.shownTime();
  tidewell::testing::RepaintCounter repaints(&window);
  // One tick of the drift moves the wash by a fraction of a level.
  motion.advance(0.1, 0.1);
  EXPECT_EQ(repaints.count(), 0);
  EXPECT_DOUBLE_EQ(window.shownTime(), first);
  // Some seconds on it has moved by more than half a level on average: a
  // new frame, at the time it was found.
  motion.advance(5, 0.1);
  QCoreApplication::processEvents();
  EXPECT_GT(repaints.count(), 0);
  EXPECT_GT(window.shownTime(), first);
  EXPECT_LE(window.shownTime(), window.currentTime());
  // Reduce motion stands it still at its own frame at once.
  motion.reduce(true);
  motion.advance(0.1, 0.1);
  EXPECT_DOUBLE_EQ(window.shownTime(), 0.0);
}

}  // namespace
}  // namespace tidewell::design
