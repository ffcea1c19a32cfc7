#pragma once
// Everything of the running application outside the main window: the tray
// item with its popover and its menu, and the answer to a "reopen" from a
// later launch. It reaches the window only through the bridge and the
// commands it is given.
//
// Owned by the application object; GUI thread only.

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/tray/PopoverToggle.h"
#include "app/tray/PopoverWindow.h"

class QMenu;
class QSystemTrayIcon;

namespace tidewell::app {

class AppBridge;

// The tray menu's texts, in menu order.
inline constexpr const char* kOpenAppText = "Open Tidewell Mac";
inline constexpr const char* kScanText = "Scan My Mac";
inline constexpr const char* kAboutText = "About Tidewell Mac";
inline constexpr const char* kQuitText = "Quit Tidewell Mac";

class AppDelegate : public QObject {
  Q_OBJECT

 public:
  struct Commands {
    std::function<void()> about;  // the "About Tidewell Mac" command
    std::function<void()> quit;
  };
  // Milliseconds of a monotonic clock (tests give their own).
  using MonotonicClock = std::function<int64_t()>;

  AppDelegate(AppBridge& bridge, PopoverWindow::ContentFactory popoverContent, Commands commands,
              QObject* parent = nullptr);
  ~AppDelegate() override;

  void setClock(MonotonicClock clock) { clock_ = std::move(clock); }

  // Creates the tray item (picture from resourceRoot) with its menu and
  // shows it. Where the desktop has no tray, the window stays the way in.
  void setupStatusItem(const QString& resourceRoot);
  QSystemTrayIcon* statusItem() const { return statusItem_; }

  // The tray item's left click.
  void togglePopover();
  PopoverWindow& popover() { return *popover_; }

  // A later launch without a link: open (or bring forward) the window and
  // activate.
  void reopen();

  // The tray item's menu: "Open Tidewell Mac", "Scan My Mac",
  // "About Tidewell Mac", "Quit Tidewell Mac".
  QMenu* menu() const { return menu_.get(); }

 private:
  AppBridge& bridge_;
  Commands commands_;
  MonotonicClock clock_;
  PopoverToggle toggle_;
  std::unique_ptr<PopoverWindow> popover_;
  std::unique_ptr<QMenu> menu_;
  QSystemTrayIcon* statusItem_ = nullptr;
};

}  // namespace tidewell::app
