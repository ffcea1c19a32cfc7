#pragma once
// Stand-ins for the intro's player and clock: a player the test drives by
// hand (ticks, end of item, failure) that logs what the view asks of it,
// and a clock whose time moves only when the test says so.

#include <QPointer>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "app/firstrun/IntroClock.h"
#include "app/firstrun/IntroPlayer.h"

namespace tidewell::app::testing {

class ScriptedPlayer final : public IntroPlayer {
 public:
  explicit ScriptedPlayer(double duration, QStringList* log = nullptr) : duration_(duration), log_(log) {}

  void play() override { note("play"); }
  void pause() override { note("pause"); }
  double durationSeconds() const override { return duration_; }
  QImage currentFrame() const override { return frame_; }

  void setDuration(double seconds) { duration_ = seconds; }
  void setFrame(QImage frame) {
    frame_ = std::move(frame);
    Q_EMIT frameChanged();
  }
  // Ticks every 0.2 s of playback from the last position up to seconds.
  void playUntil(double seconds) {
    while (position_ + 0.2 <= seconds + 1e-9) {
      position_ = std::round((position_ + 0.2) * 1000) / 1000;
      Q_EMIT ticked(position_);
    }
  }
  void end() { Q_EMIT reachedEnd(); }
  void fail() { Q_EMIT failed(); }

 private:
  void note(const char* what) {
    if (log_) *log_ << what;
  }
  double duration_;
  double position_ = 0;
  QStringList* log_;
  QImage frame_;
};

class ManualIntroClock final : public IntroClock {
 public:
  double now() const override { return now_; }
  void after(double seconds, QObject* context, std::function<void()> fn) override {
    pending_.push_back({now_ + seconds, QPointer<QObject>(context), std::move(fn)});
  }
  // Moves time on, running every call that falls due, in due order.
  void advance(double seconds) {
    const double target = now_ + seconds;
    for (;;) {
      auto next = std::min_element(pending_.begin(), pending_.end(),
                                   [](const Call& a, const Call& b) { return a.due < b.due; });
      if (next == pending_.end() || next->due > target + 1e-9) break;
      Call call = std::move(*next);
      pending_.erase(next);
      now_ = std::max(now_, call.due);
      if (call.context) call.fn();
    }
    now_ = target;
  }
  std::size_t pending() const { return pending_.size(); }

 private:
  struct Call {
    double due;
    QPointer<QObject> context;
    std::function<void()> fn;
  };
  double now_ = 1000;
  std::vector<Call> pending_;
};

}  // namespace tidewell::app::testing
