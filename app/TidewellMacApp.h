#pragma once
// The running application: the one main window, the tray item (through the
// delegate), the single-instance channel and the "About Tidewell Mac"
// command. It hands the bridge the activation action and answers what later
// launches send: a link goes to the window's content through the bridge, a
// reopen opens or raises the window.
//
// One per process (main makes it; the end-to-end test makes its own with a
// private socket). GUI thread only.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "app/AppDelegate.h"
#include "app/LaunchRequest.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/tray/PopoverWindow.h"

namespace tidewell::app {

class AppBridge;

class TidewellMacApp : public QObject {
  Q_OBJECT

 public:
  struct Options {
    // The single-instance socket; empty: the user's own (InstanceFolder).
    QString socketPath;
    // Resources of the tray picture; empty: design::resourceRoot().
    QString resourceRoot;
    bool statusItem = true;
    // A fresh root view for each new main window (the window owns it).
    std::function<QWidget*()> windowContent;
    // A fresh popover content for each showing (the popover owns it).
    PopoverWindow::ContentFactory popoverContent = PopoverWindow::placeholderContent;
    // What quitting does; empty: QCoreApplication::quit().
    std::function<void()> quit;
  };

  TidewellMacApp(AppBridge& bridge, Options options, QObject* parent = nullptr);
  ~TidewellMacApp() override;

  // Hands request to an instance that already runs (false: this launch is
  // done and exits with 0), or becomes the running instance (true; also
  // when no channel could be made).
  bool claimInstance(const LaunchRequest& request);

  // Launching finished: shows the main window, creates the tray item, then
  // acts on the launch's own request.
  void launch(const LaunchRequest& request);

  // A link goes to the window's content (bridge.openLink); a reopen opens
  // or raises the window and activates.
  void handle(const LaunchRequest& request);

  // Shows the window "main", building a fresh one when none exists, and
  // brings it forward.
  void openMainWindow();
  // Brings the main window to the front, when there is one.
  void activate();
  // "About Tidewell Mac": open the window, activate, announce.
  void aboutCommand();

  MainWindow* mainWindow() const { return window_; }
  AppDelegate& delegate() { return *delegate_; }
  SingleInstance& instance() { return *instance_; }

 private:
  void quit();

  AppBridge& bridge_;
  Options options_;
  std::unique_ptr<SingleInstance> instance_;
  std::unique_ptr<AppDelegate> delegate_;
  QPointer<MainWindow> window_;
};

}  // namespace tidewell::app
