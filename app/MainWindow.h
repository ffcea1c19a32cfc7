#pragma once
// The one main window, "TidewellMac": 1120 x 740 at first, never smaller
// than 1060 x 680, holding the root view. Each time it is shown it stores
// in the bridge the action that opens (or brings forward) the main window,
// so the bridge always holds the action of the window shown last. Closing
// it destroys it with its content; the application then keeps running, and
// the next opening builds a fresh window. Ctrl+Q quits.
// GUI thread only.

#include <QWidget>
#include <functional>

namespace tidewell::app {

class AppBridge;

inline constexpr const char* kMainWindowTitle = "TidewellMac";
inline constexpr QSize kMainWindowSize{1120, 740};
inline constexpr QSize kMainWindowMinimumSize{1060, 680};

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Takes ownership of content. openMainWindow is what the bridge is given
  // on every showing; quit is what Ctrl+Q calls.
  MainWindow(AppBridge& bridge, QWidget* content, std::function<void()> openMainWindow,
             std::function<void()> quit, QWidget* parent = nullptr);

  QWidget* content() const { return content_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AppBridge& bridge_;
  QWidget* content_;
  std::function<void()> openMainWindow_;
};

}  // namespace tidewell::app
