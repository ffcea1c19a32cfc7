#pragma once
// How the widget opens its link: by default the desktop's handler
// (QDesktopServices); tests pass a function that records the link instead.

#include <QUrl>
#include <functional>

namespace tidewell::widget {

using LinkOpener = std::function<void(const QUrl&)>;

LinkOpener desktopLinkOpener();

// The link that opens the application and starts a scan.
QUrl scanLink();

}  // namespace tidewell::widget
