#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "app/about/AboutSheet.h"
#include "app/about/AboutVersion.h"
#include "app/about/AboutView.h"
#include "app/about/InstagramMark.h"
#include "screens/common/views/FittedLabel.h"

namespace tidewell::app {
namespace {

TEST(AboutVersion, TheLineNamesTheVersionAndTheBuildWhenThereIsOne) {
  struct Case {
    std::optional<QString> shortVersion, build;
    const char* line;
  };
  const Case cases[] = {
      {"2.0", "15", "Version 2.0 (15)"},
      {"2.0", std::nullopt, "Version 2.0"},
      {std::nullopt, std::nullopt, "Version 1.0.0"},
      {std::nullopt, "9", "Version 1.0.0 (9)"},
      {"1.4.2", "57", "Version 1.4.2 (57)"},
  };
  for (const Case& c : cases) EXPECT_EQ(aboutVersionLine(c.shortVersion, c.build), QString(c.line));
  // This build: the project version, with no build number configured.
  EXPECT_TRUE(AboutView::versionString().startsWith("Version 0."))
      << AboutView::versionString().toStdString();
}

struct AboutFixture : ::testing::Test {
  QList<QUrl> opened;
  AboutLinks links{QUrl("https://example.test/site"), QUrl("https://example.test/insta"),
                   QUrl("https://example.test/tube"), QUrl("https://example.test/privacy")};
  AboutView view{[this](const QUrl& url) { opened << url; }, links};
  void SetUp() override { view.show(); }
  QAbstractButton* button(const char* name) {
    auto* found = view.findChild<QAbstractButton*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
};

TEST_F(AboutFixture, EachLinkOpensExactlyItsAddressAndDoneOnlyCloses) {
  const struct {
    const char* button;
    QUrl address;
  } cases[] = {{"link:Website", links.website},
               {"link:Instagram", links.instagram},
               {"link:YouTube", links.youtube},
               {"privacyPolicy", links.privacyPolicy}};
  QSignalSpy closed(&view, &AboutView::closeRequested);
  for (const auto& c : cases) {
    opened.clear();
    QTest::mouseClick(button(c.button), Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>{c.address}) << c.button;
  }
  EXPECT_EQ(closed.count(), 0);
  opened.clear();
  QTest::mouseClick(button("done"), Qt::LeftButton);
  EXPECT_EQ(closed.count(), 1);
  EXPECT_TRUE(opened.isEmpty());
}

TEST_F(AboutFixture, TheMakersAddressesAreWebPages) {
  const AboutLinks& maker = AboutLinks::maker();
  for (const QUrl& url : {maker.website, maker.instagram, maker.youtube, maker.privacyPolicy}) {
    EXPECT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), "https");
  }
  EXPECT_EQ(maker.privacyPolicy.host(), maker.website.host());
}

TEST_F(AboutFixture, ItIsFourHundredWideAndShowsTheVersionLine) {
  EXPECT_EQ(view.width(), 400);
  auto* version = view.findChild<screens::FittedLabel*>("versionLine");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->text(), AboutView::versionString());
  // The three tiles share the row equally.
  const int website = button("link:Website")->width();
  EXPECT_NEAR(button("link:Instagram")->width(), website, 1);
  EXPECT_NEAR(button("link:YouTube")->width(), website, 1);
}

TEST(InstagramMark, TheLineIsATenthOfTheSideButNeverThinnerThanOnePointThree) {
  EXPECT_DOUBLE_EQ(instagramMarkLineWidth(17), 1.7);
  EXPECT_DOUBLE_EQ(instagramMarkLineWidth(10), 1.3);
  EXPECT_DOUBLE_EQ(instagramMarkLineWidth(13), 1.3);

  // Drawn in a 17 x 17 frame: the outline's edge, the lens ring and the dot
  // are white; the space between outline and lens stays dark.
  QImage image(17, 17, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter painter(&image);
  paintInstagramMark(painter, QRectF(0, 0, 17, 17));
  painter.end();
  auto bright = [&](int x, int y) { return image.pixelColor(x, y).value() > 150; };
  EXPECT_TRUE(bright(0, 8));                     // the square's left edge, inside the bounds
  EXPECT_FALSE(bright(3, 8));                    // between the outline and the lens
  EXPECT_TRUE(bright(int(8.5 - 0.23 * 17), 8));  // the lens ring, left
  EXPECT_FALSE(bright(8, 8));                    // the lens is hollow
  EXPECT_TRUE(bright(int(8.5 + 0.23 * 17), int(8.5 - 0.23 * 17)));  // the dot, up and right
}

TEST(AboutSheet, CoversTheWindowAndDoneOrEscapeDismissesIt) {
  QWidget window;
  window.resize(1120, 740);
  window.show();
  AboutSheet sheet(&window, [](const QUrl&) {});
  QSignalSpy dismissed(&sheet, &AboutSheet::dismissed);
  EXPECT_TRUE(sheet.isHidden());
  sheet.present();
  EXPECT_TRUE(sheet.isVisible());
  EXPECT_EQ(sheet.geometry(), window.rect());
  EXPECT_NEAR(sheet.view()->geometry().center().x(), 560, 1);
  window.resize(1300, 800);
  EXPECT_EQ(sheet.geometry(), window.rect());

  QTest::mouseClick(sheet.view()->findChild<QAbstractButton*>("done"), Qt::LeftButton);
  EXPECT_EQ(dismissed.count(), 1);
  EXPECT_TRUE(sheet.isHidden());

  sheet.present();
  QTest::keyClick(&sheet, Qt::Key_Escape);
  EXPECT_EQ(dismissed.count(), 2);
  EXPECT_TRUE(sheet.isHidden());
}

}  // namespace
}  // namespace tidewell::app
