#include "design/symbols/SymbolEffect.h"

#include <QEvent>
#include <QWidget>

#include "design/motion/MotionPreference.h"
#include "design/symbols/SymbolEffectCurves.h"

namespace tidewell::design {

SymbolEffect::SymbolEffect(Kind kind, QWidget* target, int layerCount)
    : QObject(target), kind_(kind), target_(target), layerCount_(std::max(1, layerCount)) {
  timer_.setInterval(16);
  connect(&timer_, &QTimer::timeout, this, &SymbolEffect::tick);
  if (target_) target_->installEventFilter(this);
}

void SymbolEffect::start() {
  running_ = true;
  clock_.start();
  syncTimer();
  if (target_) target_->update();
}

void SymbolEffect::stop() {
  running_ = false;
  syncTimer();
  if (target_) target_->update();
}

SymbolFrame SymbolEffect::frame() const {
  if (!running_ || reduceMotion()) return {};
  return frameAt(clock_.elapsed() / 1000.0);
}

SymbolFrame SymbolEffect::frameAt(double seconds) const {
  SymbolFrame f;
  switch (kind_) {
    case Kind::Pulse:
      f.opacity = pulseOpacity(seconds);
      break;
    case Kind::Bounce:
      f.scale = bounceScale(seconds);
      break;
    case Kind::VariableColor:
      for (int i = 0; i < layerCount_; ++i)
        f.layerOpacity.push_back(variableColorOpacity(seconds, i, layerCount_));
      break;
  }
  return f;
}

bool SymbolEffect::eventFilter(QObject* watched, QEvent* event) {
  if (watched == target_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) syncTimer();
  return QObject::eventFilter(watched, event);
}

void SymbolEffect::tick() {
  if (kind_ == Kind::Bounce && clock_.elapsed() / 1000.0 >= kBounceDuration) running_ = false;
  if (target_) target_->update();
  syncTimer();
}

void SymbolEffect::syncTimer() {
  // Frames only while there is something to animate and someone to see it.
  const bool animate = running_ && !reduceMotion() && target_ && target_->isVisible();
  if (animate && !timer_.isActive()) timer_.start();
  if (!animate && timer_.isActive()) timer_.stop();
}

}  // namespace tidewell::design
