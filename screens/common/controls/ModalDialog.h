#pragma once
// A window-modal dialog over the main window, the Linux form of a sheet or
// an alert: it blocks its parent window only, opens with open() and never
// spins an event loop of its own. It paints the window background and is a
// shadow host. The display server has its picture before it is mapped, so
// no desktop shows it empty, compositor or not (see FirstFrame). Escape
// cancels (rejected()); Return and Enter do nothing, since no button of a
// confirmation is the default one. It opens holding the focus itself, so a
// stray Space presses nothing: Tab reaches its buttons, and Space presses
// the one that has the focus. GUI thread only.

#include <QDialog>

namespace tidewell::screens {

class ModalDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ModalDialog(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
};

}  // namespace tidewell::screens
