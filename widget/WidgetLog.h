#pragma once
// The widget layer's logging category, "tidewell.widget": timeline reloads and the volume readings behind
// them. Debug lines are off unless QT_LOGGING_RULES turns them on
// ("tidewell.*.debug=true").

#include <QLoggingCategory>

namespace tidewell::widget {

Q_DECLARE_LOGGING_CATEGORY(lcWidget)

}  // namespace tidewell::widget
