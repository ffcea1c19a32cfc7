#pragma once
// The intro's player, made ready while the welcome card shows, so that
// "Get Started" answers at once rather than after the media backend loads.
// A warm-up (loading the backend's libraries, seconds from a cold disk)
// runs on a worker thread first; then, back on the GUI thread, where
// QtMultimedia's objects must live, the player is made from the event loop.
// A player asked for before that is made on the spot, once the worker is
// done. GUI thread only, but for the warm-up.

#include <QObject>
#include <functional>
#include <memory>

#include "app/firstrun/IntroRevealView.h"

class QThread;

namespace tidewell::app {

class IntroPlayer;

class IntroPreparation : public QObject {
  Q_OBJECT
 public:
  explicit IntroPreparation(IntroRevealView::PlayerFactory makePlayer, QObject* parent = nullptr);
  // Waits for a warm-up under way.
  ~IntroPreparation() override;

  // Runs warmUp (may be empty) on a worker thread, then makes the player.
  // Only the first call does anything.
  void start(std::function<void()> warmUp);
  // The player has been made (it may be none: nothing to play).
  bool isReady() const { return made_; }
  // The player, for the intro view to own: the one made ready, else one
  // made now. Later calls give none.
  std::unique_ptr<IntroPlayer> take();

 Q_SIGNALS:
  void ready();

 private:
  void makePlayer();

  IntroRevealView::PlayerFactory makePlayer_;
  QThread* worker_ = nullptr;
  std::unique_ptr<IntroPlayer> player_;
  bool started_ = false;
  bool made_ = false;
  bool taken_ = false;
};

}  // namespace tidewell::app
