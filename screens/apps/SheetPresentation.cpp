#include "screens/apps/SheetPresentation.h"

namespace tidewell::screens {

SheetStep sheetStep(std::optional<uint64_t> shownId, std::optional<uint64_t> pendingId) {
  if (shownId == pendingId) return {};
  return {shownId.has_value(), pendingId.has_value()};
}

bool dismissalClearsPending(uint64_t sheetId, std::optional<uint64_t> pendingId) {
  return pendingId == sheetId;
}

}  // namespace tidewell::screens
