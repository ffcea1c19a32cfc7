#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <string>

#include "design/brand/ResourceRoot.h"
#include "design/type/BundledFonts.h"
#include "design/type/FittedText.h"
#include "design/type/InterFont.h"
#include "design/type/MonospacedDigits.h"
#include "testkit/support/TestEnvironment.h"

namespace tidewell::design {
namespace {

TEST(InterFontName, FaceForEveryWeight) {
  const std::pair<FontWeight, const char*> table[] = {
      {FontWeight::UltraLight, "Inter18pt-Light"}, {FontWeight::Thin, "Inter18pt-Light"},
      {FontWeight::Light, "Inter18pt-Light"},      {FontWeight::Regular, "Inter18pt-Regular"},
      {FontWeight::Medium, "Inter18pt-Medium"},    {FontWeight::Semibold, "Inter18pt-SemiBold"},
      {FontWeight::Bold, "Inter18pt-Bold"},        {FontWeight::Heavy, "Inter18pt-Black"},
      {FontWeight::Black, "Inter18pt-Black"},
  };
  for (const auto& [weight, face] : table) EXPECT_EQ(interFontName(weight), QString::fromLatin1(face));
}

TEST(InterFont, InterAtTheFaceWeightAndExactSize) {
  registerBundledFonts(buildTreeResourceRoot());
  const std::pair<FontWeight, int> table[] = {
      {FontWeight::Thin, QFont::Light},    {FontWeight::Regular, QFont::Normal},
      {FontWeight::Medium, QFont::Medium}, {FontWeight::Semibold, QFont::DemiBold},
      {FontWeight::Bold, QFont::Bold},     {FontWeight::Heavy, QFont::Black},
  };
  for (const auto& [weight, qtWeight] : table) {
    for (FontDesign design : {FontDesign::Default, FontDesign::Rounded, FontDesign::Serif}) {
      const QFont font = inter(12.5, weight, design);
      EXPECT_EQ(font.family(), QStringLiteral("Inter"));
      EXPECT_EQ(font.weight(), qtWeight) << interFontName(weight).toStdString();
      EXPECT_DOUBLE_EQ(fontPixelSize(font), 12.5);
      EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Inter"));
    }
  }
  // The size is in device-independent pixels on an image as on a screen.
  QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
  const QFont big = inter(100);
  EXPECT_NEAR(QFontMetricsF(big, &image).height(), QFontMetricsF(inter(50), &image).height() * 2, 2.0);
  EXPECT_NEAR(QFontInfo(big).pixelSize(), 100, 1);
}

// What the monospaced design promises is that every digit and the space
// take the same advance, whatever fontconfig's "monospace" happens to be.
TEST(InterFont, MonospacedDesignIsTheNamedFixedPitchFace) {
  for (const FontWeight weight : {FontWeight::Regular, FontWeight::Bold}) {
    for (const double size : {11.0, 14.0, 30.0}) {
      const QFont font = inter(size, weight, FontDesign::Monospaced);
      const std::string what = std::to_string(size) + (weight == FontWeight::Bold ? " bold" : " regular");
      EXPECT_NE(font.family(), QStringLiteral("Inter"));
      EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(kMonospacedFamily))
          << "scripts/setup installs it; " << what;
      EXPECT_EQ(font.weight(), weight == FontWeight::Bold ? QFont::Bold : QFont::Normal);
      EXPECT_DOUBLE_EQ(fontPixelSize(font), size);
      const QFontMetricsF metrics(font);
      const double space = metrics.horizontalAdvance(QChar(u' '));
      EXPECT_GT(space, 0) << what;
      for (char16_t digit = u'0'; digit <= u'9'; ++digit)
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QChar(digit)), space) << what << " digit " << char(digit);
    }
  }
}

TEST(InterFont, AMissingFixedPitchFamilyFallsBackToTheSystemFixedFont) {
  const QFont installed = fixedPitchFont(QString::fromLatin1(kMonospacedFamily));
  EXPECT_EQ(QFontInfo(installed).family(), QString::fromLatin1(kMonospacedFamily));
  const QFont missing = fixedPitchFont(QStringLiteral("No Such Family Anywhere"));
  EXPECT_EQ(QFontInfo(missing).family(),
            QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family());
}

class FontFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        std::make_unique<QTemporaryDir>(QString::fromStdString(testing::fixtureParent()) + "/fonts-XXXXXX");
    ASSERT_TRUE(dir_->isValid());
    source_ = buildTreeResourceRoot() + "/Fonts/Inter-Regular.otf";
    ASSERT_TRUE(QFile::exists(source_)) << "fonts are copied at build time";
  }
  void put(const QString& relative) {
    const QString path = root() + "/" + relative;
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(QFile::copy(source_, path));
  }
  QString root() const { return dir_->path(); }
  QStringList relative(const QStringList& files) const {
    QStringList out;
    for (const QString& f : files) out << QDir(root()).relativeFilePath(f);
    return out;
  }

  std::unique_ptr<QTemporaryDir> dir_;
  QString source_;
};

