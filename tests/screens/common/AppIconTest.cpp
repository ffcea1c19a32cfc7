#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QImageReader>
#include <QSignalSpy>
#include <QtEndian>

#include "design/theme/Color.h"
#include "platform/qt/IconFile.h"
#include "screens/common/services/AppIconSource.h"
#include "screens/common/services/DesktopAppIconProvider.h"
#include "screens/common/views/AppIconView.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Stage.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/HostileFile.h"

namespace tidewell::screens {
namespace {

using platform::IconSearch;
using platform::kMaxIconFileBytes;
using platform::readIconImage;
using testing::FixtureHome;
using testing::writeFile;

QByteArray png(const QColor& colour, int side) {
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray bigEndian(quint32 value) {
  QByteArray out(4, '\0');
  qToBigEndian(value, out.data());
  return out;
}

// An .icns holding PNG entries: type, length, data each.
QByteArray icns(const QList<std::pair<QByteArray, QByteArray>>& entries) {
  QByteArray body;
  for (const auto& [type, data] : entries) body += type + bigEndian(quint32(8 + data.size())) + data;
  return "icns" + bigEndian(quint32(8 + body.size())) + body;
}

std::string plist(const std::string& iconFile) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
         "<key>CFBundleName</key><string>Foo</string>"
         "<key>CFBundleIconFile</key><string>" +
         iconFile + "</string></dict></plist>\n";
}

void writeBytes(const std::string& path, const QByteArray& bytes) { writeFile(path, bytes.toStdString()); }

QString q(const std::string& s) { return QString::fromStdString(s); }

bool icnsReadable() { return QImageReader::supportedImageFormats().contains("icns"); }

QColor centre(const QImage& image) { return image.pixelColor(image.width() / 2, image.height() / 2); }

class AppIconSourceTest : public ::testing::Test {
 protected:
  void SetUp() override { probe::prepare(); }
  FixtureHome fx;
  const int px = AppIconProvider::kIconPixels;
};

TEST_F(AppIconSourceTest, ABundleShowsTheIconFileItNames) {
  if (!icnsReadable()) GTEST_SKIP() << "no icns image plugin";
  const std::string app = fx.path("Applications/Foo.app");
  writeFile(app + "/Contents/Info.plist", plist("AppIcon"));
  writeBytes(app + "/Contents/Resources/AppIcon.icns",
             icns({{"ic08", png(Qt::blue, 256)}, {"ic07", png(Qt::red, 128)}}));
  const IconSearch found = searchIcon(q(app), px, {});
  ASSERT_FALSE(found.image.isNull());
  EXPECT_EQ(found.image.size(), QSize(px, px));
  EXPECT_EQ(centre(found.image), QColor(Qt::red));  // the size closest above 128
}

TEST_F(AppIconSourceTest, AnUnreadableIconFileFallsToAPictureOfTheSameName) {
  const std::string app = fx.path("Applications/Bar.app");
  writeFile(app + "/Contents/Info.plist", plist("AppIcon.icns"));
  writeFile(app + "/Contents/Resources/AppIcon.icns", "not an icon");
  writeBytes(app + "/Contents/Resources/AppIcon.png", png(Qt::green, 64));
  EXPECT_EQ(bundleIconFiles(q(app)).first(), q(app + "/Contents/Resources/AppIcon.icns"));
  const IconSearch found = searchIcon(q(app), px, {});
  ASSERT_FALSE(found.image.isNull());
  EXPECT_EQ(centre(found.image), QColor(Qt::green));
  EXPECT_EQ(found.image.size(), QSize(px, px));  // scaled up to the icon size
}

TEST_F(AppIconSourceTest, BundlesWithoutAUsableIconAskForTheGenericOne) {
  struct Case {
    const char* what;
    std::string plist;
  };
  const Case cases[] = {
      {"no information list", ""},
      {"names no icon",
       "<plist version=\"1.0\"><dict><key>CFBundleName</key><string>Baz</string></dict></plist>"},
      {"names a missing file", plist("Missing")},
      {"climbs out of Resources", plist("../../../secret.png")},
      {"a dot name", plist("..")},
  };
  int i = 0;
  for (const Case& c : cases) {
    const std::string app = fx.path("Applications/Case" + std::to_string(i++) + ".app");
    writeFile(app + "/Contents/MacOS/run", "");
    if (!c.plist.empty()) writeFile(app + "/Contents/Info.plist", c.plist);
    writeBytes(fx.path("Applications/secret.png"), png(Qt::yellow, 16));
    const IconSearch found = searchIcon(q(app), px, {});
    EXPECT_TRUE(found.image.isNull()) << c.what;
    EXPECT_EQ(found.themeNames, QStringList{kGenericApplicationIconName}) << c.what;
  }
}

TEST_F(AppIconSourceTest, AnIconThatIsNoSmallRegularFileIsNotRead) {
  int i = 0;
  for (const testing::HostileFile kind : testing::kHostileFiles) {
    SCOPED_TRACE(testing::nameOf(kind));
    const std::string app = fx.path("Applications/Hostile" + std::to_string(i++) + ".app");
    const std::string icon = app + "/Contents/Resources/AppIcon.png";
    writeFile(app + "/Contents/Info.plist", plist("AppIcon.png"));
    if (kind == testing::HostileFile::Oversized) {
      // A real picture, padded past the limit: only its size refuses it.
      const QByteArray picture = png(Qt::blue, 16);
      const QByteArray padded = picture + QByteArray(qsizetype(kMaxIconFileBytes) + 1 - picture.size(), '\0');
      ASSERT_FALSE(QImage::fromData(padded).isNull());
      writeBytes(icon, padded);
    } else {
      testing::placeHostileFile(icon, kind);
    }
    const std::string before = testing::entryState(icon);
    // Returns (a reader on a FIFO would block forever) with no picture.
    EXPECT_TRUE(readIconImage(q(icon), px).isNull());
    EXPECT_TRUE(searchIcon(q(app), px, {}).image.isNull());
    EXPECT_EQ(testing::entryState(icon), before);
  }
}

TEST_F(AppIconSourceTest, AVectorIconIsReadFromItsContentAndDrawnAtTheSizeWanted) {
  if (!QImageReader::supportedImageFormats().contains("svg")) GTEST_SKIP() << "no svg image plugin";
  // Named .png: the content decides, not the name.
  const std::string icon = fx.path("icons/vector.png");
  writeFile(icon,
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\" viewBox=\"0 0 4 4\">"
            "<rect width=\"4\" height=\"4\" fill=\"#ff0000\"/></svg>\n");
  const QImage image = readIconImage(q(icon), px);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(px, px));
  EXPECT_EQ(centre(image), QColor(Qt::red));
}

TEST_F(AppIconSourceTest, ADesktopEntryGivesItsIconFileOrItsThemeName) {
  const std::string entries = fx.path(".local/share/applications");
  const std::string pixmaps = fx.outside("system/pixmaps");
  writeBytes(fx.path("icons/editor.png"), png(Qt::magenta, 48));
  writeFile(entries + "/editor.desktop",
            "[Desktop Entry]\nType=Application\nName=Editor\nIcon=" + fx.path("icons/editor.png") + "\n");
  writeFile(entries + "/named.desktop",
            "[Desktop Entry]\nType=Application\nName=Named\nIcon=org.example.Named\n");
  writeFile(entries + "/suffixed.desktop", "[Desktop Entry]\nType=Application\nName=S\nIcon=legacy.png\n");
  writeFile(entries + "/none.desktop", "[Desktop Entry]\nType=Application\nName=None\n");
  writeBytes(pixmaps + "/legacy.png", png(Qt::cyan, 32));

  const IconSearch file = searchIcon(q(entries + "/editor.desktop"), px, {q(pixmaps)});
  ASSERT_FALSE(file.image.isNull());
  EXPECT_EQ(centre(file.image), QColor(Qt::magenta));

  const IconSearch named = searchIcon(q(entries + "/named.desktop"), px, {q(pixmaps)});
  EXPECT_TRUE(named.image.isNull());
  EXPECT_EQ(named.themeNames, (QStringList{"org.example.Named", kGenericApplicationIconName}));
  EXPECT_TRUE(named.fallback.isNull());

  const IconSearch legacy = searchIcon(q(entries + "/suffixed.desktop"), px, {q(pixmaps)});
  EXPECT_EQ(legacy.themeNames.first(), "legacy");
  ASSERT_FALSE(legacy.fallback.isNull());
  EXPECT_EQ(centre(legacy.fallback), QColor(Qt::cyan));

  EXPECT_EQ(searchIcon(q(entries + "/none.desktop"), px, {}).themeNames,
            QStringList{kGenericApplicationIconName});
}

TEST_F(AppIconSourceTest, OtherFilesAskForTheirKindsIcon) {
  writeFile(fx.path("notes.txt"), "hello");
  const QStringList text = searchIcon(q(fx.path("notes.txt")), px, {}).themeNames;
  EXPECT_TRUE(text.contains("text-plain")) << text.join(',').toStdString();
  EXPECT_EQ(searchIcon(q(fx.path("Documents")), px, {}).themeNames.size(), 1);  // missing: generic only
  fx.add({testing::folder("Documents")});
  EXPECT_EQ(searchIcon(q(fx.path("Documents")), px, {}).themeNames.first(), "folder");
  EXPECT_EQ(searchIcon("/", px, {}).themeNames.first(), "drive-harddisk");
}

TEST_F(AppIconSourceTest, TheGenericIconIsNeverEmpty) {
  const QImage generic = genericAppIcon(64);
  EXPECT_EQ(generic.size(), QSize(64, 64));
  EXPECT_GT(generic.pixelColor(32, 32).alpha(), 200);
  EXPECT_EQ(generic.pixelColor(0, 0).alpha(), 0);
}

class DesktopAppIconProviderTest : public AppIconSourceTest {
 protected:
  // Waits for path's icon to be announced.
  QImage fetched(DesktopAppIconProvider& provider, const QString& path) {
    QSignalSpy ready(&provider, &AppIconProvider::iconReady);
    EXPECT_TRUE(provider.icon(path).isNull());
    for (int i = 0; i < 200 && ready.isEmpty(); ++i) ready.wait(50);
    EXPECT_FALSE(ready.isEmpty());
    return provider.icon(path);
  }
};

TEST_F(DesktopAppIconProviderTest, FetchesOffTheGuiThreadOnceAndKeepsTheIcon) {
  const std::string app = fx.path("Applications/Green.app");
  writeFile(app + "/Contents/Info.plist", plist("Icon.png"));
  writeBytes(app + "/Contents/Resources/Icon.png", png(Qt::green, 128));
  int themeLookups = 0;
  DesktopAppIconProvider provider([&](const QStringList&, int) { return ++themeLookups, QImage(); }, {});
  const QImage icon = fetched(provider, q(app));
  EXPECT_EQ(centre(icon), QColor(Qt::green));
  EXPECT_EQ(themeLookups, 0);
  // Asked again: at once, from what it keeps.
  QSignalSpy ready(&provider, &AppIconProvider::iconReady);
  EXPECT_EQ(centre(provider.icon(q(app))), QColor(Qt::green));
  probe::settle();
  EXPECT_TRUE(ready.isEmpty());
}

TEST_F(DesktopAppIconProviderTest, TheThemeThenTheGenericIconStandInForMissingPictures) {
  writeFile(fx.path("Applications/Plain.app/Contents/MacOS/run"), "");
  QStringList asked;
  const QImage themed = probe::ManualIconProvider::swatch(Qt::darkYellow);
  DesktopAppIconProvider provider(
      [&](const QStringList& names, int) {
        asked = names;
        return names.contains("folder") ? themed : QImage();
      },
      {});
  const QImage generic = fetched(provider, q(fx.path("Applications/Plain.app")));
  EXPECT_EQ(asked, QStringList{kGenericApplicationIconName});
  EXPECT_EQ(generic, genericAppIcon(AppIconProvider::kIconPixels));

  fx.add({testing::folder("Music")});
  const QImage folder = fetched(provider, q(fx.path("Music")));
  EXPECT_EQ(centre(folder), centre(themed));
}

TEST(AppIconView, ShowsThePlaceholderUntilItsIconArrivesAndAsksOnlyOnce) {
  probe::prepare();
  probe::FakeServices fakes;
  auto* view = new AppIconView(QStringLiteral("/Applications/Foo.app"), fakes.icons);
  view->setFixedSize(40, 40);
  EXPECT_FALSE(view->hasRequested());  // nothing before it is on screen
  probe::Stage stage(view, design::SectionPalette::apps(), {40, 40});
  EXPECT_TRUE(fakes.icons->requested.isEmpty());

  const QImage waiting = stage.image(1);
  EXPECT_EQ(fakes.icons->requested, QStringList{"/Applications/Foo.app"});
  EXPECT_FALSE(view->hasIcon());
  // The placeholder: white at 0.06 over the background, inside the corners.
  const QColor placeholder = probe::pixel(waiting, {20, 20});
  EXPECT_GT(placeholder.lightness(), design::Color::appBackground().lightness());
  EXPECT_LT(placeholder.lightness(), 40);

  QSignalSpy loaded(view, &AppIconView::iconLoaded);
  fakes.icons->deliver(QStringLiteral("/Applications/Other.app"),
                       probe::ManualIconProvider::swatch(Qt::blue));
  EXPECT_FALSE(view->hasIcon());  // not its path
  fakes.icons->deliver(QStringLiteral("/Applications/Foo.app"), probe::ManualIconProvider::swatch(Qt::red));
  EXPECT_EQ(loaded.count(), 1);
  const QImage shown = stage.image(1);
  EXPECT_EQ(probe::pixel(shown, {20, 20}), QColor(Qt::red));

  // Kept for its lifetime: a later icon for the path is not taken.
  fakes.icons->deliver(QStringLiteral("/Applications/Foo.app"), probe::ManualIconProvider::swatch(Qt::blue));
  stage.image(1);
  EXPECT_EQ(probe::pixel(stage.image(1), {20, 20}), QColor(Qt::red));
  EXPECT_EQ(fakes.icons->requested.size(), 1);
}

TEST(AppIconView, TakesAnIconTheProviderAlreadyHolds) {
  probe::prepare();
  probe::FakeServices fakes;
  fakes.icons->immediate = true;
  auto* view = new AppIconView(QStringLiteral("/"), fakes.icons);
  probe::Stage stage(view, design::SectionPalette::performance(), {30, 30});
  stage.image(1);
  EXPECT_TRUE(view->hasIcon());
}

}  // namespace
}  // namespace tidewell::screens
