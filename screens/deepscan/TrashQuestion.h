#pragma once
// "Move to Trash?", asked before an item that may hold app data or the
// user's own files goes to the Trash. The safe answer is the default: Return
// and Enter cancel, like Escape; only a click on "Move to Trash" trashes.
// Window-modal over the screen; it deletes itself once answered. GUI
// thread only.

#include "engine/deepscan/BigItem.h"
#include "screens/common/controls/ConfirmAlert.h"

namespace tidewell::screens {

class TrashQuestion : public ConfirmAlert {
  Q_OBJECT
 public:
  TrashQuestion(const engine::BigItem& item, QWidget* parent);

  // The item the question is about.
  const engine::BigItem& item() const { return item_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  engine::BigItem item_;
};

}  // namespace tidewell::screens
