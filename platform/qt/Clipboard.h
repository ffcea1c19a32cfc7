#pragma once
// The general clipboard, written as plain text only (a big item's "Copy
// command"). A seam: screens get one through ScreenServices, tests a
// recording fake. GUI thread only; a failed write is not reported.

#include <QString>

namespace tidewell::platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Clears the clipboard, then puts text on it as plain text.
  virtual void setText(const QString& text) = 0;
};

// The application's clipboard (QGuiApplication::clipboard()).
class SystemClipboard : public Clipboard {
 public:
  void setText(const QString& text) override;
};

}  // namespace tidewell::platform
