#pragma once
// Reveals through the desktop's file manager: D-Bus
// org.freedesktop.FileManager1.ShowItems with the file's URI, which opens
// a window with the item selected; where that fails (no session bus, no
// file manager answering, an error) it opens the item's parent folder with
// the desktop's default handler. Both steps are replaceable, so tests never
// reach the real desktop. The D-Bus call is asynchronous: reveal() returns
// at once. GUI thread only.

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>

#include "platform/qt/FileRevealer.h"

namespace tidewell::platform {

class DesktopFileRevealer : public QObject, public FileRevealer {
  Q_OBJECT
 public:
  // Asks the file manager to show uris; calls done(true) once it has, or
  // done(false) on any failure. done may run later, on the GUI thread.
  using ShowItems = std::function<void(const QStringList& uris, std::function<void(bool shown)> done)>;
  using OpenUrl = std::function<void(const QUrl&)>;

  // The session bus and QDesktopServices::openUrl.
  explicit DesktopFileRevealer(QObject* parent = nullptr);
  DesktopFileRevealer(ShowItems showItems, OpenUrl openUrl, QObject* parent = nullptr);

  void reveal(const QString& path) override;

  // The file URI handed to the file manager.
  static QString itemUri(const QString& path);
  // The folder that holds path ("/" for "/" itself), as a file URL.
  static QUrl parentFolderUrl(const QString& path);

  // ShowItems over the session bus.
  static ShowItems sessionBusShowItems(QObject* context);

 private:
  ShowItems showItems_;
  OpenUrl openUrl_;
};

}  // namespace tidewell::platform
