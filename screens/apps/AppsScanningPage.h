#pragma once
// The Apps screen while it scans: the header, and centred under it a glow
// card with the pulsing magnifying glass, "Checking your apps…" and the
// progress bar of the scan. GUI thread only.

#include <QWidget>

namespace tidewell::screens {

class ProgressBar;

class AppsScanningPage : public QWidget {
  Q_OBJECT
 public:
  explicit AppsScanningPage(double progress, QWidget* parent = nullptr);

  void setProgress(double progress);

 private:
  ProgressBar* bar_;
};

}  // namespace tidewell::screens
