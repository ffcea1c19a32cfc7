#include "design/brand/BrandLogo.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "design/brand/ResourceRoot.h"
#include "design/type/InterFont.h"
#include "testkit/support/TestEnvironment.h"

namespace tidewell::design {
namespace {

const char* kRedSvg =
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 50'><rect width='100' height='50' "
    "fill='#ff0000'/></svg>";

class LogoFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        std::make_unique<QTemporaryDir>(QString::fromStdString(testing::fixtureParent()) + "/logos-XXXXXX");
    ASSERT_TRUE(dir_->isValid());
  }
  QString root() const { return dir_->path(); }
  QString put(const QString& relative, const QByteArray& bytes) {
    const QString path = root() + "/" + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  QString putPng(const QString& relative, QColor colour, QSize size = {200, 100}) {
    const QString path = root() + "/" + relative;
    QDir().mkpath(QFileInfo(path).path());
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(path));
    return path;
  }
  QString found(BrandAsset asset) const {
    return QDir(root()).relativeFilePath(brandAssetFile(asset, root()));
  }

  std::unique_ptr<QTemporaryDir> dir_;
};

TEST(BrandAsset, RawValuesRoundTrip) {
  EXPECT_EQ(rawValue(BrandAsset::Wordmark), QStringLiteral("logo-wordmark"));
  EXPECT_EQ(rawValue(BrandAsset::Mark), QStringLiteral("logo-mark"));
  EXPECT_EQ(brandAssetFromRawValue("logo-mark"), BrandAsset::Mark);
  EXPECT_EQ(brandAssetFromRawValue("logo-wordmark"), BrandAsset::Wordmark);
  EXPECT_FALSE(brandAssetFromRawValue("Logo-Mark"));
  EXPECT_FALSE(brandAssetFromRawValue(""));
}

TEST_F(LogoFolder, SvgBeforePngAndLogosFolderBeforeTheRoot) {
  EXPECT_TRUE(brandAssetFile(BrandAsset::Wordmark, root()).isEmpty());
  putPng("logo-wordmark.png", Qt::blue);
  EXPECT_EQ(found(BrandAsset::Wordmark), QStringLiteral("logo-wordmark.png"));
  putPng("Logos/logo-wordmark.png", Qt::green);
  EXPECT_EQ(found(BrandAsset::Wordmark), QStringLiteral("Logos/logo-wordmark.png"));
  put("logo-wordmark.svg", kRedSvg);
  EXPECT_EQ(found(BrandAsset::Wordmark), QStringLiteral("logo-wordmark.svg"));
  put("Logos/logo-wordmark.svg", kRedSvg);
  EXPECT_EQ(found(BrandAsset::Wordmark), QStringLiteral("Logos/logo-wordmark.svg"));
  // The other asset is looked up by its own name only.
  EXPECT_TRUE(brandAssetFile(BrandAsset::Mark, root()).isEmpty());
  // The tray looks for svg files only.
  putPng("logo-mark.png", Qt::blue);
  EXPECT_EQ(found(BrandAsset::Mark), QStringLiteral("logo-mark.png"));
  EXPECT_TRUE(brandSvgFile(BrandAsset::Mark, root()).isEmpty());
}

TEST_F(LogoFolder, OnlyAPngInLogosIsShown) {
  putPng("Logos/logo-wordmark.png", Qt::red);
  const auto artwork = BrandArtwork::load(BrandAsset::Wordmark, root());
  ASSERT_TRUE(artwork);
  EXPECT_FALSE(artwork->isSvg());
  EXPECT_DOUBLE_EQ(artwork->widthOverHeight(), 2.0);
}

TEST_F(LogoFolder, AnUndecodableFirstMatchGivesTheTextFallback) {
  put("Logos/logo-wordmark.svg", "this is not svg");
  putPng("Logos/logo-wordmark.png", Qt::red);
  EXPECT_FALSE(BrandArtwork::load(BrandAsset::Wordmark, root()));
  BrandLogo logo(BrandArtwork::load(BrandAsset::Wordmark, root()), 40);
  EXPECT_FALSE(logo.showsArtwork());
}

TEST_F(LogoFolder, ArtworkFillsTheHeightKeepingItsProportions) {
  put("logo-mark.svg", kRedSvg);
  BrandLogo logo(BrandArtwork::load(BrandAsset::Mark, root()), 40);
  ASSERT_TRUE(logo.showsArtwork());
  EXPECT_EQ(logo.sizeHint(), QSize(80, 40));
  EXPECT_EQ(logo.accessibleName(), QStringLiteral("Tidewell Mac"));

  logo.resize(120, 40);
  QImage image(120, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  logo.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_EQ(image.pixelColor(60, 20), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(25, 20), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(15, 20), QColor(Qt::black));  // centred: 20 px free each side
}

TEST(BrandLogo, TextFallbackIsBoldInterAtPoint68OfTheHeight) {
  const QFont font = brandFallbackFont(40);
  EXPECT_NEAR(fontPixelSize(font), 27.2, 1e-9);
  EXPECT_EQ(font.weight(), inter(27.2, FontWeight::Bold).weight());
  EXPECT_EQ(font.family(), QStringLiteral("Inter"));

  BrandLogo logo(std::optional<BrandArtwork>{}, 40);
  EXPECT_FALSE(logo.showsArtwork());
  EXPECT_EQ(logo.accessibleName(), QStringLiteral("Tidewell Mac"));
  EXPECT_EQ(logo.sizeHint().height(), 40);
  logo.resize(logo.sizeHint());
  QImage image(logo.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  logo.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  int white = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) white += image.pixelColor(x, y).lightness() > 200;
  EXPECT_GT(white, 100);
}

TEST(BrandLogo, ShippedArtworkIsFoundAndDecodes) {
  for (BrandAsset asset : {BrandAsset::Wordmark, BrandAsset::Mark}) {
    const auto artwork = brandImage(asset);
    ASSERT_TRUE(artwork) << rawValue(asset).toStdString();
    EXPECT_TRUE(artwork->isSvg());
    EXPECT_TRUE(brandSvgFile(asset, resourceRoot()).endsWith("Logos/" + rawValue(asset) + ".svg"));
  }
}

}  // namespace
}  // namespace tidewell::design
