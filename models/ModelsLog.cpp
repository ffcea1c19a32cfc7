#include "models/ModelsLog.h"

namespace tidewell::models {

Q_LOGGING_CATEGORY(lcModels, "tidewell.models", QtInfoMsg)

}  // namespace tidewell::models
