#pragma once
// The Dev Mode screen before its first scan (and after "Done"): the
// "Scan Dev & AI" circle over two lines on what the section does. GUI
// thread only.

#include <QWidget>
#include <functional>

namespace tidewell::screens {

class DevModeStartView : public QWidget {
  Q_OBJECT
 public:
  explicit DevModeStartView(std::function<void()> onScan, QWidget* parent = nullptr);
};

}  // namespace tidewell::screens
