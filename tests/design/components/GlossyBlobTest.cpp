#include <gtest/gtest.h>

#include <QWidget>
#include <cmath>
#include <numbers>

#include "design/components/GlossyBlob.h"
#include "design/motion/BlobMotion.h"
#include "design/motion/Transition.h"
#include "design/paint/ShadowLayer.h"
#include "tests/design/motion/MotionFixture.h"

namespace tidewell::design {
namespace {

using namespace tidewell::design::literals;
using testing::FrozenMotion;

TEST(BlobMotion, SymbolHashIsStableAndThePhaseStaysInRange) {
  // FNV-1a 64 of known inputs: the same on every run and platform.
  EXPECT_EQ(stableSymbolHash(QString()), 14695981039346656037ull);
  EXPECT_EQ(stableSymbolHash(QStringLiteral("a")), 0xaf63dc4c8601ec8cull);
  EXPECT_DOUBLE_EQ(wobblePhase(QStringLiteral("a")), double(0xaf63dc4c8601ec8cull % 628) / 100);
  for (const QString& name : {QStringLiteral("sparkles"), QStringLiteral("trash.fill"), QStringLiteral(""),
                              QStringLiteral("é"), QStringLiteral("arrow.triangle.2.circlepath")}) {
    const double phase = wobblePhase(name);
    EXPECT_GE(phase, 0.0) << name.toStdString();
    EXPECT_LE(phase, 6.27) << name.toStdString();
    EXPECT_DOUBLE_EQ(phase, wobblePhase(QString(name))) << name.toStdString();
  }
}

TEST(BlobMotion, WobbleAndHoverTransforms) {
  const double quarter = std::numbers::pi / 2;
  struct Case {
    double t, rotation, scale;
  };
  const Case wobble[] = {
      {0, 0, 1},
      {quarter / 0.8, 2.6, 1 + 0.018 * std::sin(0.55 * quarter / 0.8)},
      {-quarter / 0.8, -2.6, 1 - 0.018 * std::sin(0.55 * quarter / 0.8)},
      {quarter / 0.55, 2.6 * std::sin(0.8 * quarter / 0.55), 1.018},
  };
  for (const Case& c : wobble) {
    const BlobTransform b = wobbleTransform(c.t);
    EXPECT_NEAR(b.rotationDegrees, c.rotation, 1e-9) << c.t;
    EXPECT_NEAR(b.scale, c.scale, 1e-9) << c.t;
  }
  EXPECT_EQ(hoverTransform(0), (BlobTransform{0, 1}));
  EXPECT_NEAR(hoverTransform(1).scale, 1.08, 1e-12);
  EXPECT_NEAR(hoverTransform(1).rotationDegrees, 3, 1e-12);
  // The whole motion: wobble and hover add up; reduce motion stands still.
  const double t = 12.0;
  const QString s = QStringLiteral("sparkles");
  const BlobTransform both = blobTransform(s, true, false, t, 1);
  const BlobTransform w = wobbleTransform(t + wobblePhase(s));
  EXPECT_NEAR(both.rotationDegrees, w.rotationDegrees + 3, 1e-9);
  EXPECT_NEAR(both.scale, w.scale * 1.08, 1e-9);
  EXPECT_EQ(blobTransform(s, false, false, t, 1), hoverTransform(1));  // no wobble, still hovers
  EXPECT_EQ(blobTransform(s, true, true, t, 1), BlobTransform{});      // reduce motion: neither
}

TEST(Transition, SpringAndEaseOut) {
  Transition spring = Transition::spring(kBlobHoverResponse, kBlobHoverDamping);
  spring.retarget(1, 10.0);
  EXPECT_DOUBLE_EQ(spring.value(10.0), 0.0);
  EXPECT_GT(spring.value(10.3), 1.0);  // a 0.55 spring overshoots
  EXPECT_FALSE(spring.isSettled(10.3));
  EXPECT_DOUBLE_EQ(spring.value(20.0), 1.0);
  EXPECT_TRUE(spring.isSettled(20.0));
  // A new target starts from where the value stands.
  Transition ease = Transition::easeOut(0.2);
  ease.retarget(1, 0);
  const double mid = ease.value(0.1);
  EXPECT_GT(mid, 0.5);  // ease-out: past half at half time
  ease.retarget(0, 0.1);
  EXPECT_DOUBLE_EQ(ease.value(0.1), mid);
  EXPECT_DOUBLE_EQ(ease.value(0.3), 0.0);
  ease.jump(1);
  EXPECT_DOUBLE_EQ(ease.value(0.3), 1.0);
  EXPECT_TRUE(ease.isSettled(0.3));
  // Ease-in-out: slow at both ends, half way at half time.
  Transition both = Transition::easeInOut(0.4);
  both.retarget(1, 0);
  EXPECT_LT(both.value(0.1), 0.25);
  EXPECT_NEAR(both.value(0.2), 0.5, 1e-6);
  EXPECT_GT(both.value(0.3), 0.75);
  EXPECT_FALSE(both.isSettled(0.39));
  EXPECT_DOUBLE_EQ(both.value(0.4), 1.0);
}

TEST(GlossyBlob, EqualSymbolsWobbleInStepOthersOutOfPhase) {
  FrozenMotion motion;
  GlossyBlob a("trash.fill"_symbol, SectionPalette::clean(), 62, true);
  GlossyBlob b("trash.fill"_symbol, SectionPalette::apps(), 44, true);
  GlossyBlob c("sparkles"_symbol, SectionPalette::clean(), 62, true);
  ASSERT_NE(wobblePhase(QStringLiteral("trash.fill")), wobblePhase(QStringLiteral("sparkles")));
  for (int frame = 0; frame < 5; ++frame) {
    EXPECT_EQ(a.currentTransform(), b.currentTransform());
    EXPECT_NE(a.currentTransform(), c.currentTransform());
    motion.advance(0.4);
  }
}

TEST(GlossyBlob, ReduceMotionStopsItsTimerAndStandsItStill) {
  FrozenMotion motion;
  QWidget window;
  auto* blob = new GlossyBlob("sparkles"_symbol, SectionPalette::clean(), 62, true, &window);
  EXPECT_FALSE(blob->isAnimating());  // not shown yet
  window.show();
  EXPECT_TRUE(blob->isAnimating());
  motion.reduce(true);
  motion.advance(1.0 / 15);
  EXPECT_FALSE(blob->isAnimating());
  EXPECT_EQ(blob->currentTransform(), BlobTransform{});
  blob->setHovering(true);
  motion.advance(1.0);
  EXPECT_EQ(blob->currentTransform(), BlobTransform{});  // no growing on hover either
  EXPECT_FALSE(blob->isAnimating());
}

TEST(GlossyBlob, StopsWhenHiddenAndHoversOnASpring) {
  FrozenMotion motion;
  QWidget window;
  auto* wobbling = new GlossyBlob("sparkles"_symbol, SectionPalette::clean(), 62, true, &window);
  auto* still = new GlossyBlob("sparkles"_symbol, SectionPalette::clean(), 62, false, &window);
  window.show();
  EXPECT_TRUE(wobbling->isAnimating());
  EXPECT_FALSE(still->isAnimating());  // nothing to animate
  window.hide();
  EXPECT_FALSE(wobbling->isAnimating());
  window.show();
  EXPECT_TRUE(wobbling->isAnimating());

  // A tile that does not wobble still tilts and grows on hover, on a spring.
  still->setHovering(true);
  EXPECT_TRUE(still->isAnimating());
  motion.advance(0.25);
  EXPECT_GT(still->currentTransform().scale, 1.0);
  motion.advance(2.0);
  EXPECT_NEAR(still->currentTransform().scale, 1.08, 1e-9);
  EXPECT_NEAR(still->currentTransform().rotationDegrees, 3, 1e-9);
  EXPECT_FALSE(still->isAnimating());  // settled
  still->setHovering(false);
  motion.advance(2.0);
  EXPECT_EQ(still->currentTransform(), BlobTransform{});
}

TEST(GlossyBlob, LayoutIsTheTileWhileThePictureReachesHalfASideBeyond) {
  GlossyBlob blob("sparkles"_symbol, SectionPalette::clean(), 62, false);
  blob.resize(blob.sizeHint());
  EXPECT_EQ(blob.sizeHint(), QSize(62, 62));
  EXPECT_EQ(blob.shadowArea(), QRectF(-31, -31, 124, 124));
  const QPixmap picture = glossyBlobPixmap("sparkles"_symbol, SectionPalette::clean(), 62, 1.0);
  EXPECT_EQ(picture.size(), QSize(124, 124));
  // The same look is rendered once and shared.
  EXPECT_EQ(picture.cacheKey(),
            glossyBlobPixmap("sparkles"_symbol, SectionPalette::clean(), 62, 1.0).cacheKey());
  // Glow below the tile: primary-tinted, translucent; the tile itself opaque.
  const QImage image = picture.toImage();
  EXPECT_EQ(image.pixelColor(62, 40).alpha(), 255);
  const QColor glow = image.pixelColor(62, 31 + 62 + 10);
  EXPECT_GT(glow.alpha(), 0);
  EXPECT_LT(glow.alpha(), 255);
  EXPECT_GT(glow.greenF(), glow.redF());
}

TEST(BlobMotion, StepIsHowFarATilesCornersMove) {
  struct Case {
    BlobTransform from, to;
    double size, step;
  };
  const double side = std::sqrt(2.0);  // corners one point from the centre
  const Case cases[] = {
      {{}, {}, 60, 0},
      {{0, 1}, {90, 1}, side, std::sqrt(2.0)},
      {{0, 1}, {180, 1}, side, 2},
      {{0, 1}, {0, 1.1}, side, 0.1},
      {{2.6, 1.018}, {2.6, 1.018}, 52, 0},
  };
  for (const Case& c : cases) EXPECT_NEAR(blobStep(c.from, c.to, c.size), c.step, 1e-9) << c.step;
}

TEST(GlossyBlob, TheWobbleShowsOnlyStepsThatMoveItVisibly) {
  FrozenMotion motion;
  QWidget window;
  auto* blob = new GlossyBlob("sparkles"_symbol, SectionPalette::clean(), 52, true, &window);
  window.show();
  const BlobTransform first = blob->shownTransform();
  motion.advance(0.1, 0.1);
  // One tick turns it by a fraction of a point: the frame on screen stays.
  EXPECT_NE(blob->currentTransform(), first);
  EXPECT_LT(blobStep(first, blob->currentTransform(), 52), kVisibleBlobStep);
  EXPECT_EQ(blob->shownTransform(), first);
  // Ticks on, each frame shown is what the clock said at its tick, and none
  // lags the clock by a visible step.
  for (int tick = 0; tick < 40; ++tick) {
    motion.advance(0.1, 0.1);
    EXPECT_LT(blobStep(blob->shownTransform(), blob->currentTransform(), 52), kVisibleBlobStep) << tick;
  }
  EXPECT_NE(blob->shownTransform(), first);
  // Hovering shows every frame of its spring.
  blob->setHovering(true);
  EXPECT_EQ(blob->shownTransform(), blob->currentTransform());
}

}  // namespace
}  // namespace tidewell::design
