#pragma once
// The tray item's popover: a frameless tool window that shows one fresh
// content view each time it opens and discards it when it closes. It closes
// itself when it loses focus (a click elsewhere), on Escape, or when its
// content asks through the close action it was given. GUI thread only.

#include <QPointer>
#include <QWidget>
#include <functional>

namespace tidewell::app {

class PopoverWindow : public QWidget {
  Q_OBJECT

 public:
  // Builds the content for one showing; close closes the popover and does
  // nothing once the popover is gone. The popover owns what it returns.
  using ContentFactory = std::function<QWidget*(std::function<void()> close)>;

  // A plain dark panel as wide as the popover's content will be; stands in
  // until there is real content.
  static QWidget* placeholderContent(std::function<void()> close);

  explicit PopoverWindow(ContentFactory factory, QWidget* parent = nullptr);

  // Builds fresh content, places the window (see popoverPosition) and shows
  // and activates it.
  void open(const QRect& anchor, const QPoint& cursor);
  // Hides the window and discards its content.
  void dismiss();

  QWidget* content() const { return content_; }

 Q_SIGNALS:
  void closed();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  ContentFactory factory_;
  QPointer<QWidget> content_;
};

}  // namespace tidewell::app
