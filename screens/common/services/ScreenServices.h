#pragma once
// What a screen reaches of the desktop besides its model: revealing a file,
// opening a link, the clipboard and application icons. The root view makes
// one set for its window (desktop()) and hands it to every screen; tests
// and renderers hand fakes (testkit/probe/FakeServices.h). Every member is
// set. GUI thread only.

#include <memory>

#include "platform/qt/Clipboard.h"
#include "platform/qt/FileRevealer.h"
#include "platform/qt/LinkOpener.h"
#include "screens/common/services/AppIconProvider.h"

namespace tidewell::screens {

struct ScreenServices {
  std::shared_ptr<platform::FileRevealer> revealer;
  std::shared_ptr<platform::LinkOpener> links;
  std::shared_ptr<platform::Clipboard> clipboard;
  std::shared_ptr<AppIconProvider> icons;

  // The real desktop: the file manager over D-Bus, QDesktopServices, the
  // application clipboard and the desktop's icons (one fresh set per call).
  static ScreenServices desktop();
};

}  // namespace tidewell::screens
