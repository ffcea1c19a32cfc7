#pragma once
// The intro overlay of the first run: the muted intro video on black,
// covering the whole window. Shortly before the video ends it announces
// revealed() (the root view fades the app in over 3 s), fades itself out
// over 2.5 s, and 3 s after the reveal pauses the player and announces
// done() (the root view removes it).
//
// The reveal happens exactly once, at the first of: a tick within 2 s of
// the item's end (an item whose length is unknown, zero or infinite never
// reveals this way), the end of the item, a failure to play it, or a 12 s
// watchdog from the start. Without a player (no video, no working media
// backend) revealed() and done() follow one another at once, from the
// event loop, with no fade. Playback starts when the view is first shown.
//
// Owns its player. GUI thread only.

#include <QMetaObject>
#include <QWidget>
#include <functional>
#include <memory>

namespace tidewell::app {

class IntroClock;
class IntroPlayer;

class IntroRevealView : public QWidget {
  Q_OBJECT
 public:
  // Makes the player when playback starts; none means there is nothing to play.
  using PlayerFactory = std::function<std::unique_ptr<IntroPlayer>()>;

  static constexpr double kTickInterval = 0.2;
  static constexpr double kRevealLead = 2.0;
  static constexpr double kWatchdog = 12.0;
  static constexpr double kFadeOut = 2.5;
  static constexpr double kDoneAfterReveal = 3.0;

  // The bundled video through QtMultimedia, on the system clock.
  static PlayerFactory bundledVideo();

  IntroRevealView(PlayerFactory makePlayer, std::shared_ptr<IntroClock> clock, QWidget* parent = nullptr);
  ~IntroRevealView() override;

  // The view's own opacity now: 1 until the reveal, then easing to 0 over
  // 2.5 s.
  double opacity() const;
  bool isRevealed() const { return revealed_; }
  bool isDone() const { return done_; }
  // The player, once playback has started (none without a video).
  IntroPlayer* player() const { return player_; }

 Q_SIGNALS:
  void revealed();
  void done();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void startPlayback();
  void tick(double positionSeconds);
  void reveal();
  void finish();

  PlayerFactory makePlayer_;
  std::shared_ptr<IntroClock> clock_;
  IntroPlayer* player_ = nullptr;
  QMetaObject::Connection ticks_;
  QTimer* repaint_;
  bool started_ = false;
  bool revealed_ = false;
  bool done_ = false;
  double revealedAt_ = 0;
};

}  // namespace tidewell::app
