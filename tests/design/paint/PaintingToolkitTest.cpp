#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <numbers>

#include "design/motion/Easing.h"
#include "design/motion/SpringAnimation.h"
#include "design/paint/Shadow.h"
#include "design/paint/ShadowCaster.h"
#include "design/paint/ShadowLayer.h"
#include "design/paint/Shapes.h"
#include "design/theme/Gradients.h"

namespace tidewell::design {
namespace {

TEST(Shapes, ContinuousCornersStayInsideTheRectAndEaseIn) {
  const QRectF rect(0, 0, 100, 60);
  const QPainterPath smooth = continuousRoundedRect(rect, 10);
  EXPECT_NEAR(smooth.boundingRect().left(), 0, 1e-6);
  EXPECT_NEAR(smooth.boundingRect().right(), 100, 1e-6);
  EXPECT_NEAR(smooth.boundingRect().bottom(), 60, 1e-6);
  EXPECT_TRUE(smooth.contains(QPointF(50, 30)));
  EXPECT_FALSE(smooth.contains(QPointF(0.5, 0.5)));
  // The smooth corner leaves the edge earlier than a circular arc of the
  // same radius and eases into it.
  const QRectF big(0, 0, 200, 200);
  QPainterPath circular;
  circular.addRoundedRect(big, 40, 40);
  const QPainterPath eased = continuousRoundedRect(big, 40);
  EXPECT_TRUE(circular.contains(QPointF(32, 1.0)));
  EXPECT_FALSE(eased.contains(QPointF(32, 1.0)));
  EXPECT_TRUE(eased.contains(QPointF(70, 0.05)));
  // Too small for a smooth corner: a capsule.
  const QPainterPath pill = capsule(QRectF(0, 0, 100, 20));
  EXPECT_TRUE(pill.contains(QPointF(10, 10)));
  EXPECT_FALSE(pill.contains(QPointF(1, 1)));
  EXPECT_TRUE(pill.contains(QPointF(0.5, 10)));
  EXPECT_TRUE(continuousRoundedRect(QRectF(), 5).isEmpty());
}

TEST(Shapes, InnerBorderLiesInsideTheEdge) {
  QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  strokeInside(p, QRectF(0, 0, 40, 40), 8, 2, Qt::white);
  p.end();
  EXPECT_GT(image.pixelColor(20, 0).red(), 240);  // the outermost pixel row is covered
  EXPECT_GT(image.pixelColor(20, 1).red(), 240);
  EXPECT_LT(image.pixelColor(20, 2).red(), 15);  // and nothing beyond the width
}

// Paints a disc with gradient and samples it clockwise from twelve.
struct Disc {
  QImage image{200, 200, QImage::Format_ARGB32_Premultiplied};
  explicit Disc(const QConicalGradient& g) {
    image.fill(Qt::black);
    QPainter p(&image);
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(100, 100), 95, 95);
  }
  QColor at(double degrees) const {
    const double a = degrees * std::numbers::pi / 180;
    return image.pixelColor(int(std::lround(100 + 80 * std::sin(a))),
                            int(std::lround(100 - 80 * std::cos(a))));
  }
};

TEST(Gradients, AngularRunsClockwiseFromTwelveAndKeepsEachCapInItsColour) {
  const QGradientStops redToBlue{{0.0, QColor(255, 0, 0)}, {1.0, QColor(0, 0, 255)}};
  const Disc quarter(angularGradient(QPointF(100, 100), redToBlue, 0, 90));
  EXPECT_GT(quarter.at(5).red(), 230);         // near the start: red
  EXPECT_GT(quarter.at(85).blue(), 230);       // near the end: blue
  EXPECT_NEAR(quarter.at(45).red(), 128, 12);  // halfway: the mix
  EXPECT_GT(quarter.at(100).blue(), 250);      // just past the end: the end colour
  EXPECT_GT(quarter.at(350).red(), 250);       // just before the start: the start colour

  const Disc more(angularGradient(QPointF(100, 100), redToBlue, 0, 720));  // only the first turn shows
  EXPECT_NEAR(more.at(180).red(), 191, 12);                                // a quarter of the way
  EXPECT_NEAR(more.at(359).red(), 128, 12);

  const Disc none(angularGradient(QPointF(100, 100), redToBlue, 0, 0));
  for (double a : {0.0, 90.0, 200.0}) EXPECT_GT(none.at(a).red(), 250);
}

TEST(Gradients, LinearAndRadialByUnitPoints) {
  const QRectF rect(10, 20, 100, 50);
  const QLinearGradient linear = linearGradient(rect, UnitPoint::topLeading(), UnitPoint::bottomTrailing(),
                                                evenStops({Qt::white, Qt::black}));
  EXPECT_EQ(linear.start(), QPointF(10, 20));
  EXPECT_EQ(linear.finalStop(), QPointF(110, 70));
  const QRadialGradient radial = radialGradient(rect, {0.28, 0.2}, 5, 40, evenStops({Qt::white, Qt::black}));
  EXPECT_EQ(radial.center(), QPointF(38, 30));
  EXPECT_DOUBLE_EQ(radial.centerRadius(), 40);
  EXPECT_DOUBLE_EQ(radial.focalRadius(), 5);
  EXPECT_EQ(evenStops({Qt::red, Qt::green, Qt::blue})[1].first, 0.5);
  EXPECT_EQ(colourAt({{0, QColor(0, 0, 0)}, {1, QColor(200, 100, 0)}}, 0.5), QColor(100, 50, 0));
}

TEST(Shadow, BlurredTintedOffsetAndCached) {
  QPainterPath square;
  square.addRect(40, 40, 40, 40);
  const Shadow shadow{QColor(255, 0, 0, 128), 12, QPointF(0, 10)};
  QImage image(120, 140, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  drawShadow(p, square, shadow);
  p.end();
  // Centre: full tint strength; beyond the edge it fades; offset moves it down.
  EXPECT_NEAR(qAlpha(image.pixel(60, 70)), 128, 3);
  EXPECT_EQ(qRed(image.pixel(60, 70)), qAlpha(image.pixel(60, 70)));  // red, premultiplied
  EXPECT_GT(qAlpha(image.pixel(60, 95)), qAlpha(image.pixel(60, 30)));
  EXPECT_GT(qAlpha(image.pixel(60, 36)), 0);
  EXPECT_LT(qAlpha(image.pixel(60, 36)), 128);
  EXPECT_EQ(qAlpha(image.pixel(5, 5)), 0);
  EXPECT_NEAR(shadowReach(shadow), 18 + 10, 1e-9);

  const QImage a = shadowImage(square, shadow, 1.0);
  QPainterPath moved;
  moved.addRect(500, 500, 40, 40);
  EXPECT_EQ(shadowImage(moved, shadow, 1.0).cacheKey(), a.cacheKey());  // same shape elsewhere: cached
  EXPECT_NE(shadowImage(square, shadow, 2.0).cacheKey(), a.cacheKey());
  EXPECT_EQ(shadowImage(square, shadow, 2.0).width(), a.width() * 2);
  EXPECT_NE(shadowImage(square, {QColor(0, 0, 255), 12, {}}, 1.0).cacheKey(), a.cacheKey());
}

TEST(Shadow, BlurKeepsTheTotalAndSpreadsIt) {
  QImage mask(61, 61, QImage::Format_Alpha8);
  mask.fill(0);
  for (int y = 26; y <= 34; ++y)
    for (int x = 26; x <= 34; ++x) mask.scanLine(y)[x] = 255;
  blurAlpha(mask, 4);
  long total = 0;
  for (int y = 0; y < 61; ++y)
    for (int x = 0; x < 61; ++x) total += mask.constScanLine(y)[x];
  EXPECT_NEAR(total, 255 * 81, 255 * 81 / 10);
  EXPECT_GT(mask.constScanLine(30)[30], mask.constScanLine(30)[38]);
  EXPECT_GT(mask.constScanLine(30)[38], 0);
  EXPECT_LT(mask.constScanLine(30)[30], 255);
  EXPECT_EQ(mask.constScanLine(30)[30 + 20], 0);
}

// A caster that glows 10 px below its own rect.
class Glowing : public QWidget, public ShadowCaster {
 public:
  using QWidget::QWidget;
  void paintShadows(QPainter& painter) const override {
    painter.fillRect(QRectF(0, height(), width(), 10), Qt::green);
  }
  QRectF shadowArea() const override { return QRectF(0, 0, width(), height() + 10); }
};

TEST(ShadowLayer, TheNearestHostDrawsGlowsOutsideTheCaster) {
  ShadowHost host;
  host.resize(100, 100);
  auto* cell = new QWidget(&host);  // a layout cell exactly the caster's size
  cell->setGeometry(20, 20, 40, 20);
  auto* caster = new Glowing(cell);
  caster->resize(40, 20);
  ShadowLayer::track(caster);
  host.show();
  QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  host.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_EQ(image.pixelColor(30, 45), QColor(Qt::green));  // below the cell, not clipped
  EXPECT_EQ(image.pixelColor(30, 55), QColor(Qt::black));
  EXPECT_EQ(ShadowLayer::hostOf(caster), &host);

  caster->hide();
  image.fill(Qt::black);
  host.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_EQ(image.pixelColor(30, 45), QColor(Qt::black));

  // A host nearer the caster takes it over.
  caster->show();
  ShadowLayer::makeHost(cell);
  EXPECT_EQ(ShadowLayer::hostOf(caster), cell);
  image.fill(Qt::black);
  host.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_EQ(image.pixelColor(30, 45), QColor(Qt::black));  // the cell did not paint it
  Glowing orphan;
  EXPECT_EQ(ShadowLayer::hostOf(&orphan), nullptr);

  // A host that goes stops being one (only its address is looked up).
  auto* gone = new QWidget;
  ShadowLayer::makeHost(gone);
  EXPECT_TRUE(ShadowLayer::isHost(gone));
  delete gone;
  EXPECT_FALSE(ShadowLayer::isHost(gone));
}

// Counts its paintings: a repaint elsewhere must skip it, one that touches
// only its glow (outside its own rect) must not.
class CountingGlow : public Glowing {
 public:
  using Glowing::Glowing;
  void paintShadows(QPainter& painter) const override {
    ++paintings;
    Glowing::paintShadows(painter);
  }
  mutable int paintings = 0;
};

TEST(ShadowLayer, ARepaintDrawsTheShadowsItTouchesAndSkipsTheRest) {
  ShadowHost host;
  host.resize(100, 100);
  auto* caster = new CountingGlow(&host);
  caster->setGeometry(20, 20, 40, 20);  // its glow reaches y 50
  ShadowLayer::track(caster);
  host.show();
  QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
  struct Case {
    const char* what;
    QRect region;
    int paintings;
    bool green;
  };
  const Case cases[] = {
      {"the whole host", QRect(0, 0, 100, 100), 1, true},
      {"only the glow, below the caster", QRect(25, 42, 10, 6), 1, true},
      {"far from the caster and its glow", QRect(70, 70, 20, 20), 0, false},
  };
  for (const Case& c : cases) {
    caster->paintings = 0;
    image.fill(Qt::black);
    host.render(&image, QPoint(), QRegion(c.region), QWidget::DrawChildren);
    EXPECT_EQ(caster->paintings, c.paintings) << c.what;
    // render() puts the region's corner at the image's; the glow at (30, 45).
    const QPoint probe = c.region.contains(QPoint(30, 45)) ? QPoint(30, 45) : c.region.center();
    EXPECT_EQ(image.pixelColor(probe - c.region.topLeft()) == QColor(Qt::green), c.green) << c.what;
  }
}

TEST(Easing, CurvesMatchTheirControlPoints) {
  EXPECT_DOUBLE_EQ(easeInOut(0), 0);
  EXPECT_DOUBLE_EQ(easeInOut(1), 1);
  EXPECT_NEAR(easeInOut(0.5), 0.5, 1e-6);
  EXPECT_NEAR(easeInOut(0.25) + easeInOut(0.75), 1.0, 1e-6);  // symmetric
  EXPECT_LT(easeInOut(0.1), 0.1);
  EXPECT_GT(easeOut(0.1), 0.1);
  EXPECT_DOUBLE_EQ(easeOut(-1), 0);
  EXPECT_DOUBLE_EQ(easeOut(2), 1);
  const QEasingCurve inOut = easeInOutCurve(), out = easeOutCurve();
  for (double p : {0.1, 0.3, 0.5, 0.7, 0.9}) {
    EXPECT_NEAR(inOut.valueForProgress(p), easeInOut(p), 2e-3) << p;
    EXPECT_NEAR(out.valueForProgress(p), easeOut(p), 2e-3) << p;
  }
}

TEST(Easing, SpringOvershootsWhenUnderdampedAndSettles) {
  double peak = 0;
  for (double t = 0; t < 1; t += 0.001) peak = std::max(peak, springValue(t, 0.3, 0.55));
  EXPECT_GT(peak, 1.05);
  double criticalPeak = 0;
  for (double t = 0; t < 2; t += 0.001) criticalPeak = std::max(criticalPeak, springValue(t, 0.3, 1.0));
  EXPECT_LE(criticalPeak, 1.0);
  const double settle = springSettlingTime(0.3, 0.55);
  EXPECT_GT(settle, 0.2);
  EXPECT_LT(settle, 2.0);
  EXPECT_NEAR(springValue(settle + 0.05, 0.3, 0.55), 1.0, 1e-3);

  SpringAnimation animation(0.3, 0.55);
  animation.setStartValue(0.0);
  animation.setEndValue(10.0);
  EXPECT_EQ(animation.duration(), int(std::lround(settle * 1000)));
  animation.setCurrentTime(animation.duration());
  EXPECT_DOUBLE_EQ(animation.currentValue().toDouble(), 10.0);
  animation.setCurrentTime(int(animation.duration() * 0.2));
  EXPECT_GT(animation.currentValue().toDouble(), 3.0);
}

}  // namespace
}  // namespace tidewell::design
