#pragma once
// "Move to Trash?", asked before an item that may hold app data or the
// user's own files goes to the Trash. As in every confirmation, Return and
// Enter answer nothing, whichever button has the focus, so the destructive
// step is never the default; Escape and "Cancel" answer no, and only
// "Move to Trash" itself (a click, or Space on it) trashes. Window-modal
// over the screen; it deletes itself once answered. GUI thread only.

#include "engine/deepscan/BigItem.h"
#include "screens/common/controls/ConfirmAlert.h"

namespace tidewell::screens {

class TrashQuestion : public ConfirmAlert {
  Q_OBJECT
 public:
  TrashQuestion(const engine::BigItem& item, QWidget* parent);

  // The item the question is about.
  const engine::BigItem& item() const { return item_; }

 private:
  engine::BigItem item_;
};

}  // namespace tidewell::screens
