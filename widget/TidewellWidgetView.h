#pragma once
// The widget on the desktop: draws one entry in its family at the family's
// fixed size. A click, or Space or Return while it has the focus, opens the
// scan link; dragging moves the window; the context menu offers "Close"
// only. It reads to assistive technology as one link (WidgetAccessible)
// and shows a focus ring while it has the focus from the keyboard. GUI
// thread; the view owns nothing but its entry and opener.

#include <QPoint>
#include <QWidget>
#include <memory>

#include "widget/LinkOpener.h"
#include "widget/timeline/SpaceEntry.h"
#include "widget/timeline/WidgetFamily.h"

class QMenu;

namespace tidewell::widget {

class TidewellWidgetView : public QWidget {
  Q_OBJECT
 public:
  explicit TidewellWidgetView(WidgetFamily family, LinkOpener opener = desktopLinkOpener(),
                              QWidget* parent = nullptr);

  WidgetFamily family() const { return family_; }
  const SpaceEntry& entry() const { return entry_; }
  void setEntry(const SpaceEntry& entry);

  // The context menu, with its one "Close" action wired to close the view.
  std::unique_ptr<QMenu> makeContextMenu();
  // What a click does.
  void openScanLink();
  // Whether the focus ring is drawn: the view has the focus and the last
  // input was a key.
  bool showsFocusRing() const { return hasFocus() && keyboard_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  WidgetFamily family_;
  LinkOpener opener_;
  SpaceEntry entry_;
  bool pressed_ = false;
  bool dragging_ = false;
  bool keyboard_ = false;
  QPoint pressPosition_;  // in the view, where the left button went down
};

}  // namespace tidewell::widget
