#include "app/tray/TrayIconImage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "testkit/support/TestEnvironment.h"

namespace tidewell::app {
namespace {

TEST(TrayIcon, PictureIs18HighWithTheLogosProportions) {
  struct Case {
    QSizeF natural;
    QSizeF shown;
  };
  const Case cases[] = {
      {{40, 20}, {36, 18}}, {{64, 64}, {18, 18}}, {{10, 40}, {4.5, 18}},
      {{40, 0}, {18, 18}},  {{0, 0}, {18, 18}},   {{30, -5}, {18, 18}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(trayIconSize(c.natural), c.shown) << c.natural.width() << "x" << c.natural.height();
}

class TrayResources : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  void put(const QString& relative, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(dir_.filePath(relative)).path());
    QFile file(dir_.filePath(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir dir_{QString::fromStdString(testing::fixtureParent()) + "/tray-XXXXXX"};
};

const QByteArray kWideRedLogo =
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 40 20'><rect width='40' height='20' "
    "fill='#ff0000'/></svg>";

TEST_F(TrayResources, TheLogoMarkIsTintedWhite) {
  put("Logos/logo-mark.svg", kWideRedLogo);
  const TrayIconArt art = trayIconArt(dir_.path());
  EXPECT_TRUE(art.isLogo);
  EXPECT_EQ(art.size, QSizeF(36, 18));
  const QImage picture = art.icon.pixmap(QSize(36, 18), 1.0).toImage();
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(QColor(picture.pixel(picture.width() / 2, picture.height() / 2)), QColor(Qt::white));
}

TEST_F(TrayResources, TheRootsSvgServesWhenLogosHasNone) {
  put("logo-mark.svg", kWideRedLogo);
  EXPECT_TRUE(trayIconArt(dir_.path()).isLogo);
}

TEST_F(TrayResources, WithoutALoadableSvgTheSparklesStandIn) {
  EXPECT_FALSE(trayIconArt(dir_.path()).isLogo);  // nothing there
  put("Logos/logo-mark.png", "not consulted for the tray");
  EXPECT_FALSE(trayIconArt(dir_.path()).isLogo);
  put("Logos/logo-mark.svg", "<svg broken");
  const TrayIconArt art = trayIconArt(dir_.path());
  EXPECT_FALSE(art.isLogo);
  EXPECT_EQ(art.size, QSizeF(18, 18));
  EXPECT_FALSE(art.icon.isNull());
}

}  // namespace
}  // namespace tidewell::app
