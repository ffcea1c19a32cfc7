#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <QVBoxLayout>
#include <QWidget>
#include <cmath>
#include <limits>
#include <vector>

#include "base/ByteCountText.h"
#include "design/components/CountUpBytes.h"
#include "design/motion/CountUpValue.h"
#include "design/type/InterFont.h"
#include "design/type/MonospacedDigits.h"
#include "tests/design/motion/MotionFixture.h"

namespace tidewell::design {
namespace {

using testing::FrozenMotion;
using testing::renderOnBlack;

TEST(CountUpValue, FractionOfTheCount) {
  struct Case {
    std::optional<double> elapsed;
    double duration, expected;
  };
  const Case cases[] = {
      {std::nullopt, 2.0, 0.0}, {-0.5, 2.0, 0.0},         {0.0, 2.0, 0.0},          {1.0, 2.0, 0.5},
      {2.0, 2.0, 1.0},          {9.0, 2.0, 1.0},          {std::nullopt, 0.0, 1.0}, {-1.0, 0.0, 1.0},
      {0.3, -1.0, 1.0},         {std::nan(""), 2.0, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(countUpFraction(c.elapsed, c.duration), c.expected)
        << (c.elapsed ? *c.elapsed : -99) << " of " << c.duration;
  }
}

TEST(CountUpValue, ShownBytesEaseOutToTheExactTarget) {
  constexpr int64_t big = std::numeric_limits<int64_t>::max();
  struct Case {
    int64_t target;
    double fraction;
    int64_t expected;
  };
  const Case cases[] = {
      {1'000'000, 0.5, 875'000},  // 1 - 0.5^3
      {1'000'000, 0.0, 0},
      {1'000'000, 1.0, 1'000'000},
      {1'000'000, 0.25, 578'125},
      {999, 0.5, 874},  // truncated toward zero
      {0, 0.5, 0},
      {0, 1.0, 0},
      {-5000, 0.5, 0},
      {-5000, 1.0, 0},
      // Counts past 2^53 arrive exactly, with no floating-point rounding.
      {big, 1.0, big},
      {9'007'199'254'740'993, 1.0, 9'007'199'254'740'993},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(countUpShownBytes(c.target, c.fraction), c.expected) << c.target << " at " << c.fraction;
  }
  // Near the end a huge count stays within range.
  EXPECT_LE(countUpShownBytes(big, 1 - 1e-12), big);
  EXPECT_GT(countUpShownBytes(big, 1 - 1e-12), big / 2);
}

TEST(CountUpValue, ACountFromAShownValueRunsBetweenItsEnds) {
  constexpr int64_t big = std::numeric_limits<int64_t>::max();
  struct Case {
    int64_t from, target;
    double fraction;
    int64_t expected;
  };
  const Case cases[] = {
      {1'000'000, 2'000'000, 0.0, 1'000'000},
      {1'000'000, 2'000'000, 0.5, 1'875'000},  // 1 - 0.5^3 of the way
      {1'000'000, 2'000'000, 1.0, 2'000'000},
      {2'000'000, 1'000'000, 0.5, 1'125'000},  // down as well as up
      {2'000'000, 0, 1.0, 0},
      {0, 1'000'000, 0.5, 875'000},  // from 0: the count from nothing
      {-7, 1'000'000, 0.5, 875'000},
      {1'000'000, -7, 0.5, 125'000},
      {5, 5, 0.5, 5},
      {1, big, 1.0, big},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(countUpShownBytes(c.from, c.target, c.fraction), c.expected)
        << c.from << " to " << c.target << " at " << c.fraction;
  }
  // Between two huge counts the value stays between them.
  const int64_t between = countUpShownBytes(big - 1000, big, 0.5);
  EXPECT_GE(between, big - 1000);
  EXPECT_LE(between, big);
}

struct Counter {
  QWidget window;
  CountUpBytes* counter;
  Counter(int64_t target, double duration) {
    counter = new CountUpBytes(target, duration, inter(30, FontWeight::Bold), &window);
    window.resize(300, 60);
  }
};

TEST(CountUpBytes, CountsFromZeroEachTimeItIsShownAndRestsOnTheTarget) {
  FrozenMotion motion;
  Counter c(2'000'000, 2.0);
  EXPECT_EQ(c.counter->shownBytes(), 0);  // not yet shown
  c.window.show();
  EXPECT_EQ(c.counter->text(), QStringLiteral("Zero KB"));
  EXPECT_TRUE(c.counter->isAnimating());
  motion.advance(1.0, 0.5);
  EXPECT_EQ(c.counter->shownBytes(), 1'750'000);  // 87.5 % at half time
  motion.advance(1.0, 0.5);
  EXPECT_EQ(c.counter->shownBytes(), 2'000'000);
  EXPECT_FALSE(c.counter->isFinished());  // still ticking for 0.2 s
  motion.advance(0.25, 0.05);
  EXPECT_TRUE(c.counter->isFinished());
  EXPECT_FALSE(c.counter->isAnimating());
  EXPECT_EQ(c.counter->text(), QStringLiteral("2 MB"));

  // Hidden, the count stops; shown again, it starts over.
  c.counter->hide();
  EXPECT_FALSE(c.counter->isAnimating());
  c.counter->show();
  EXPECT_EQ(c.counter->shownBytes(), 0);
  EXPECT_TRUE(c.counter->isAnimating());
}

TEST(CountUpBytes, ANewTargetIsCountedToFromTheCountOnScreen) {
  FrozenMotion motion;
  Counter c(2'000'000, 2.0);
  c.counter->setTarget(1'000'000);  // not shown yet: counts from 0 when it is
  c.window.show();
  EXPECT_EQ(c.counter->shownBytes(), 0);
  motion.advance(1.0, 0.5);
  EXPECT_EQ(c.counter->shownBytes(), 875'000);

  c.counter->setTarget(3'000'000);
  EXPECT_EQ(c.counter->target(), 3'000'000);
  EXPECT_EQ(c.counter->shownBytes(), 875'000);
  motion.advance(1.0, 0.5);
  EXPECT_EQ(c.counter->shownBytes(), 875'000 + 2'125'000 * 7 / 8);
  motion.advance(1.25, 0.25);
  EXPECT_TRUE(c.counter->isFinished());
  EXPECT_EQ(c.counter->text(), QStringLiteral("3 MB"));

  // Once at rest, a new target starts the frames again from the target shown.
  c.counter->setTarget(4'000'000);
  EXPECT_FALSE(c.counter->isFinished());
  EXPECT_TRUE(c.counter->isAnimating());
  EXPECT_EQ(c.counter->shownBytes(), 3'000'000);
  c.counter->setTarget(4'000'000);  // the same target changes nothing
  EXPECT_EQ(c.counter->shownBytes(), 3'000'000);
}

TEST(CountUpBytes, EdgeCounts) {
  struct Case {
    const char* what;
    int64_t target;
    double duration;
    const char* first;
  };
  const Case cases[] = {
      {"duration 0 shows the target at once", 1'500'000, 0.0, "1.5 MB"},
      {"negative duration counts as 0", 1'500'000, -3.0, "1.5 MB"},
      {"target 0", 0, 2.0, "Zero KB"},
  };
  for (const Case& c : cases) {
    FrozenMotion motion;
    Counter counter(c.target, c.duration);
    counter.window.show();
    EXPECT_EQ(counter.counter->text(), QString::fromLatin1(c.first)) << c.what;
    motion.advance(1.0, 0.25);
    if (c.target == 0) {
      EXPECT_EQ(counter.counter->text(), QStringLiteral("Zero KB")) << c.what;
    }
    motion.advance(2.0, 0.25);
    EXPECT_TRUE(counter.counter->isFinished()) << c.what;
  }
}

TEST(CountUpBytes, ReduceMotionShowsTheTargetWithoutFrames) {
  FrozenMotion motion(true);
  Counter c(42'000, 2.0);
  c.window.show();
  EXPECT_EQ(c.counter->text(), QStringLiteral("42 KB"));
  EXPECT_FALSE(c.counter->isAnimating());
}

TEST(CountUpBytes, ShrinksToItsWidthButNotBelowItsMinimumScale) {
  FrozenMotion motion(true);
  const QFont font = inter(32, FontWeight::Bold, FontDesign::Rounded);
  CountUpBytes counter(1'234'000'000, 1.8, font);
  // The final text's own width ("1.23 GB"); the widget asks for more, for
  // the wider "999.9 MB" it passes on the way.
  const int natural = int(std::ceil(monospacedDigitsWidth(font, QStringLiteral("1.23 GB")))) + 2;
  EXPECT_GT(counter.sizeHint().width(), natural);
  struct Case {
    double minimumScale;
    int width;
    double low, high;
  };
  const Case cases[] = {
      {1.0, natural / 2, 1.0, 1.0},        // never shrinks unless asked
      {0.5, natural + 10, 1.0, 1.0},       // fits
      {0.5, natural * 3 / 4, 0.72, 0.78},  // shrinks to fit
      {0.5, natural / 4, 0.5, 0.5},        // stops at half and is cut
  };
  for (const Case& c : cases) {
    counter.setMinimumScale(c.minimumScale);
    counter.resize(c.width, counter.sizeHint().height());
    EXPECT_GE(counter.fontScale(), c.low) << c.minimumScale << " at " << c.width;
    EXPECT_LE(counter.fontScale(), c.high) << c.minimumScale << " at " << c.width;
  }
}

// Whether a pixel of the image's first or last column is not black: a text
// drawn wider than its widget is cut there.
bool inkAtSides(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x : {0, image.width() - 1})
      if (image.pixelColor(x, y).value() > 0) return true;
  return false;
}

TEST(CountUpBytes, NoFrameOfACountIsCutAtItsSides) {
  // Laid out as the cleanup result (shrinking to at most 140) and the
  // Smart Scan ring (never shrinking) lay it out: centred in a column.
  struct Case {
    const char* what;
    int64_t target;
    double size, minimumScale;
    int maximumWidth;
  };
  const Case cases[] = {
      {"8 MB, passing 343 KB, on the cleanup result", 8'000'000, 32, 0.5, 140},
      {"22.68 GB, passing 999.9 MB, on the cleanup result", 22'680'000'000, 32, 0.5, 140},
      {"1.23 GB, passing 999.9 MB, on the cleanup result", 1'234'000'000, 32, 0.5, 140},
      {"8 MB on the Smart Scan ring", 8'000'000, 30, 1, QWIDGETSIZE_MAX},
      {"19.28 GB on the Smart Scan ring", 19'280'000'000, 30, 1, QWIDGETSIZE_MAX},
      {"10 GB, passing 9.99 GB", 10'000'000'000, 30, 1, QWIDGETSIZE_MAX},
  };
  constexpr double duration = 1.8, frame = 1.0 / 30;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FrozenMotion motion;
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    auto* counter =
        new CountUpBytes(c.target, duration, inter(c.size, FontWeight::Bold, FontDesign::Rounded));
    counter->setMinimumScale(c.minimumScale);
    counter->setMaximumWidth(c.maximumWidth);
    column->addWidget(counter, 0, Qt::AlignHCenter);
    window.resize(400, 100);
    window.show();
    const QFont font = inter(c.size, FontWeight::Bold, FontDesign::Rounded);
    const auto drawnWidth = [&](const QString& text, double scale) {
      QFont drawn = font;
      drawn.setPointSizeF(font.pointSizeF() * scale);
      return monospacedDigitsWidth(drawn, text);
    };
    struct Frame {
      QString text;
      double width;
      bool inkAtSides;
    };
    std::vector<Frame> frames;
    for (double t = 0; t <= duration + 0.3; t += frame) {
      const QString text = counter->text();
      frames.push_back({text, drawnWidth(text, counter->fontScale()), inkAtSides(renderOnBlack(*counter))});
      motion.advance(frame, frame);
    }
    ASSERT_TRUE(counter->isFinished());
    // A final text shrunk to the width may overrun it by a fraction of a
    // pixel (a font's advances do not scale exactly): that is its look.
    const double room = std::max(double(counter->width()), drawnWidth(counter->text(), counter->fontScale()));
    QSet<QString> texts;
    QStringList cut;
    for (const Frame& f : frames) {
      texts.insert(f.text);
      // Within the widget; and where there is room to spare, no ink at the
      // sides either.
      if (f.width > room + 1e-6 || (f.width <= counter->width() - 2 && f.inkAtSides))
        cut << QStringLiteral("%1 (%2 wide)").arg(f.text).arg(f.width);
    }
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QStringLiteral(", ")).toStdString() << " cut by a counter "
                               << counter->width() << " wide";
    EXPECT_EQ(counter->text(), QString::fromStdString(base::byteCountText(c.target)));
    // The frames were counting, not one text over and over.
    EXPECT_GT(texts.size(), 20);
  }
}

}  // namespace
}  // namespace tidewell::design
