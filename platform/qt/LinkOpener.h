#pragma once
// Opens a web or settings link with the desktop's default handler (the
// Login Items settings of the Performance screen). A seam: screens get one
// through ScreenServices, tests a recording fake. GUI thread only; returns
// at once and reports nothing (a refusal is ignored, as the screens want).

#include <QUrl>
#include <functional>

namespace tidewell::platform {

class LinkOpener {
 public:
  virtual ~LinkOpener() = default;
  virtual void open(const QUrl& url) = 0;
};

// QDesktopServices::openUrl, or the function given.
class DesktopLinkOpener : public LinkOpener {
 public:
  using OpenUrl = std::function<void(const QUrl&)>;
  DesktopLinkOpener();
  explicit DesktopLinkOpener(OpenUrl openUrl) : openUrl_(std::move(openUrl)) {}
  void open(const QUrl& url) override;

 private:
  OpenUrl openUrl_;
};

}  // namespace tidewell::platform
