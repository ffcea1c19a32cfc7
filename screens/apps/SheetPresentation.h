#pragma once
// When the Apps screen opens and closes its uninstall sheet. The sheet
// shows one plan, known by the id the model gave it; the model's pending
// plan may be replaced (a later trash press) or cleared (the confirmation)
// while it is open. Pure; any thread.

#include <cstdint>
#include <optional>

namespace tidewell::screens {

struct SheetStep {
  bool closeShown = false;   // close the open sheet, leaving the model alone
  bool openPending = false;  // open a sheet for the pending plan
  bool operator==(const SheetStep&) const = default;
};

// What to do when the pending plan is pendingId while the sheet shows
// shownId (absent: none, either side). A sheet that still shows the
// pending plan stays; any other is closed, and a pending plan without its
// sheet gets one.
SheetStep sheetStep(std::optional<uint64_t> shownId, std::optional<uint64_t> pendingId);

// Whether the user's dismissal (Cancel, Escape, closing the sheet) of the
// sheet showing sheetId withdraws the pending plan: only when that plan is
// still the pending one, so a newer plan is never withdrawn by an older
// sheet.
bool dismissalClearsPending(uint64_t sheetId, std::optional<uint64_t> pendingId);

}  // namespace tidewell::screens
