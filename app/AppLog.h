#pragma once
// The app layer's logging category, "tidewell.app": the section shown, links and reopen requests handed over.
// Debug lines are off unless QT_LOGGING_RULES turns them on
// ("tidewell.*.debug=true").

#include <QLoggingCategory>

namespace tidewell::app {

Q_DECLARE_LOGGING_CATEGORY(lcApp)

}  // namespace tidewell::app
