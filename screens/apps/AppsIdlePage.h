#pragma once
// The Apps screen before its first scan: the round "Scan Apps" button over
// one line on what the tool does, centred. GUI thread only.

#include <QWidget>
#include <functional>

namespace tidewell::screens {

class AppsIdlePage : public QWidget {
  Q_OBJECT
 public:
  explicit AppsIdlePage(std::function<void()> scan, QWidget* parent = nullptr);
};

}  // namespace tidewell::screens
