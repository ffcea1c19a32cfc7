#pragma once
// The models' logging category, "tidewell.models": scans starting and
// ending, what a clean, trash or uninstall did, settings that fell back.
// Debug lines are off unless QT_LOGGING_RULES turns them on
// ("tidewell.*.debug=true"); warnings show by default. The engine below
// logs nothing itself: it reports through its result records (counts,
// failure entries), which the models log here on the GUI thread, so no
// logger is reached from a worker thread.

#include <QLoggingCategory>

namespace tidewell::models {

Q_DECLARE_LOGGING_CATEGORY(lcModels)

}  // namespace tidewell::models
