#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "design/components/ScanCircleButton.h"
#include "design/components/ScanCircleLayout.h"
#include "design/theme/SectionAccent.h"
#include "tests/design/motion/MotionFixture.h"

namespace tidewell::design {
namespace {

using namespace tidewell::design::literals;
using testing::FrozenMotion;

TEST(ScanCircleLayout, PartsAroundTheCircle) {
  const QRectF box(0, 0, 224, 224);
  const ScanCircleLayout layout = scanCircleLayout(box, 20);
  EXPECT_EQ(layout.circle, QRectF(12, 12, 200, 200));
  EXPECT_EQ(layout.ring, box);
  // Blob 62, 12 apart from a 20-high title, the pair centred: 94 high.
  EXPECT_EQ(layout.blob, QRectF(81, 65, 62, 62));
  EXPECT_EQ(layout.title, QRectF(0, 139, 224, 20));
  struct Hover {
    double h, fill, scale, glow;
  };
  for (const Hover& c : {Hover{0, 0.06, 1, 0}, Hover{1, 0.12, 1.04, 0.25}, Hover{0.5, 0.09, 1.02, 0.125}}) {
    EXPECT_NEAR(scanCircleFillOpacity(c.h), c.fill, 1e-12);
    EXPECT_NEAR(scanCircleScale(c.h), c.scale, 1e-12);
    EXPECT_NEAR(scanCircleGlowOpacity(c.h), c.glow, 1e-12);
  }
}

TEST(ScanCircleButton, OnlyTheCircleTakesClicks) {
  FrozenMotion motion;
  int clicks = 0;
  QWidget window;
  auto* button = new ScanCircleButton("magnifyingglass"_symbol, "Scan My Mac", &window);
  QObject::connect(button, &QAbstractButton::clicked, &window, [&] { ++clicks; });
  button->resize(button->sizeHint());
  window.show();
  EXPECT_EQ(button->sizeHint(), QSize(224, 224));
  struct Case {
    QPoint at;
    bool counts;
  };
  const Case cases[] = {
      {{112, 112}, true},  // the centre
      {{112, 2}, true},    // top edge, inside the circle
      {{2, 112}, true},    // leading edge
      {{4, 4}, false},     // the four corners, outside the circle
      {{219, 4}, false},  {{4, 219}, false}, {{219, 219}, false}, {{30, 30}, false},  // 116 from the centre
      {{35, 35}, true},                                                               // 109 from the centre
  };
  for (const Case& c : cases) {
    const int before = clicks;
    QTest::mouseClick(button, Qt::LeftButton, {}, c.at);
    EXPECT_EQ(clicks - before, c.counts ? 1 : 0) << c.at.x() << "," << c.at.y();
  }
}

TEST(ScanCircleButton, HoverGrowsTheButtonAndTiltsTheBlobOnlyOverIt) {
  FrozenMotion motion;
  QWidget window;
  auto* button = new ScanCircleButton("magnifyingglass"_symbol, "Scan My Mac", &window);
  button->resize(button->sizeHint());
  window.show();
  QTest::mouseMove(button, QPoint(112, 200));  // on the circle, below the title
  EXPECT_TRUE(button->isHovering());
  EXPECT_FALSE(button->isBlobHovering());
  motion.advance(0.1);
  const double halfway = button->currentSnapshot().hover;
  EXPECT_GT(halfway, 0.5);  // ease-out
  EXPECT_LT(halfway, 1.0);
  motion.advance(0.15);
  EXPECT_DOUBLE_EQ(button->currentSnapshot().hover, 1.0);
  EXPECT_DOUBLE_EQ(scanCircleScale(button->currentSnapshot().hover), 1.04);
  // The blob wobbles (no hover tilt beyond it) until the pointer is over it.
  const BlobTransform resting = button->currentSnapshot().blob;
  EXPECT_LT(resting.scale, 1.03);
  button->setBlobHovering(true);
  motion.advance(2.0);
  const BlobTransform tilted = button->currentSnapshot().blob;
  const BlobTransform wobble =
      wobbleTransform(AnimationClock::shared().now() + wobblePhase(QStringLiteral("magnifyingglass")));
  EXPECT_NEAR(tilted.scale, wobble.scale * 1.08, 1e-9);
  EXPECT_NEAR(tilted.rotationDegrees, wobble.rotationDegrees + 3, 1e-9);
  // A move into a corner leaves the circle.
  QTest::mouseMove(button, QPoint(3, 3));
  EXPECT_FALSE(button->isHovering());
  EXPECT_FALSE(button->isBlobHovering());
}

TEST(ScanCircleButton, FramesOnlyWhileShownAndMotionAllowed) {
  FrozenMotion motion;
  QWidget window;
  auto* button = new ScanCircleButton("magnifyingglass"_symbol, "Scan My Mac", &window);
  EXPECT_FALSE(button->isAnimating());
  window.show();
  EXPECT_TRUE(button->isAnimating());
  window.hide();
  EXPECT_FALSE(button->isAnimating());
  window.show();
  motion.reduce(true);
  motion.advance(0.1);
  EXPECT_FALSE(button->isAnimating());
  // Under reduce motion a hover takes effect at once.
  button->setHovering(true);
  EXPECT_DOUBLE_EQ(button->currentSnapshot().hover, 1.0);
  EXPECT_EQ(button->currentSnapshot().blob, BlobTransform{});
}

TEST(ScanCircleButton, PaintsInTheSectionAccent) {
  FrozenMotion motion(true);
  QWidget section;
  SectionAccent::set(&section, SectionPalette::advisor());
  auto* button = new ScanCircleButton("magnifyingglass"_symbol, "Scan My Mac", &section);
  button->resize(button->sizeHint());
  const QImage image = testing::renderOnBlack(*button);
  const ScanCircleLayout layout = scanCircleLayout(QRectF(0, 0, 224, 224), 20);
  // The blob's body, beside its symbol, is the advisor orange.
  const QPoint body = (layout.blob.topLeft() + QPointF(12, 30)).toPoint();
  EXPECT_LT(testing::hueDistance(testing::hueAt(image, body.x(), body.y()),
                                 SectionPalette::advisor().primary.hsvHueF() * 360),
            20);
  // The circle's faint fill leans the same way; a corner stays black.
  const QColor fill = image.pixelColor(112, 195);
  EXPECT_GT(fill.red(), fill.blue());
  EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::black));
}

}  // namespace
}  // namespace tidewell::design
