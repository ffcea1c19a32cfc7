#pragma once
// The Deep Scan screen while a scan runs: the header, then centred the
// pulsing "scope" symbol, two lines and the progress bar ("scanProgress")
// of the fraction of big-item candidates measured. GUI thread only.

#include <QWidget>

namespace tidewell::screens {

class ProgressBar;

class DeepScanScanningPage : public QWidget {
  Q_OBJECT
 public:
  explicit DeepScanScanningPage(double progress, QWidget* parent = nullptr);

  void setProgress(double progress);

 private:
  ProgressBar* progress_;
};

}  // namespace tidewell::screens
