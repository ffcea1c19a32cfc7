#pragma once
// The muted player of the intro video, as the intro view sees it: play,
// pause, the item's length, the picture to show, and what playback reports.
// Production plays the bundled file through QtMultimedia
// (MediaIntroPlayer); tests script one. The view owns its player.
// GUI thread only.

#include <QImage>
#include <QObject>

namespace tidewell::app {

class IntroPlayer : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  ~IntroPlayer() override;

  virtual void play() = 0;
  virtual void pause() = 0;
  // The item's length in seconds: NaN while it is not known yet; it may
  // also be 0 or infinite.
  virtual double durationSeconds() const = 0;
  // The picture on screen now; null before the first frame. At the item's
  // end the last frame stays.
  virtual QImage currentFrame() const = 0;

 Q_SIGNALS:
  // Every 0.2 s of playback, with the position reached in seconds.
  void ticked(double positionSeconds);
  // The item played to its end.
  void reachedEnd();
  void frameChanged();
  // The item cannot be played here (unreadable file, no decoder).
  void failed();
};

}  // namespace tidewell::app
