#pragma once
// Fakes of the screens' desktop seams for tests and renderers: each records
// what a screen asked for and reaches nothing of the desktop. services()
// hands them to a screen as ScreenServices; the fakes stay reachable for
// the test's checks. GUI thread only.

#include <QHash>
#include <QStringList>
#include <QUrl>
#include <memory>

#include "screens/common/services/ScreenServices.h"

namespace tidewell::probe {

class RecordingRevealer : public platform::FileRevealer {
 public:
  void reveal(const QString& path) override { revealed.append(path); }
  QStringList revealed;
};

class RecordingLinkOpener : public platform::LinkOpener {
 public:
  void open(const QUrl& url) override { opened.append(url); }
  QList<QUrl> opened;
};

class RecordingClipboard : public platform::Clipboard {
 public:
  void setText(const QString& text) override {
    ++clears;
    texts.append(text);
  }
  // The clipboard's content now ("" before the first write).
  QString current() const { return texts.isEmpty() ? QString() : texts.back(); }
  int clears = 0;
  QStringList texts;
};

// Icons on demand: every path asked for is recorded; an icon is handed out
// when the test delivers one (deliver), or at once for every path when
// immediate is set (renderers).
class ManualIconProvider : public screens::AppIconProvider {
  Q_OBJECT
 public:
  QImage icon(const QString& path) override;
  // Makes path's icon image and announces it.
  void deliver(const QString& path, const QImage& image);
  // A plain square of colour, kIconPixels across.
  static QImage swatch(const QColor& colour);

  bool immediate = false;  // answer every path at once with the generic icon
  QStringList requested;   // in order, each time a path had no icon yet

 private:
  QHash<QString, QImage> icons_;
};

struct FakeServices {
  std::shared_ptr<RecordingRevealer> revealer = std::make_shared<RecordingRevealer>();
  std::shared_ptr<RecordingLinkOpener> links = std::make_shared<RecordingLinkOpener>();
  std::shared_ptr<RecordingClipboard> clipboard = std::make_shared<RecordingClipboard>();
  std::shared_ptr<ManualIconProvider> icons = std::make_shared<ManualIconProvider>();

  screens::ScreenServices services() const { return {revealer, links, clipboard, icons}; }
};

}  // namespace tidewell::probe
