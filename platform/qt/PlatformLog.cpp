#include "platform/qt/PlatformLog.h"

namespace tidewell::platform {

Q_LOGGING_CATEGORY(lcPlatform, "tidewell.platform", QtInfoMsg)

}  // namespace tidewell::platform
