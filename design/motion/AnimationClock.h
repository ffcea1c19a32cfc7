#pragma once
// The time every animation reads, and the shared frame ticks that drive
// them. Components compute what to draw from now(), so two of them drawn at
// the same moment agree (equal symbols wobble in step), and every timer of
// one interval shares one QTimer, so they repaint in the same frame.
// Tests and the gallery freeze the clock and move it by hand; ticks then
// come only from advance(). GUI thread only.

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QTimer;

namespace tidewell::design {

class AnimationClock : public QObject {
  Q_OBJECT
 public:
  static AnimationClock& shared();

  // Seconds since 2001-01-01 00:00:00 UTC, the date the motion formulas
  // count from. Real time moves monotonically from the wall clock read at
  // start-up.
  double now() const;

  // Stops real time at seconds; the shared timers pause.
  void freeze(double seconds);
  // Frozen only: moves time on by seconds and delivers one tick to every
  // running frame timer, whatever its interval.
  void advance(double seconds);
  // Back to real time (the wall clock's, not the frozen time's).
  void resume();
  bool isFrozen() const { return frozen_.has_value(); }

  // A member's place on a shared beat (see join()).
  struct Membership {
    int intervalMs = 0;
    QMetaObject::Connection onBeat, onAdvance;
  };
  // Calls tick on every beat of the shared timer of intervalMs, and on
  // every advance(), until the membership is passed to leave(). The caller
  // must leave before context goes away (FrameTimer does).
  Membership join(int intervalMs, QObject* context, const std::function<void()>& tick);
  void leave(Membership& membership);
  // The intervals of the shared timers running now, each once: every
  // animation on one interval is driven by one timer.
  std::vector<int> runningBeats() const;

 Q_SIGNALS:
  void advanced();

 private:
  AnimationClock();
  void syncTimers();

  struct Beat {
    QTimer* timer = nullptr;
    int members = 0;
  };
  QElapsedTimer monotonic_;
  double startSeconds_ = 0;
  std::optional<double> frozen_;
  std::map<int, Beat> beats_;
};

}  // namespace tidewell::design
