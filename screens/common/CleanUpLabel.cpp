#include "screens/common/CleanUpLabel.h"

namespace tidewell::screens {

design::PillLabel cleanUpLabel() {
  using namespace design::literals;
  return {QStringLiteral("Clean Up"), "sparkles"_symbol};
}

}  // namespace tidewell::screens
