#include "models/ModelsLog.h"

namespace tidewell::models {

Q_LOGGING_CATEGORY(lcModels, "tidewell.models", QtInfoMsg)

QString reasonForLog(const platform::FailureReason& reason) {
  return QString::fromStdString(platform::reasonText(reason));
}

QString reasonForLog(const std::optional<platform::FailureReason>& reason) {
  return reason ? reasonForLog(*reason) : QStringLiteral("no reason given");
}

}  // namespace tidewell::models
