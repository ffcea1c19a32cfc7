#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QVBoxLayout>
#include <functional>
#include <vector>

#include "design/components/Donut.h"
#include "design/components/DotGauge.h"
#include "design/components/GlossyBlob.h"
#include "design/components/GlowCard.h"
#include "design/components/ScanCircleButton.h"
#include "design/motion/AmbientFrames.h"
#include "design/motion/AnimationClock.h"
#include "design/paint/AmbientBackground.h"
#include "design/paint/PaintCache.h"
#include "design/paint/PaintKey.h"
#include "tests/design/motion/MotionFixture.h"

namespace tidewell::design {
namespace {

using namespace literals;
using testing::FrozenMotion;

// Translucent layers, overlapping, as a glass card draws them.
void drawLayers(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRectF(4, 4, 40, 30), QColor(255, 255, 255, 40));
  p.setBrush(QColor(80, 200, 120, 150));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(14.5, 10.25, 30, 20));
}

QImage backdrop(QSize size, double dpr, QColor colour) {
  QImage image(size * dpr, QImage::Format_RGB32);
  image.setDevicePixelRatio(dpr);
  image.fill(colour);
  return image;
}

int largestDifference(const QImage& a, const QImage& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}

TEST(PaintCache, RendersAgainOnlyWhenSizeRatioOrKeyChange) {
  const QSize size(50, 40);
  struct Step {
    const char* what;
    QSize size;
    double dpr;
    uint64_t key;
    bool invalidate;
    bool renders;
  };
  const std::vector<Step> steps = {
      {"first paint", size, 1, 7, false, true},
      {"same inputs, new backdrop", size, 1, 7, false, false},
      {"the key changes", size, 1, 8, false, true},
      {"the size changes", QSize(51, 40), 1, 8, false, true},
      {"the pixel ratio changes", QSize(51, 40), 2, 8, false, true},
      {"nothing changes at ratio 2", QSize(51, 40), 2, 8, false, false},
      {"invalidated", QSize(51, 40), 2, 8, true, true},
  };
  PaintCache cache;
  int renders = 0;
  for (const Step& step : steps) {
    if (step.invalidate) cache.invalidate();
    QImage target = backdrop(step.size, step.dpr, QColor(20, 30, 40 + renders));
    QPainter p(&target);
    const int before = renders;
    const int64_t totalBefore = PaintCache::totalRenders();
    cache.paint(p, step.size, step.key, [&](QPainter& q) {
      ++renders;
      drawLayers(q);
    });
    EXPECT_EQ(renders - before, step.renders ? 1 : 0) << step.what;
    EXPECT_EQ(PaintCache::totalRenders() - totalBefore, step.renders ? 1 : 0) << step.what;
    EXPECT_TRUE(cache.valid(step.size, step.dpr, step.key)) << step.what;
  }
  EXPECT_EQ(cache.renders(), renders);
}

TEST(PaintCache, ThePictureOverANewBackdropGivesTheDrawnPixels) {
  const QSize size(50, 40);
  for (const double dpr : {1.0, 2.0}) {
    PaintCache cache;
    for (const QColor& colour : {QColor(10, 12, 16), QColor(60, 20, 90), QColor(200, 180, 40)}) {
      QImage drawn = backdrop(size, dpr, colour), cached = backdrop(size, dpr, colour);
      {
        QPainter p(&drawn);
        drawLayers(p);
      }
      {
        QPainter p(&cached);
        cache.paint(p, size, 1, drawLayers);
      }
      EXPECT_LE(largestDifference(drawn, cached), 2)
          << "ratio " << dpr << ", " << colour.name().toStdString();
    }
    EXPECT_EQ(cache.renders(), 1);
  }
}

TEST(PaintCache, DrawsDirectlyWhereAPictureCouldNotMatch) {
  const QSize size(50, 40);
  struct Case {
    const char* what;
    std::function<void(QPainter&)> set;
  };
  const std::vector<Case> cases = {
      {"rotated", [](QPainter& p) { p.rotate(10); }},
      {"half a pixel over", [](QPainter& p) { p.translate(0.5, 0); }},
      {"at reduced opacity", [](QPainter& p) { p.setOpacity(0.5); }},
      {"scaled beyond the device", [](QPainter& p) { p.scale(2, 2); }},
  };
  for (const Case& c : cases) {
    PaintCache cache;
    QImage drawn = backdrop(QSize(100, 80), 1, Qt::black);
    {
      QPainter p(&drawn);
      c.set(p);
      drawLayers(p);
    }
    for (int i = 0; i < 2; ++i) {
      QImage cached = backdrop(QSize(100, 80), 1, Qt::black);
      QPainter p(&cached);
      c.set(p);
      cache.paint(p, size, 1, drawLayers);
      p.end();
      EXPECT_EQ(largestDifference(drawn, cached), 0) << c.what;
    }
    EXPECT_EQ(cache.renders(), 2) << c.what;
    EXPECT_FALSE(cache.valid(size, 1, 1)) << c.what;
  }
}

