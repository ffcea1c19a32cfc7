#include "app/tray/PopoverToggle.h"

namespace tidewell::app {

PopoverToggle::Action PopoverToggle::onClick(bool shown, int64_t nowMs) const {
  if (shown) return Action::Close;
  if (closedAt_ && nowMs >= *closedAt_ && nowMs - *closedAt_ < kCloseGuardMs) return Action::Nothing;
  return Action::Show;
}

}  // namespace tidewell::app
