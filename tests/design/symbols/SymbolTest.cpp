#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <filesystem>
#include <fstream>
#include <set>

#include "design/motion/MotionPreference.h"
#include "design/symbols/Symbol.h"
#include "design/symbols/SymbolEffect.h"
#include "design/symbols/SymbolEffectCurves.h"

namespace tidewell::design {
namespace {

using namespace literals;

QImage render(const SymbolName& name, FontWeight weight, const SymbolFrame& frame = {},
              bool* drawn = nullptr) {
  QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  const bool ok = drawSymbol(p, name, QRectF(0, 0, 64, 64), weight, QColor(255, 0, 0), frame);
  p.end();
  if (drawn) *drawn = ok;
  return image;
}

int inkPixels(const QImage& image) {
  int ink = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ink += qAlpha(image.pixel(x, y)) > 0;
  return ink;
}

// Symbol names written in the sources as "name"_symbol. Read line by line
// without std::regex, whose matcher recurses once per character and runs
// out of stack on a whole source file under the address sanitizer.
std::set<std::string> symbolNamesInSources() {
  // Not __FILE__: a compiler cache or an out-of-tree build can make it relative.
  const std::filesystem::path repo(TIDEWELL_SOURCE_DIR);
  const std::string suffix = "\"_symbol";
  std::set<std::string> names;
  for (const char* folder : {"design", "screens", "app", "models", "widget"}) {
    const auto root = repo / folder;
    if (!std::filesystem::exists(root)) continue;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
      const auto ext = entry.path().extension();
      if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
      std::ifstream in(entry.path());
      for (std::string line; std::getline(in, line);) {
        for (auto end = line.find(suffix); end != std::string::npos; end = line.find(suffix, end + 1)) {
          const auto open = end == 0 ? std::string::npos : line.rfind('"', end - 1);
          if (open == std::string::npos || open + 1 == end) continue;
          const std::string name = line.substr(open + 1, end - open - 1);
          if (name.find('\\') == std::string::npos) names.insert(name);
        }
      }
    }
  }
  return names;
}

TEST(SymbolTable, EverySymbolNameInTheSourcesResolves) {
  const std::set<std::string> names = symbolNamesInSources();
  ASSERT_FALSE(names.empty()) << "the pattern found nothing; has the literal changed?";
  for (const std::string& name : names) {
    EXPECT_FALSE(phosphorGlyph(QString::fromStdString(name)).isEmpty()) << name;
  }
}

TEST(SymbolTable, EveryEntryDrawsInEveryWeight) {
  for (const QString& name : knownSymbolNames()) {
    for (FontWeight weight : {FontWeight::Light, FontWeight::Regular, FontWeight::Semibold}) {
      const QString path = symbolResourcePath(name, weight);
      EXPECT_TRUE(QFile::exists(path)) << name.toStdString() << " " << path.toStdString();
      bool drawn = false;
      const QImage image = render(SymbolName(name), weight, {}, &drawn);
      EXPECT_TRUE(drawn) << name.toStdString();
      EXPECT_GT(inkPixels(image), 40) << name.toStdString();
    }
  }
}

TEST(SymbolTable, WeightFollowsTheNameAndTheText) {
  struct Case {
    const char* name;
    FontWeight text;
    const char* path;
  };
  const Case cases[] = {
      {"trash", FontWeight::Light, ":/tidewell/symbols/light/trash-light.svg"},
      {"trash", FontWeight::Thin, ":/tidewell/symbols/light/trash-light.svg"},
      {"trash", FontWeight::Regular, ":/tidewell/symbols/regular/trash.svg"},
      {"trash", FontWeight::Medium, ":/tidewell/symbols/regular/trash.svg"},
      {"trash", FontWeight::Semibold, ":/tidewell/symbols/bold/trash-bold.svg"},
      {"trash", FontWeight::Black, ":/tidewell/symbols/bold/trash-bold.svg"},
      {"trash.fill", FontWeight::Light, ":/tidewell/symbols/fill/trash-fill.svg"},
      {"trash.fill", FontWeight::Bold, ":/tidewell/symbols/fill/trash-fill.svg"},
      {"xmark", FontWeight::Regular, ":/tidewell/symbols/regular/x.svg"},
      {"no.such.symbol", FontWeight::Regular, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(symbolResourcePath(c.name, c.text), QString::fromLatin1(c.path)) << c.name;
}

TEST(SymbolTable, PairsOfNamesStayDistinctGlyphs) {
  const std::pair<const char*, const char*> pairs[] = {
      {"shippingbox", "shippingbox.fill"}, {"gearshape.fill", "gearshape.2.fill"}, {"trash", "trash.fill"},
      {"info.circle", "info.circle.fill"}, {"cup.and.saucer.fill", "mug.fill"},    {"cube", "cube.box.fill"},
      {"app.fill", "app.badge.fill"},      {"checkmark", "checkmark.circle.fill"},
  };
  for (const auto& [a, b] : pairs) {
    const QImage first = render(SymbolName(a), FontWeight::Regular);
    const QImage second = render(SymbolName(b), FontWeight::Regular);
    EXPECT_NE(first, second) << a << " / " << b;
  }
  // The table has no duplicate names.
  const QStringList names = knownSymbolNames();
  EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size());
}

// A symbol drawn on the glyphs' own 256-unit grid, one pixel per unit.
QImage renderInUnits(const SymbolName& name) {
  QImage image(256, 256, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  drawSymbol(p, name, QRectF(0, 0, 256, 256), FontWeight::Regular, QColor(255, 0, 0));
  return image;
}

TEST(SymbolTable, TheLockShieldIsTheGrantedShieldWithAPadlockInIt) {
  const QImage lock = renderInUnits("lock.shield.fill"_symbol);
  const QImage granted = renderInUnits("checkmark.shield.fill"_symbol);
  ASSERT_FALSE(lock.isNull());
  EXPECT_NE(lock, granted);
  // Outside the emblem in its middle, the two are one shield outline.
  const QRect emblem(76, 76, 106, 104);
  int outline = 0;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      if (emblem.contains(x, y)) continue;
      const int a = qAlpha(lock.pixel(x, y));
      ASSERT_NEAR(a, qAlpha(granted.pixel(x, y)), 2) << x << "," << y;
      outline += a > 200;
    }
  EXPECT_GT(outline, 15000);

  struct Sample {
    const char* what;
    QPoint at;
    bool ink;
  };
  const Sample samples[] = {
      // A plain padlock's shackle rises above the shield's top edge, and its
      // body's square foot fills the corners where the shield tapers.
      {"above the shield", {128, 24}, false},
      {"lower left corner", {44, 216}, false},
      {"lower right corner", {212, 216}, false},
      {"shield's upper left", {50, 60}, true},
      {"shield's tip", {128, 230}, true},
      // The padlock is cut out of the shield, its keyhole and the space
      // inside its shackle left standing.
      {"padlock body", {100, 150}, false},
      {"padlock body, right", {158, 130}, false},
      {"shackle", {108, 100}, false},
      {"inside the shackle", {128, 110}, true},
      {"keyhole", {128, 139}, true},
      {"keyhole slot", {128, 153}, true},
  };
  for (const Sample& s : samples) {
    const int a = qAlpha(lock.pixel(s.at));
    if (s.ink)
      EXPECT_GT(a, 200) << s.what;
    else
      EXPECT_LT(a, 30) << s.what;
  }
}

TEST(Symbol, UnknownNameDrawsNothing) {
  bool drawn = true;
  const QImage image = render("not.a.symbol"_symbol, FontWeight::Regular, {}, &drawn);
  EXPECT_FALSE(drawn);
  EXPECT_EQ(inkPixels(image), 0);
}

TEST(Symbol, TintedInTheGivenColourAndFittedToTheSquare) {
  QImage image(100, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  ASSERT_TRUE(drawSymbol(p, "square.grid.2x2.fill"_symbol, QRectF(0, 0, 100, 40), FontWeight::Regular,
                         QColor(0, 0, 255)));
  p.end();
  // A 40 x 40 square in the middle: nothing left of x 30 or right of x 70.
  for (int y = 0; y < 40; ++y) {
    EXPECT_EQ(qAlpha(image.pixel(25, y)), 0);
    EXPECT_EQ(qAlpha(image.pixel(75, y)), 0);
  }
  const QColor centreOfATile = image.pixelColor(42, 12);
  EXPECT_EQ(centreOfATile.blue(), 255);
  EXPECT_EQ(centreOfATile.red(), 0);
}

TEST(Symbol, FrameOpacityScaleAndLayers) {
  const QImage plain = render("house.fill"_symbol, FontWeight::Regular);
  SymbolFrame faded;
  faded.opacity = 0.5;
  const QImage half = render("house.fill"_symbol, FontWeight::Regular, faded);
  QPoint solid;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      if (qAlpha(plain.pixel(x, y)) == 255) solid = QPoint(x, y);
  ASSERT_FALSE(solid.isNull());
  EXPECT_NEAR(qAlpha(half.pixel(solid)), 128, 3);

  SymbolFrame small;
  small.scale = 0.5;
  EXPECT_LT(inkPixels(render("house.fill"_symbol, FontWeight::Regular, small)), inkPixels(plain) / 3);

  // Sparkles: only the lit layer (the big star, lower left) is at full strength.
  EXPECT_EQ(symbolLayerCount("sparkles"_symbol), 3);
  EXPECT_EQ(symbolLayerCount("trash"_symbol), 1);
  SymbolFrame firstLit;
  firstLit.layerOpacity = {1.0, 0.3, 0.3};
  const QImage lit = render("sparkles"_symbol, FontWeight::Regular, firstLit);
  const QImage full = render("sparkles"_symbol, FontWeight::Regular);
  int bigStar = 0, smallStars = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      if (qAlpha(full.pixel(x, y)) < 250) continue;
      const bool upperRight = (x >= 38 && y <= 20) || (x >= 50 && y <= 30);
      const bool star = x <= 33 || y >= 34;
      if (!upperRight && !star) continue;
      (upperRight ? smallStars : bigStar) += 1;
      if (upperRight)
        EXPECT_LT(qAlpha(lit.pixel(x, y)), 90) << x << "," << y;
      else
        EXPECT_GE(qAlpha(lit.pixel(x, y)), 240) << x << "," << y;
    }
  }
  EXPECT_GT(bigStar, 50);
  EXPECT_GT(smallStars, 10);
}

TEST(SymbolEffectCurves, PulseBounceAndVariableColour) {
  EXPECT_DOUBLE_EQ(pulseOpacity(0), 1.0);
  EXPECT_NEAR(pulseOpacity(kPulsePeriod / 2), kPulseLowOpacity, 1e-9);
  EXPECT_NEAR(pulseOpacity(kPulsePeriod), 1.0, 1e-9);
  EXPECT_NEAR(pulseOpacity(kPulsePeriod * 7.5), kPulseLowOpacity, 1e-9);  // repeats
  EXPECT_GT(pulseOpacity(kPulsePeriod / 4), kPulseLowOpacity);
  EXPECT_LT(pulseOpacity(kPulsePeriod / 4), 1.0);

  EXPECT_DOUBLE_EQ(bounceScale(0), 1.0);
  EXPECT_DOUBLE_EQ(bounceScale(kBounceDuration), 1.0);
  EXPECT_DOUBLE_EQ(bounceScale(10), 1.0);  // one shot
  double peak = 0;
  for (double t = 0; t < kBounceDuration; t += 0.005) peak = std::max(peak, bounceScale(t));
  EXPECT_NEAR(peak, kBouncePeak, 0.01);
  EXPECT_NEAR(bounceScale(kBounceDuration - 0.01), 1.0, 0.02);  // settles, no jump at the end

  for (int step = 0; step < 6; ++step) {
    const double t = (step + 0.5) * kVariableStep;
    const int lit = step % 3;
    for (int layer = 0; layer < 3; ++layer) {
      EXPECT_NEAR(variableColorOpacity(t, layer, 3), layer == lit ? 1.0 : kVariableDimOpacity, 1e-9)
          << "step " << step << " layer " << layer;
    }
  }
}

TEST(SymbolEffect, StandsStillUnderReduceMotionAndWhenStopped) {
  setReduceMotionOverride(true);
  SymbolEffect pulse(SymbolEffect::Kind::Pulse, nullptr);
  pulse.start();
  EXPECT_TRUE(pulse.isRunning());
  const SymbolFrame still = pulse.frame();
  EXPECT_DOUBLE_EQ(still.opacity, 1.0);
  EXPECT_DOUBLE_EQ(still.scale, 1.0);
  EXPECT_TRUE(still.layerOpacity.empty());

  setReduceMotionOverride(false);
  pulse.stop();
  EXPECT_DOUBLE_EQ(pulse.frame().opacity, 1.0);
  EXPECT_NEAR(pulse.frameAt(kPulsePeriod / 2).opacity, kPulseLowOpacity, 1e-9);
  SymbolEffect variable(SymbolEffect::Kind::VariableColor, nullptr, 3);
  EXPECT_EQ(variable.frameAt(0.1).layerOpacity.size(), 3u);
  SymbolEffect bounce(SymbolEffect::Kind::Bounce, nullptr);
  EXPECT_GT(bounce.frameAt(0.14).scale, 1.1);
  setReduceMotionOverride(std::nullopt);
}

}  // namespace
}  // namespace tidewell::design
