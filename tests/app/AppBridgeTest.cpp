#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "app/AppBridge.h"

namespace tidewell::app {
namespace {

struct BridgeLog {
  QStringList events;
  explicit BridgeLog(AppBridge& bridge) {
    bridge.activate = [this] { events << "activate"; };
    QObject::connect(&bridge, &AppBridge::runScanRequested, &bridge, [this] { events << "run scan"; });
    QObject::connect(&bridge, &AppBridge::openSectionRequested, &bridge,
                     [this](const QString& title) { events << "open " + title; });
    QObject::connect(&bridge, &AppBridge::showAboutRequested, &bridge, [this] { events << "about"; });
  }
};

TEST(AppBridge, RequestsBeforeAnyWindowStayPendingAndAreStillAnnounced) {
  AppBridge bridge;
  BridgeLog log(bridge);
  bridge.runScan();
  bridge.openSection("Deep Scan");
  EXPECT_TRUE(bridge.autoStartScan);
  EXPECT_EQ(bridge.pendingSection, QString("Deep Scan"));
  EXPECT_EQ(log.events, (QStringList{"activate", "run scan", "activate", "open Deep Scan"}));
}

TEST(AppBridge, OpensTheWindowShownLastThenActivatesThenAnnounces) {
  AppBridge bridge;
  BridgeLog log(bridge);
  bridge.openWindow = [&] { log.events << "first window"; };
  bridge.openWindow = [&] { log.events << "second window"; };
  bridge.openSection("Apps");
  bridge.openSection("Clean");
  bridge.showAbout();
  EXPECT_EQ(bridge.pendingSection, QString("Clean"));
  EXPECT_FALSE(bridge.autoStartScan);
  EXPECT_EQ(log.events, (QStringList{"second window", "activate", "open Apps", "second window", "activate",
                                     "open Clean", "about"}));
}

}  // namespace
}  // namespace tidewell::app
