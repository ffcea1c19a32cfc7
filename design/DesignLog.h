#pragma once
// The design layer's logging category, "tidewell.design": the theme's palette as the volume changes.
// Debug lines are off unless QT_LOGGING_RULES turns them on
// ("tidewell.*.debug=true").

#include <QLoggingCategory>

namespace tidewell::design {

Q_DECLARE_LOGGING_CATEGORY(lcDesign)

}  // namespace tidewell::design
