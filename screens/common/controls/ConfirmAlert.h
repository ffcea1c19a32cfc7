#pragma once
// The confirmation asked before a step the user might regret ("Move to
// Trash?", "Delete this Simulator runtime?"): a window-modal dialog with a
// title, a message and two buttons, "Cancel" and the destructive action in
// red. Confirming reports confirmed() and closes; "Cancel", Escape or the
// window's close button report cancelled() and close. Either way the
// dialog reports closed() last, once, and deletes itself. Return presses
// nothing. GUI thread only.

#include <QColor>

#include "screens/common/controls/ModalDialog.h"

namespace tidewell::screens {

class TextLabel;

class ConfirmAlert : public ModalDialog {
  Q_OBJECT
 public:
  ConfirmAlert(QString title, QString message, QString confirmTitle, QColor destructiveRed,
               QWidget* parent = nullptr);

  QString title() const;
  QString message() const;

 Q_SIGNALS:
  void confirmed();
  void cancelled();
  void closed();

 private:
  TextLabel* title_;
  TextLabel* message_;
  bool reported_ = false;
};

}  // namespace tidewell::screens
