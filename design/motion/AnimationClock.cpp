#include "design/motion/AnimationClock.h"

#include <QDateTime>
#include <QTimer>

namespace tidewell::design {

namespace {
// 2001-01-01 00:00:00 UTC in Unix seconds.
constexpr double kReferenceDate = 978307200.0;
}  // namespace

AnimationClock& AnimationClock::shared() {
  static AnimationClock* clock = new AnimationClock;  // lives for the process
  return *clock;
}

AnimationClock::AnimationClock() {
  startSeconds_ = QDateTime::currentMSecsSinceEpoch() / 1000.0 - kReferenceDate;
  monotonic_.start();
}

double AnimationClock::now() const {
  if (frozen_) return *frozen_;
  return startSeconds_ + monotonic_.nsecsElapsed() / 1e9;
}

void AnimationClock::freeze(double seconds) {
  frozen_ = seconds;
  syncTimers();
}

void AnimationClock::advance(double seconds) {
  if (!frozen_) return;
  *frozen_ += seconds;
  Q_EMIT advanced();
}

void AnimationClock::resume() {
  if (!frozen_) return;
  frozen_.reset();
  syncTimers();
}

AnimationClock::Membership AnimationClock::join(int intervalMs, QObject* context,
                                                const std::function<void()>& tick) {
  Beat& beat = beats_[intervalMs];
  if (!beat.timer) {
    beat.timer = new QTimer(this);
    beat.timer->setInterval(intervalMs);
  }
  ++beat.members;
  syncTimers();
  return {intervalMs, connect(beat.timer, &QTimer::timeout, context, tick),
          connect(this, &AnimationClock::advanced, context, tick)};
}

void AnimationClock::leave(Membership& membership) {
  const bool joined = disconnect(membership.onBeat);
  disconnect(membership.onAdvance);
  const int interval = membership.intervalMs;
  membership = {};
  if (!joined) return;
  auto it = beats_.find(interval);
  if (it == beats_.end()) return;
  --it->second.members;
  syncTimers();
}

std::vector<int> AnimationClock::runningBeats() const {
  std::vector<int> running;
  for (const auto& [interval, beat] : beats_) {
    if (beat.timer->isActive()) running.push_back(interval);
  }
  return running;
}

void AnimationClock::syncTimers() {
  for (auto& [interval, beat] : beats_) {
    const bool run = beat.members > 0 && !frozen_;
    if (run && !beat.timer->isActive()) beat.timer->start();
    if (!run && beat.timer->isActive()) beat.timer->stop();
  }
}

}  // namespace tidewell::design
