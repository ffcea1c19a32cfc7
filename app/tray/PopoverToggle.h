#pragma once
// What a click on the tray item does to the popover. The popover closes
// itself when it loses focus, which a click on the tray item also causes
// just before the click arrives; so a click landing within 250 ms of the
// popover closing only closes it and does not open it again.
// Times are milliseconds of one monotonic clock.

#include <cstdint>
#include <optional>

namespace tidewell::app {

class PopoverToggle {
 public:
  static constexpr int64_t kCloseGuardMs = 250;
  enum class Action { Show, Close, Nothing };

  Action onClick(bool shown, int64_t nowMs) const;
  void noteClosed(int64_t nowMs) { closedAt_ = nowMs; }

 private:
  std::optional<int64_t> closedAt_;
};

}  // namespace tidewell::app