TEST_F(FontFolder, FontsFolderFirstThenRootOnlyNamesBeginningWithInter) {
  put("Fonts/Inter-Bold.ttf");
  put("Fonts/Inter-Light.otf");
  put("Fonts/inter-lower.ttf");
  put("Fonts/Roboto.ttf");
  put("Fonts/Inter-Notes.txt");
  put("Fonts/Inter-Shout.TTF");
  put("Inter-Root.ttf");
  put("Other-Inter.otf");
  const QStringList expected{"Fonts/Inter-Bold.ttf", "Fonts/Inter-Light.otf", "Inter-Root.ttf"};
  EXPECT_EQ(relative(bundledFontFiles(root())), expected);
  EXPECT_EQ(relative(registerBundledFonts(root())), expected);
}

TEST_F(FontFolder, MissingFoldersCountAsEmpty) {
  EXPECT_TRUE(bundledFontFiles(root()).isEmpty());
  EXPECT_TRUE(bundledFontFiles(root() + "/nothing-here").isEmpty());
  EXPECT_TRUE(bundledFontFiles(QString()).isEmpty());
  put("Inter-Only.otf");
  EXPECT_EQ(relative(bundledFontFiles(root())), QStringList{"Inter-Only.otf"});
}

TEST_F(FontFolder, AFileThatCannotRegisterIsSkipped) {
  QFile broken(root() + "/Inter-Broken.ttf");
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a font");
  broken.close();
  put("Inter-Good.otf");
  EXPECT_EQ(relative(registerBundledFonts(root())), (QStringList{"Inter-Broken.ttf", "Inter-Good.otf"}));
}

TEST(ResourceRoot, EnvironmentOverrideWins) {
  qputenv("TIDEWELL_RESOURCES", "/somewhere/resources/");
  EXPECT_EQ(resourceRoot(), QStringLiteral("/somewhere/resources"));
  qunsetenv("TIDEWELL_RESOURCES");
  EXPECT_EQ(resourceRoot(), buildTreeResourceRoot());
}

TEST(MonospacedDigits, EveryDigitTakesTheSameCell) {
  const QFont font = inter(30, FontWeight::Bold);
  EXPECT_DOUBLE_EQ(monospacedDigitsWidth(font, "111"), monospacedDigitsWidth(font, "888"));
  EXPECT_GT(QFontMetricsF(font).horizontalAdvance("888"), QFontMetricsF(font).horizontalAdvance("111"));
  EXPECT_DOUBLE_EQ(monospacedDigitsWidth(font, "1.1 GB") - monospacedDigitsWidth(font, "1.1"),
                   QFontMetricsF(font).horizontalAdvance(" GB"));

  // Drawn right-aligned, "11" and "88" end at the same pixel column.
  auto rightmostInk = [&](const QString& text) {
    QImage image(200, 50, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::white);
    drawMonospacedDigits(p, QRectF(0, 0, 150, 50), Qt::AlignRight | Qt::AlignVCenter, text + "%");
    p.end();
    int leftmost = 200;
    for (int x = 0; x < 200; ++x)
      for (int y = 0; y < 50; ++y)
        if (qRed(image.pixel(x, y)) > 128) leftmost = std::min(leftmost, x);
    return leftmost;
  };
  EXPECT_NEAR(rightmostInk("11"), rightmostInk("88"), 3);
}

TEST(FittedText, ShrinksToTheMinimumThenElides) {
  const QFont font = inter(20, FontWeight::Semibold);
  const QString word = "Developer caches";
  const double natural = QFontMetricsF(font).horizontalAdvance(word);

  const FittedText roomy = fitText(font, word, natural + 5, 0.5);
  EXPECT_EQ(roomy.text, word);
  EXPECT_DOUBLE_EQ(roomy.scale, 1.0);

  const FittedText shrunk = fitText(font, word, natural * 0.75, 0.5);
  EXPECT_EQ(shrunk.text, word);
  EXPECT_LT(shrunk.scale, 0.8);
  EXPECT_GE(shrunk.scale, 0.5);
  EXPECT_LE(QFontMetricsF(shrunk.font).horizontalAdvance(shrunk.text), natural * 0.75);

  const FittedText elided = fitText(font, word, natural * 0.3, 0.6);
  EXPECT_DOUBLE_EQ(elided.scale, 0.6);
  EXPECT_NE(elided.text, word);
  EXPECT_TRUE(elided.text.endsWith(QChar(0x2026)));
  EXPECT_LE(QFontMetricsF(elided.font).horizontalAdvance(elided.text), natural * 0.3);
}

}  // namespace
}  // namespace tidewell::design
