#pragma once
// The models' logging category, "tidewell.models": scans starting and
// ending, what a clean, trash or uninstall did, why one failed, settings
// that fell back. Debug lines are off unless QT_LOGGING_RULES turns them on
// ("tidewell.*.debug=true"); warnings show by default. The engine below
// logs nothing itself: it reports through its result records (counts,
// failure entries with their reasons), which the models log here on the
// GUI thread, so no logger is reached from a worker thread.

#include <QLoggingCategory>
#include <QString>
#include <optional>

#include "platform/core/FailureReason.h"

namespace tidewell::models {

Q_DECLARE_LOGGING_CATEGORY(lcModels)

// A failure's reason as the log lines write it: each failure a model hears
// of is logged as a warning with its reason, so a bug report can say why.
// A failure whose record names none is still logged, as "no reason given".
QString reasonForLog(const platform::FailureReason& reason);
QString reasonForLog(const std::optional<platform::FailureReason>& reason);

}  // namespace tidewell::models
