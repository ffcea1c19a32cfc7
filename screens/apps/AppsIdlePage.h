#pragma once
// The Apps screen before its first scan: the round "Scan Apps" button over
// one line on what the tool does, centred. The button reports
// scanClicked(). GUI thread only.

#include <QWidget>

namespace tidewell::screens {

class AppsIdlePage : public QWidget {
  Q_OBJECT
 public:
  explicit AppsIdlePage(QWidget* parent = nullptr);

 Q_SIGNALS:
  void scanClicked();
};

}  // namespace tidewell::screens
