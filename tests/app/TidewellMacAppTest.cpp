#include "app/TidewellMacApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>

#include "app/AppBridge.h"
#include "app/ApplicationSetup.h"
#include "app/MainWindow.h"

namespace tidewell::app {
namespace {

// Sees the application being asked to quit.
struct QuitWatch : QObject {
  bool asked = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Quit) asked = true;
    return false;
  }
};

// Closes window from inside the application's own event loop (only there
// does closing the last window quit) and reports whether the application
// was left running.
bool stillRunningAfterClosing(QWidget* window) {
  QuitWatch watch;
  qApp->installEventFilter(&watch);
  QTimer::singleShot(0, window, [window] {
    window->close();
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
  });
  QCoreApplication::exec();
  qApp->removeEventFilter(&watch);
  return !watch.asked;
}

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class Shell : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    configureApplication(*qApp);
    TidewellMacApp::Options options;
    options.socketPath = dir_.filePath("instance.socket");
    options.statusItem = false;
    options.windowContent = [this] {
      ++contents_;
      return new QLabel(QStringLiteral("content %1").arg(contents_));
    };
    options.quit = [this] { ++quits_; };
    app_ = std::make_unique<TidewellMacApp>(bridge_, std::move(options));
  }
  void TearDown() override {
    app_.reset();
    flushDeletes();
  }
  QString contentText() const { return static_cast<QLabel*>(app_->mainWindow()->content())->text(); }

  QTemporaryDir dir_;
  AppBridge bridge_;
  int contents_ = 0;
  int quits_ = 0;
  std::unique_ptr<TidewellMacApp> app_;
};

TEST_F(Shell, TheApplicationIsSetUpDarkNamedAndKeepsRunningWithoutWindows) {
  EXPECT_FALSE(qApp->quitOnLastWindowClosed());
  EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("Tidewell"));
  EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("TidewellMac"));
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("tidewell-mac"));
  EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
  EXPECT_LT(QApplication::palette().color(QPalette::Window).lightnessF(), 0.1);

  app_->launch(LaunchRequest::reopen());
  EXPECT_TRUE(stillRunningAfterClosing(app_->mainWindow()));
  flushDeletes();
  EXPECT_EQ(app_->mainWindow(), nullptr);
  EXPECT_EQ(quits_, 0);

  // The check above would see a quit: with Qt's default, closing the last
  // window ends the loop.
  qApp->setQuitOnLastWindowClosed(true);
  app_->openMainWindow();
  EXPECT_FALSE(stillRunningAfterClosing(app_->mainWindow()));
  qApp->setQuitOnLastWindowClosed(false);
}

TEST_F(Shell, TheWindowIsMainSizedAndAReopenedOneStartsAfresh) {
  EXPECT_FALSE(bridge_.openWindow);
  app_->launch(LaunchRequest::reopen());
  MainWindow* window = app_->mainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("TidewellMac"));
  EXPECT_EQ(window->size(), QSize(1120, 740));
  EXPECT_EQ(window->minimumSize(), QSize(1060, 680));
  EXPECT_EQ(contentText(), QStringLiteral("content 1"));
  ASSERT_TRUE(bridge_.openWindow);

  // Opening an open window brings it forward; it builds nothing new.
  bridge_.openWindow();
  EXPECT_EQ(contents_, 1);

  window->close();
  flushDeletes();
  app_->handle(LaunchRequest::reopen());
  ASSERT_NE(app_->mainWindow(), nullptr);
  EXPECT_TRUE(app_->mainWindow()->isVisible());
  EXPECT_EQ(contentText(), QStringLiteral("content 2"));
}

