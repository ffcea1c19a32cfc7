#pragma once
// The Dev Mode screen while a scan runs: the pulsing hammer, one line and
// the progress bar (no percentage, no item name). GUI thread only.

#include <QWidget>

namespace tidewell::screens {

class ProgressBar;

class DevModeScanningPage : public QWidget {
  Q_OBJECT
 public:
  explicit DevModeScanningPage(double progress, QWidget* parent = nullptr);

  void setProgress(double fraction);
  double progress() const;

 private:
  ProgressBar* bar_;
};

}  // namespace tidewell::screens
