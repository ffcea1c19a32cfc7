#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/AppBridge.h"
#include "app/popover/HealthLine.h"
#include "app/popover/MenuBarView.h"
#include "app/popover/VolumeCard.h"
#include "models/SettingsStore.h"

namespace tidewell::app {
namespace {

using platform::VolumeCapacity;

// Everything the popover makes happen, in order: its close and every
// request that reaches the bridge.
struct PopoverFixture : ::testing::Test {
  QTemporaryDir dir;
  std::shared_ptr<models::SettingsStore> settings =
      models::SettingsStore::atFile(dir.filePath("settings.ini"));
  AppBridge bridge;
  QStringList log;
  std::optional<VolumeCapacity> reading = VolumeCapacity{61'234'567'890, 494'384'795'648};
  int reads = 0;

  void SetUp() override {
    bridge.activate = [this] { log << "activate"; };
    QObject::connect(&bridge, &AppBridge::runScanRequested, &bridge, [this] { log << "run scan"; });
    QObject::connect(&bridge, &AppBridge::openSectionRequested, &bridge,
                     [this](const QString& t) { log << "open " + t; });
    QObject::connect(&bridge, &AppBridge::showAboutRequested, &bridge, [this] { log << "about"; });
  }

  std::unique_ptr<MenuBarView> makeView(std::function<void()> close = {}) {
    if (!close) close = [this] { log << "close"; };
    MenuBarView::Sources sources{[this] {
                                   ++reads;
                                   return reading;
                                 },
                                 settings};
    return std::make_unique<MenuBarView>(bridge, sources, close);
  }

  static QAbstractButton* button(QWidget& view, const QString& name) {
    auto* found = view.findChild<QAbstractButton*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
};

TEST_F(PopoverFixture, EveryButtonClosesThePopoverFirstAndThenMakesItsRequest) {
  struct Case {
    const char* button;
    bool windowShown;
    QStringList expected;
  };
  const Case cases[] = {
      {"scanButton", false, {"close", "activate", "run scan"}},
      {"scanButton", true, {"close", "open window", "activate", "run scan"}},
      {"quickCard:Clean", true, {"close", "open window", "activate", "open Clean"}},
      {"quickCard:Apps", true, {"close", "open window", "activate", "open Apps"}},
      {"quickCard:Deep Scan", false, {"close", "activate", "open Deep Scan"}},
      {"quickCard:Advisor", true, {"close", "open window", "activate", "open Advisor"}},
      // "Open full app" only opens and activates: no announcement, no flag.
      {"openFullApp", true, {"close", "open window", "activate"}},
      {"openFullApp", false, {"close", "activate"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.button) + (c.windowShown ? " (window shown)" : " (no window yet)"));
    log.clear();
    bridge.autoStartScan = false;
    bridge.pendingSection.reset();
    bridge.openWindow = c.windowShown ? std::function<void()>([this] { log << "open window"; }) : nullptr;
    auto view = makeView();
    view->show();
    QTest::mouseClick(button(*view, c.button), Qt::LeftButton);
    // The click handler itself does nothing but queue.
    EXPECT_TRUE(log.isEmpty()) << log.join(", ").toStdString();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(log, c.expected);
  }
}

TEST_F(PopoverFixture, TheBridgeKeepsWhatEachButtonAsksFor) {
  auto scan = makeView();
  QTest::mouseClick(button(*scan, "scanButton"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(bridge.autoStartScan);

  auto card = makeView();
  QTest::mouseClick(button(*card, "quickCard:Deep Scan"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(bridge.pendingSection, QString("Deep Scan"));

  bridge.autoStartScan = false;
  bridge.pendingSection.reset();
  auto open = makeView();
  QTest::mouseClick(button(*open, "openFullApp"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents();
  EXPECT_FALSE(bridge.autoStartScan);
  EXPECT_FALSE(bridge.pendingSection.has_value());
}

TEST_F(PopoverFixture, AHostThatDeletesTheViewWhenClosingStillGetsTheRequest) {
  bridge.openWindow = [this] { log << "open window"; };
  std::unique_ptr<MenuBarView> view;
  view = makeView([&] {
    log << "close";
    view.reset();
  });
  view->show();
  QPointer<QWidget> watch = view.get();
  QTest::mouseClick(button(*view, "quickCard:Apps"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(watch.isNull());
  EXPECT_EQ(log, (QStringList{"close", "open window", "activate", "open Apps"}));
}

TEST_F(PopoverFixture, OnlyTheFirstButtonPressedCounts) {
  auto view = makeView();
  QTest::mouseClick(button(*view, "scanButton"), Qt::LeftButton);
  QTest::mouseClick(button(*view, "quickCard:Clean"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(log, (QStringList{"close", "activate", "run scan"}));
}

TEST_F(PopoverFixture, ShowingMeasuresTheVolumeAndAFailedReadingKeepsTheStartingFigures) {
  auto view = makeView();
  EXPECT_EQ(view->figures(), (VolumeFigures{0, 1}));
  EXPECT_EQ(reads, 0);
  view->show();
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(view->figures(), (VolumeFigures{61'234'567'890, 494'384'795'648}));
  EXPECT_EQ(view->findChild<HealthLine*>()->palette().label, QString("Running low"));

  for (std::optional<VolumeCapacity> bad :
       {std::optional<VolumeCapacity>(), std::optional<VolumeCapacity>(VolumeCapacity{5, 0})}) {
    reading = bad;
    auto fresh = makeView();
    fresh->show();
    EXPECT_EQ(fresh->figures(), (VolumeFigures{0, 1}));
    EXPECT_EQ(fresh->findChild<HealthLine*>()->palette().label, QString("Critical"));
  }
}

TEST_F(PopoverFixture, TheBadgeFollowsTheStoredTotalLive) {
  auto view = makeView();
  view->show();
  auto* card = view->findChild<VolumeCard*>();
  EXPECT_EQ(card->look().totalFreedBytes, 0);
  settings->addFreedBytes(1);
  EXPECT_EQ(card->look().totalFreedBytes, 1);
  EXPECT_EQ(view->totalFreedBytes(), 1);
}

TEST(VolumeCardPaint, TheBadgeIsDrawnOnlyOnceSomethingWasFreed) {
  // Count green pixels of the badge's colour in the text column.
  auto greenPixels = [](int64_t freed) {
    VolumeCardLook look{{61'234'567'890, 494'384'795'648}, freed, design::SectionPalette::clean()};
    QImage image(268, int(volumeCardHeight(look)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    paintVolumeCard(painter, QRectF(image.rect()), look);
    painter.end();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 120; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.green() > 120 && c.green() > c.red() + 60 && c.green() > c.blue() + 30) ++count;
      }
    return count;
  };
  EXPECT_EQ(greenPixels(0), 0);
  EXPECT_GT(greenPixels(1), 20);
}

}  // namespace
}  // namespace tidewell::app