TEST_F(Shell, ControlQQuits) {
  app_->launch(LaunchRequest::reopen());
  const auto shortcuts = app_->mainWindow()->findChildren<QShortcut*>("quitShortcut");
  ASSERT_EQ(shortcuts.size(), 1);
  EXPECT_EQ(shortcuts[0]->key(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  Q_EMIT shortcuts[0]->activated();
  EXPECT_EQ(quits_, 1);
}

TEST_F(Shell, TheTrayMenuOffersFourCommands) {
  QStringList log;
  QObject::connect(&bridge_, &AppBridge::runScanRequested, &bridge_, [&] { log << "run scan"; });
  QObject::connect(&bridge_, &AppBridge::showAboutRequested, &bridge_, [&] { log << "about"; });
  app_->launch(LaunchRequest::reopen());
  app_->mainWindow()->close();
  flushDeletes();

  QMenu* menu = app_->delegate().menu();
  QStringList texts;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts << action->text();
  }
  EXPECT_EQ(texts,
            (QStringList{"Open Tidewell Mac", "Scan My Mac", "About Tidewell Mac", "Quit Tidewell Mac"}));
  const auto trigger = [&](const char* name) { menu->findChild<QAction*>(name)->trigger(); };

  trigger("openApp");
  ASSERT_NE(app_->mainWindow(), nullptr);
  EXPECT_EQ(contentText(), QStringLiteral("content 2"));

  app_->mainWindow()->close();
  flushDeletes();
  trigger("about");  // opens a window first, leaves nothing pending
  EXPECT_NE(app_->mainWindow(), nullptr);
  EXPECT_EQ(contents_, 3);
  EXPECT_FALSE(bridge_.autoStartScan);
  EXPECT_FALSE(bridge_.pendingSection);

  trigger("scan");
  EXPECT_TRUE(bridge_.autoStartScan);
  trigger("quit");
  EXPECT_EQ(quits_, 1);
  EXPECT_EQ(log, (QStringList{"about", "run scan"}));
}

TEST_F(Shell, TheTrayClickTogglesThePopoverAndAClickThatClosedItDoesNotReopenIt) {
  int64_t now = 10'000;
  app_->delegate().setClock([&] { return now; });
  PopoverWindow& popover = app_->delegate().popover();

  app_->delegate().togglePopover();
  EXPECT_TRUE(popover.isVisible());
  now += 500;
  app_->delegate().togglePopover();
  EXPECT_FALSE(popover.isVisible());

  // Focus moves to the tray: the popover closes itself, then the click arrives.
  now += 500;
  app_->delegate().togglePopover();
  ASSERT_TRUE(popover.isVisible());
  popover.dismiss();
  now += 100;
  app_->delegate().togglePopover();
  EXPECT_FALSE(popover.isVisible());
  now += 250;
  app_->delegate().togglePopover();
  EXPECT_TRUE(popover.isVisible());
  popover.dismiss();
}

TEST_F(Shell, ALaterLaunchsLinkReachesTheWindowsContentAndAReopenRaisesIt) {
  ASSERT_TRUE(app_->claimInstance(LaunchRequest::reopen()));
  app_->launch(LaunchRequest::reopen());
  QSignalSpy links(&bridge_, &AppBridge::linkOpened);

  SingleInstance second(dir_.filePath("instance.socket"));
  EXPECT_EQ(second.start(LaunchRequest::openLink("tidewellmac://scan")), SingleInstance::Role::Secondary);
  ASSERT_TRUE(links.wait(5000));
  EXPECT_EQ(links.takeFirst().at(0).toString(), QStringLiteral("tidewellmac://scan"));
  EXPECT_FALSE(bridge_.autoStartScan);  // a link leaves nothing pending

  app_->mainWindow()->close();
  flushDeletes();
  SingleInstance third(dir_.filePath("instance.socket"));
  QSignalSpy reopens(&app_->instance(), &SingleInstance::reopenRequested);
  EXPECT_EQ(third.start(LaunchRequest::reopen()), SingleInstance::Role::Secondary);
  ASSERT_TRUE(reopens.wait(5000));
  ASSERT_NE(app_->mainWindow(), nullptr);
  EXPECT_TRUE(app_->mainWindow()->isVisible());
}

TEST_F(Shell, ALinkGivenToTheFirstLaunchIsHandledOnceTheWindowIsUp) {
  QStringList log;
  QObject::connect(&bridge_, &AppBridge::linkOpened, &bridge_, [&](const QString& link) {
    log << (app_->mainWindow() && app_->mainWindow()->isVisible() ? "shown: " : "hidden: ") + link;
  });
  app_->launch(LaunchRequest::openLink("tidewellmac://scan"));
  EXPECT_EQ(log, (QStringList{"shown: tidewellmac://scan"}));
}

}  // namespace
}  // namespace tidewell::app
