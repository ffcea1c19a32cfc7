#include "app/AppDelegate.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QMenu>
#include <QSystemTrayIcon>

#include "app/AppBridge.h"
#include "app/tray/TrayIconImage.h"

namespace tidewell::app {

namespace {
int64_t monotonicNow() {
  static QElapsedTimer timer = [] {
    QElapsedTimer started;
    started.start();
    return started;
  }();
  return timer.elapsed();
}
}  // namespace

AppDelegate::AppDelegate(AppBridge& bridge, PopoverWindow::ContentFactory popoverContent, Commands commands,
                         QObject* parent)
    : QObject(parent),
      bridge_(bridge),
      commands_(std::move(commands)),
      clock_(monotonicNow),
      popover_(std::make_unique<PopoverWindow>(std::move(popoverContent))),
      menu_(std::make_unique<QMenu>()) {
  connect(popover_.get(), &PopoverWindow::closed, this, [this] { toggle_.noteClosed(clock_()); });

  const auto add = [this](const char* text, const char* name, std::function<void()> action) {
    QAction* item = menu_->addAction(QString::fromUtf8(text));
    item->setObjectName(QString::fromLatin1(name));
    connect(item, &QAction::triggered, this, [action = std::move(action)] {
      if (action) action();
    });
  };
  add(kOpenAppText, "openApp", [this] { reopen(); });
  add(kScanText, "scan", [this] { bridge_.runScan(); });
  menu_->addSeparator();
  add(kAboutText, "about", [this] {
    if (commands_.about) commands_.about();
  });
  menu_->addSeparator();
  add(kQuitText, "quit", [this] {
    if (commands_.quit) commands_.quit();
  });
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::setupStatusItem(const QString& resourceRoot) {
  if (statusItem_) return;
  statusItem_ = new QSystemTrayIcon(this);
  statusItem_->setIcon(trayIconArt(resourceRoot).icon);
  statusItem_->setToolTip(QStringLiteral("Tidewell Mac"));
  statusItem_->setContextMenu(menu_.get());
  connect(statusItem_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger) togglePopover();
  });
  statusItem_->show();
}

void AppDelegate::togglePopover() {
  switch (toggle_.onClick(popover_->isVisible(), clock_())) {
    case PopoverToggle::Action::Close:
      popover_->dismiss();
      break;
    case PopoverToggle::Action::Show:
      popover_->open(statusItem_ ? statusItem_->geometry() : QRect(), QCursor::pos());
      break;
    case PopoverToggle::Action::Nothing:
      break;
  }
}

void AppDelegate::reopen() {
  if (bridge_.openWindow) bridge_.openWindow();
  if (bridge_.activate) bridge_.activate();
}

}  // namespace tidewell::app
