#pragma once
// The Qt-side platform's logging category, "tidewell.platform": desktop
// services that fell back (a reveal the file manager did not take).
// Debug lines are off unless QT_LOGGING_RULES turns them on
// ("tidewell.*.debug=true").

#include <QLoggingCategory>

namespace tidewell::platform {

Q_DECLARE_LOGGING_CATEGORY(lcPlatform)

}  // namespace tidewell::platform
