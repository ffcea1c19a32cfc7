#include "app/TidewellMacApp.h"

#include <QCoreApplication>

#include "app/AppBridge.h"
#include "app/AppLog.h"
#include "app/MainWindow.h"
#include "design/brand/ResourceRoot.h"

namespace tidewell::app {

TidewellMacApp::TidewellMacApp(AppBridge& bridge, Options options, QObject* parent)
    : QObject(parent),
      bridge_(bridge),
      options_(std::move(options)),
      instance_(std::make_unique<SingleInstance>(
          options_.socketPath.isEmpty() ? InstanceFolder::locate(InstanceFolder::Environment::ofProcess())
                                        : InstanceFolder::Place{options_.socketPath, {}},
          SingleInstance::Context{})) {
  delegate_ =
      std::make_unique<AppDelegate>(bridge_, options_.popoverContent,
                                    AppDelegate::Commands{[this] { aboutCommand(); }, [this] { quit(); }});
  bridge_.activate = [this] { activate(); };
  connect(instance_.get(), &SingleInstance::linkReceived, this,
          [this](const QString& link) { handle(LaunchRequest::openLink(link)); });
  connect(instance_.get(), &SingleInstance::reopenRequested, this,
          [this] { handle(LaunchRequest::reopen()); });
}

TidewellMacApp::~TidewellMacApp() {
  bridge_.activate = nullptr;
  bridge_.openWindow = nullptr;
  delete window_.data();
}

bool TidewellMacApp::claimInstance(const LaunchRequest& request) {
  return instance_->start(request) != SingleInstance::Role::Secondary;
}

void TidewellMacApp::launch(const LaunchRequest& request) {
  openMainWindow();
  if (options_.statusItem) {
    delegate_->setupStatusItem(options_.resourceRoot.isEmpty() ? design::resourceRoot()
                                                               : options_.resourceRoot);
  }
  if (request.kind == LaunchRequest::Kind::Link) handle(request);
}

void TidewellMacApp::handle(const LaunchRequest& request) {
  if (request.kind == LaunchRequest::Kind::Link) {
    qCDebug(lcApp) << "launch: link" << request.link;
    bridge_.openLink(request.link);
  } else {
    qCDebug(lcApp) << "launch: reopen";
    delegate_->reopen();
  }
}

void TidewellMacApp::openMainWindow() {
  if (!window_) {
    QWidget* content = options_.windowContent ? options_.windowContent() : nullptr;
    window_ = new MainWindow(
        bridge_, content, [this] { openMainWindow(); }, [this] { quit(); });
  }
  if (window_->isMinimized()) window_->showNormal();
  window_->show();
  window_->raise();
}

void TidewellMacApp::activate() {
  if (!window_) return;
  window_->raise();
  window_->activateWindow();
}

void TidewellMacApp::aboutCommand() {
  if (bridge_.openWindow) bridge_.openWindow();
  activate();
  bridge_.showAbout();
}

void TidewellMacApp::quit() {
  if (options_.quit) {
    options_.quit();
  } else {
    QCoreApplication::quit();
  }
}

}  // namespace tidewell::app
