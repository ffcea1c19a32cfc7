#pragma once
// The one way for code outside the main window (the tray popover, the tray
// menu, a second launch handing over a link) to ask the window to open, to
// start a Smart Scan or to show a section.
//
// It keeps the window-opening action that the window stores each time it is
// shown, and two pending requests that the root view consumes when it next
// appears; each request is also announced at once by a signal, which the
// root view of an open window acts on. The signals stand for the process's
// three notifications: runScanRequested "TidewellRunScan",
// openSectionRequested "TidewellOpenSection" (the section title),
// showAboutRequested "TidewellShowAbout". A link handed over by a launch
// reaches the window's content through linkOpened; it leaves nothing
// pending.
//
// One instance for the process (shared()); tests make their own.
// GUI thread only; signals are delivered synchronously.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace tidewell::app {

class AppBridge : public QObject {
  Q_OBJECT

 public:
  static AppBridge& shared();
  using QObject::QObject;

  // Opens or raises the main window; unset until the window was first shown.
  std::function<void()> openWindow;
  // Brings the application to the front; unset means nothing to do.
  std::function<void()> activate;

  // Set by runScan(); cleared only by the root view when it consumes it.
  bool autoStartScan = false;
  // Set by openSection(); cleared only by the root view when it consumes it.
  std::optional<QString> pendingSection;

  // autoStartScan = true, open the window, activate, announce.
  void runScan();
  // pendingSection = title, open the window, activate, announce. The root
  // view ignores a title that names no section.
  void openSection(const QString& title);
  // Announces "show About"; the caller opens and activates the window first.
  void showAbout();
  // Open the window, activate, hand the link to the window's content.
  void openLink(const QString& link);

 Q_SIGNALS:
  void runScanRequested();
  void openSectionRequested(const QString& title);
  void showAboutRequested();
  void linkOpened(const QString& link);

 private:
  void openAndActivate();
};

}  // namespace tidewell::app
