#include "screens/common/ScreensLog.h"

namespace tidewell::screens {

Q_LOGGING_CATEGORY(lcScreens, "tidewell.screens", QtInfoMsg)

}  // namespace tidewell::screens
