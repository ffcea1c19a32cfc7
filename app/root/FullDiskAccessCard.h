#pragma once
// The sidebar's Full Disk Access item. Granted: one quiet line with a green
// shield. Missing: a card explaining what access unlocks, with "Enable
// Access", which asks for the settings page (enableAccessClicked). The
// owner switches between the two as the permission model publishes.
// GUI thread only.

#include <QWidget>

namespace tidewell::app {

class FullDiskAccessCard : public QWidget {
  Q_OBJECT
 public:
  explicit FullDiskAccessCard(bool granted, QWidget* parent = nullptr);

  bool isGranted() const { return granted_; }
  void setGranted(bool granted);

 Q_SIGNALS:
  void enableAccessClicked();

 private:
  bool granted_;
  QWidget* grantedLine_;
  QWidget* card_;
};

}  // namespace tidewell::app
