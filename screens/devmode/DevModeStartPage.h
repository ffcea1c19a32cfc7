#pragma once
// The Dev Mode screen before its first scan (and after "Done"): the
// "Scan Dev & AI" circle over two lines on what the section does; the
// circle reports scanClicked(). GUI thread only.

#include <QWidget>

namespace tidewell::screens {

class DevModeStartPage : public QWidget {
  Q_OBJECT
 public:
  explicit DevModeStartPage(QWidget* parent = nullptr);

 Q_SIGNALS:
  void scanClicked();
};

}  // namespace tidewell::screens
