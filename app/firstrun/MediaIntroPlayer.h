#pragma once
// The intro player on QtMultimedia: a QMediaPlayer with no audio output
// (muted) decoding into a QVideoSink; frames are kept as images for the
// view to paint, the last one staying after the end. Ticks come from a
// 0.2 s timer while playing.
//
// The first player of the process picks Qt's ffmpeg media backend unless
// QT_MEDIA_BACKEND names another: on Debian it needs nothing beyond Qt's own
// multimedia library, while the GStreamer backend crashes when GStreamer's
// base plugins are missing. Without the chosen backend's plugin there is no
// player (Qt would abort the process).
// GUI thread only.

#include <QString>
#include <functional>
#include <memory>

#include "app/firstrun/IntroPlayer.h"

class QMediaPlayer;
class QTimer;
class QVideoFrame;
class QVideoSink;

namespace tidewell::app {

class MediaIntroPlayer final : public IntroPlayer {
  Q_OBJECT
 public:
  // A player for file; none when the file is missing or no media backend
  // is installed.
  static std::unique_ptr<IntroPlayer> create(const QString& file);
  // What makes the first create() for file quick: loading the chosen
  // backend's library and the media libraries it links (seconds from a
  // cold disk), to be run on a worker thread. Empty when create() would
  // make no player. The backend is chosen here, on the GUI thread.
  static std::function<void()> backendLoader(const QString& file);
  ~MediaIntroPlayer() override;

  void play() override;
  void pause() override;
  double durationSeconds() const override;
  QImage currentFrame() const override { return frame_; }

 private:
  MediaIntroPlayer();
  void takeFrame(const QVideoFrame& frame);

  QVideoSink* sink_;
  QMediaPlayer* player_;
  QTimer* ticks_;
  QImage frame_;
  bool failed_ = false;
};

}  // namespace tidewell::app
