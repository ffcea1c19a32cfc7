#pragma once
// About shown over the main window: a layer covering the whole window (its
// parent), dimming it and taking every click, with the About content
// centred on it. It reads as a dialog named "About Tidewell Mac" and opens
// with the keyboard focus on the content's first control (the sheet itself
// is no Tab stop). "Done" or Escape hides the sheet and announces
// dismissed(); present() shows it again. The sheet follows the window's
// size. Owned by the window (its parent). GUI thread only.

#include <QWidget>

#include "app/about/AboutView.h"

namespace tidewell::app {

class AboutSheet : public QWidget {
  Q_OBJECT
 public:
  explicit AboutSheet(QWidget* window, AboutView::Opener open = AboutView::desktopOpener());

  AboutView* view() const { return view_; }
  // Covers the window, above everything in it, and takes the keyboard (its
  // first control has the focus).
  void present();
  void dismiss();

 Q_SIGNALS:
  void dismissed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  AboutView* view_;
};

}  // namespace tidewell::app
