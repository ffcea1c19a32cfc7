#include "app/root/Sidebar.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "app/root/FullDiskAccessCard.h"
#include "design/components/PillButton.h"
#include "design/components/SidebarRow.h"

namespace tidewell::app {
namespace {

struct SidebarLog {
  QStringList events;
  explicit SidebarLog(Sidebar& sidebar) {
    QObject::connect(&sidebar, &Sidebar::sectionSelected, &sidebar,
                     [this](Section section) { events << sectionTitle(section); });
    QObject::connect(&sidebar, &Sidebar::aboutRequested, &sidebar, [this] { events << "about"; });
    QObject::connect(&sidebar, &Sidebar::enableAccessRequested, &sidebar,
                     [this] { events << "enable access"; });
  }
};

TEST(Sidebar, RowsSelectTheirSectionAndTheLogoAndAboutRowAskForAbout) {
  Sidebar sidebar(visibleSections(false), Section::home, true);
  sidebar.resize(kSidebarWidth, 680);
  sidebar.show();
  SidebarLog log(sidebar);
  EXPECT_EQ(sidebar.width(), 236);
  EXPECT_EQ(sidebar.rowTitles(),
            (QStringList{"Home", "Clean", "Apps", "Performance", "Deep Scan", "Advisor"}));
  EXPECT_EQ(sidebar.row(Section::devMode), nullptr);
  EXPECT_TRUE(sidebar.row(Section::home)->isActive());

  QTest::mouseClick(sidebar.row(Section::deepScan), Qt::LeftButton);
  // Selecting is the owner's business: the row only reports the click.
  EXPECT_TRUE(sidebar.row(Section::home)->isActive());
  sidebar.setActive(Section::deepScan);
  EXPECT_FALSE(sidebar.row(Section::home)->isActive());
  EXPECT_TRUE(sidebar.row(Section::deepScan)->isActive());

  auto* logo = sidebar.findChild<SidebarLogoButton*>("sidebarLogo");
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->toolTip(), QStringLiteral("About Tidewell Mac"));
  QTest::mouseClick(logo, Qt::LeftButton);
  auto* about = sidebar.findChild<SidebarAboutRow*>("sidebarAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->text(), QStringLiteral("About Tidewell Mac"));
  QTest::mouseClick(about, Qt::LeftButton);
  EXPECT_EQ(log.events, (QStringList{"Deep Scan", "about", "about"}));

  // The About row sits at the very bottom, the access line just above it.
  EXPECT_GT(about->geometry().top(), sidebar.accessCard()->geometry().bottom());
  EXPECT_EQ(about->geometry().bottom(), sidebar.height() - 14 - 1);
}

TEST(Sidebar, WithDeveloperToolsDevModeIsTheThirdRow) {
  Sidebar sidebar(visibleSections(true), Section::devMode, true);
  EXPECT_EQ(sidebar.rowTitles().indexOf("Dev Mode"), 2);
  EXPECT_TRUE(sidebar.row(Section::devMode)->isActive());
}

TEST(Sidebar, TheAccessItemIsALineWhenGrantedAndACardWithAButtonWhenMissing) {
  Sidebar sidebar(visibleSections(false), Section::home, false);
  sidebar.resize(kSidebarWidth, 680);
  sidebar.show();
  SidebarLog log(sidebar);
  FullDiskAccessCard* card = sidebar.accessCard();
  EXPECT_FALSE(card->isGranted());
  QWidget* missing = card->findChild<QWidget*>("fullDiskAccessMissing");
  QWidget* granted = card->findChild<QWidget*>("fullDiskAccessGranted");
  EXPECT_TRUE(missing->isVisible());
  EXPECT_FALSE(granted->isVisible());
  auto* enable = card->findChild<design::PillButton*>("enableAccess");
  ASSERT_NE(enable, nullptr);
  EXPECT_EQ(enable->label().title, QStringLiteral("Enable Access"));
  QTest::mouseClick(enable, Qt::LeftButton);
  EXPECT_EQ(log.events, QStringList{"enable access"});

  card->setGranted(true);
  EXPECT_FALSE(missing->isVisible());
  EXPECT_TRUE(granted->isVisible());
}

}  // namespace
}  // namespace tidewell::app
