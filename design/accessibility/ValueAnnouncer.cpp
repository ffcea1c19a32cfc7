#include "design/accessibility/ValueAnnouncer.h"

#include <QAccessibleValueChangeEvent>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cmath>

#include "design/motion/AnimationClock.h"

namespace tidewell::design {

namespace {
constexpr const char* kName = "tidewellValueAnnouncer";
// A frame or a timer a hair early is not held back a whole interval.
constexpr double kEarlyEnough = 0.001;
}  // namespace

ValueAnnouncer& ValueAnnouncer::of(QWidget* widget) {
  ValueAnnouncer* found = find(widget);
  return found ? *found : *new ValueAnnouncer(widget);
}

ValueAnnouncer* ValueAnnouncer::find(QWidget* widget) {
  return widget ? widget->findChild<ValueAnnouncer*>(QLatin1String(kName), Qt::FindDirectChildrenOnly)
                : nullptr;
}

ValueAnnouncer::ValueAnnouncer(QWidget* widget) : QObject(widget), widget_(widget), later_(new QTimer(this)) {
  setObjectName(QLatin1String(kName));
  later_->setSingleShot(true);
  connect(later_, &QTimer::timeout, this, &ValueAnnouncer::flushPending);
  // A frozen clock moves only by hand: what was held back is due then.
  connect(&AnimationClock::shared(), &AnimationClock::advanced, this, &ValueAnnouncer::flushPending);
  widget_->installEventFilter(this);
  if (widget_->isVisible()) told_ = reading();
}

std::optional<GaugeReading> ValueAnnouncer::reading() const {
  const AccessibleTraits* traits = findAccessibleTraits(widget_);
  if (!traits || !traits->reading) return std::nullopt;
  return traits->reading();
}

bool ValueAnnouncer::eventFilter(QObject* watched, QEvent* event) {
  // What a reader meets as the gauge appears is no change.
  if (watched == widget_ && event->type() == QEvent::Show) {
    told_ = reading();
    pending_ = false;
    later_->stop();
  }
  return QObject::eventFilter(watched, event);
}

void ValueAnnouncer::changed() {
  if (!QAccessible::isActive() || !widget_->isVisible()) return;
  const std::optional<GaugeReading> now = reading();
  if (!now) return;
  if (now == told_) {
    pending_ = false;
    later_->stop();
    return;
  }
  AnimationClock& clock = AnimationClock::shared();
  const double at = clock.now();
  const double wait = toldAt_ ? *toldAt_ + kValueAnnounceInterval - at : 0;
  if (wait <= kEarlyEnough) return announce(*now, at);
  pending_ = true;
  if (!clock.isFrozen() && !later_->isActive()) later_->start(int(std::ceil(wait * 1000)));
}

void ValueAnnouncer::flushPending() {
  if (pending_) changed();
}

void ValueAnnouncer::announce(const GaugeReading& reading, double now) {
  pending_ = false;
  later_->stop();
  told_ = reading;
  toldAt_ = now;
  QAccessibleValueChangeEvent event(widget_, reading.percent);
  QAccessible::updateAccessibility(&event);
}

}  // namespace tidewell::design