TEST(PaintKey, EveryInputCounts) {
  const auto key = [](QString text, QColor colour, double size, bool hover, std::optional<QColor> glow) {
    return PaintKey().add(text, colour, size, hover, glow).value();
  };
  const uint64_t base = key("Scan", Qt::white, 13, false, std::nullopt);
  EXPECT_EQ(base, key("Scan", Qt::white, 13, false, std::nullopt));
  EXPECT_NE(base, key("Scam", Qt::white, 13, false, std::nullopt));
  EXPECT_NE(base, key("Scan", QColor(255, 255, 254), 13, false, std::nullopt));
  EXPECT_NE(base, key("Scan", Qt::white, 13.5, false, std::nullopt));
  EXPECT_NE(base, key("Scan", Qt::white, 13, true, std::nullopt));
  EXPECT_NE(base, key("Scan", Qt::white, 13, false, QColor(Qt::red)));
  EXPECT_NE(PaintKey().add(QString("ab"), QString("c")).value(),
            PaintKey().add(QString("a"), QString("bc")).value());
}

// A component's own change draws it again; its size too; a repaint that is
// not its own does not.
TEST(PaintCache, ComponentsRenderAgainOnTheirOwnChangesOnly) {
  FrozenMotion motion(true);  // still, so only the changes below repaint
  struct Case {
    const char* what;
    std::function<QWidget*()> make;
    std::function<void(QWidget*)> change;
  };
  const std::vector<Case> cases = {
      {"a glow card's style", [] { return new GlowCard({.cornerRadius = 20, .padding = 18}); },
       [](QWidget* w) {
         static_cast<GlowCard*>(w)->setLook({.cornerRadius = 20, .padding = 18, .featured = true});
       }},
      {"a glow card's size", [] { return new GlowCard({.cornerRadius = 20, .padding = 18}); },
       [](QWidget* w) { w->resize(w->width() + 10, w->height()); }},
      {"a donut's value", [] { return new Donut(0.3, 120, 14); },
       [](QWidget* w) { static_cast<Donut*>(w)->setUsed(0.6); }},
      {"a dotted gauge's value", [] { return new DotGauge(0.2, 200); },
       [](QWidget* w) { static_cast<DotGauge*>(w)->setUsed(0.7); }},
      {"a scan button's hover",
       [] { return new ScanCircleButton("sparkles"_symbol, QStringLiteral("Scan")); },
       [](QWidget* w) { static_cast<ScanCircleButton*>(w)->setHovering(true); }},
  };
  for (const Case& c : cases) {
    QWidget window;
    window.resize(400, 320);
    QWidget* widget = c.make();
    widget->setParent(&window);
    widget->setGeometry(40, 40, 240, 240);
    window.show();
    window.grab();
    const int64_t settled = PaintCache::totalRenders();
    window.grab();
    EXPECT_EQ(PaintCache::totalRenders(), settled) << c.what << ": repainted unchanged";
    c.change(widget);
    window.grab();
    EXPECT_GT(PaintCache::totalRenders(), settled) << c.what << ": not drawn again";
  }
}

TEST(PaintCache, ABackdropFrameDrawsNoCardAgain) {
  FrozenMotion motion;
  AmbientBackground window(SectionPalette::clean());
  window.resize(480, 360);
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(40, 40, 40, 40);
  auto* card = new GlowCard({.cornerRadius = 20, .padding = 18, .featured = true});
  auto* content = new QWidget;
  auto* column = new QVBoxLayout(content);
  column->addWidget(new Donut(0.4, 100, 12), 0, Qt::AlignCenter);
  card->setContent(content);
  layout->addWidget(card);
  window.show();
  const QImage first = window.grab().toImage();
  const int64_t settled = PaintCache::totalRenders();
  // Far enough on for the wash to move visibly.
  AnimationClock::shared().advance(30);
  const QImage next = window.grab().toImage();
  EXPECT_EQ(PaintCache::totalRenders(), settled);
  EXPECT_GT(largestDifference(first, next), 0) << "the backdrop did not move";
}

TEST(AnimationClock, TheDriftAndTheWobbleShareOneBeat) {
  setReduceMotionOverride(false);
  {
    AmbientBackground window(SectionPalette::clean());
    window.resize(480, 360);
    auto* layout = new QVBoxLayout(&window);
    auto* blob = new GlossyBlob("sparkles"_symbol, SectionPalette::apps(), 52, true);
    auto* button = new ScanCircleButton("sparkles"_symbol, QStringLiteral("Scan"));
    layout->addWidget(blob);
    layout->addWidget(button);
    window.show();
    ASSERT_TRUE(window.isAnimating() && blob->isAnimating() && button->isAnimating());
    EXPECT_EQ(AnimationClock::shared().runningBeats(), std::vector<int>{kAmbientFrameMs});
  }
  EXPECT_TRUE(AnimationClock::shared().runningBeats().empty());
  setReduceMotionOverride(std::nullopt);
}

}  // namespace
}  // namespace tidewell::design
