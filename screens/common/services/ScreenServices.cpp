#include "screens/common/services/ScreenServices.h"

#include "platform/qt/DesktopFileRevealer.h"
#include "screens/common/services/DesktopAppIconProvider.h"

namespace tidewell::screens {

ScreenServices ScreenServices::desktop() {
  return {std::make_shared<platform::DesktopFileRevealer>(), std::make_shared<platform::DesktopLinkOpener>(),
          std::make_shared<platform::SystemClipboard>(), std::make_shared<DesktopAppIconProvider>()};
}

}  // namespace tidewell::screens
