#include "design/DesignLog.h"

namespace tidewell::design {

Q_LOGGING_CATEGORY(lcDesign, "tidewell.design", QtInfoMsg)

}  // namespace tidewell::design
