#pragma once
// Holds the one page a screen shows for its model's phase, in all its
// room. setPage retires the page before: hidden and taken out at once,
// deleted later, since the click that changed the phase may still be
// running in it; the new page shows at once. The main window's detail
// pane holds the section screens the same way.
//
// The keyboard focus stays in the screen: a page that replaces the one
// holding it gets it on its first control (or, while it has none, on what
// it reads until its first control appears; KeyboardFocus::focusFirst),
// and a focused control that goes away hands it to its nearest neighbour
// in reading order (KeyboardFocus::handOverFocus), never to the window's
// start or to nothing. GUI thread only.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

namespace tidewell::screens {

class PageHost : public QWidget {
  Q_OBJECT
 public:
  explicit PageHost(QWidget* parent = nullptr);

  // Shows page (it becomes a child of the host).
  void setPage(QWidget* page);
  // Shows the page make() builds, unless the page shown was made for key
  // (a phase, a section): a model that announces an unchanged phase keeps
  // its page.
  void setPageFor(int key, const std::function<QWidget*()>& make);
  // The page shown; nullptr before the first.
  QWidget* page() const { return page_; }

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  QPointer<QWidget> page_;
  std::optional<int> key_;
};

}  // namespace tidewell::screens
