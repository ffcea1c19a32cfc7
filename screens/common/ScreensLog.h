#pragma once
// The screens layer's logging category, "tidewell.screens": which phase page a section shows.
// Debug lines are off unless QT_LOGGING_RULES turns them on
// ("tidewell.*.debug=true").

#include <QLoggingCategory>

namespace tidewell::screens {

Q_DECLARE_LOGGING_CATEGORY(lcScreens)

}  // namespace tidewell::screens
