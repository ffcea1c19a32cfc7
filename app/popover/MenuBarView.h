#pragma once
// The content of the tray popover: a glance at the home volume (health,
// used donut, free space, what was won back so far) and four ways into the
// main window: "Scan My Mac", a quick card per tool section, and "Open full
// app". It reaches the window only through the bridge.
//
// The host builds a fresh view for every showing: it starts at the initial
// figures (0 free of 1 byte) and measures the volume each time it is shown.
// Every button first closes the popover and only then makes its request:
// the click handler only queues both (close, then request), so nothing of
// the view runs after the host has closed and perhaps deleted it, and the
// request runs whatever became of the view. Once a button was used the view
// ignores further clicks.
//
// Owns its child widgets; shares the settings store. GUI thread only.

#include <QWidget>
#include <functional>
#include <memory>

#include "app/popover/PopoverFigures.h"
#include "models/VolumeModel.h"

namespace tidewell::models {
class SettingsStore;
}

namespace tidewell::app {

class AppBridge;
class HealthLine;
class VolumeCard;

class MenuBarView : public QWidget {
  Q_OBJECT
 public:
  struct Sources {
    // The home volume; absent when it cannot be read.
    models::VolumeModel::VolumeReader readVolume;
    // "totalFreedBytes", watched while the view lives.
    std::shared_ptr<models::SettingsStore> settings;
  };

  // bridge outlives the view; close hides the popover (the host may delete
  // the view from it, or later).
  MenuBarView(AppBridge& bridge, Sources sources, std::function<void()> close, VolumeFigures initial = {},
              QWidget* parent = nullptr);

  const VolumeFigures& figures() const { return figures_; }
  int64_t totalFreedBytes() const;

  // Measures the volume; only a reading with a total of at least 1 replaces
  // the figures, anything else leaves them as they are.
  void refreshVolume();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Closes the popover, then runs request, both later from the event loop.
  void closeThen(std::function<void()> request);
  void updateFigures();

  AppBridge* bridge_;
  Sources sources_;
  std::function<void()> close_;
  VolumeFigures figures_;
  bool closing_ = false;
  HealthLine* health_;
  VolumeCard* volume_;
};

}  // namespace tidewell::app
