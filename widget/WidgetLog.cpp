#include "widget/WidgetLog.h"

namespace tidewell::widget {

Q_LOGGING_CATEGORY(lcWidget, "tidewell.widget", QtInfoMsg)

}  // namespace tidewell::widget
