#include "app/AppLog.h"

namespace tidewell::app {

Q_LOGGING_CATEGORY(lcApp, "tidewell.app", QtInfoMsg)

}  // namespace tidewell::app
