#include "design/components/CountUpBytes.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "base/ByteCountText.h"
#include "design/accessibility/AccessibleTraits.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/CountUpValue.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"
#include "design/theme/SectionAccent.h"
#include "design/type/MonospacedDigits.h"

namespace tidewell::design {

CountUpBytes::CountUpBytes(int64_t target, double duration, QFont font, QWidget* parent)
    : QWidget(parent),
      target_(target),
      duration_(std::max(0.0, duration)),
      font_(std::move(font)),
      frames_(new FrameTimer(this, kCountUpFrameMs, [this] { onFrame(); })) {
  // Read as the figure it arrives at, not each step of the count.
  AccessibleTraits& traits = accessibleTraits(this);
  traits.role = QAccessible::StaticText;
  traits.name = [this] { return QString::fromStdString(platform::byteCountText(target_)); };
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CountUpBytes::setColor(std::optional<QColor> color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void CountUpBytes::setTarget(int64_t target) {
  if (target == target_) return;
  if (startDate_) {
    from_ = shownBytes();
    startDate_ = AnimationClock::shared().now();
    finished_ = reduceMotion();
    frames_->setWanted(!finished_);
  }
  target_ = target;
  // As wide as the new final text.
  updateGeometry();
  update();
  accessibleNameChanged(this);
}

void CountUpBytes::setAlignment(Qt::Alignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  update();
}

void CountUpBytes::setMinimumScale(double scale) {
  scale = std::clamp(scale, 0.01, 1.0);
  if (scale == minimumScale_) return;
  minimumScale_ = scale;
  update();
}

double CountUpBytes::fontScale() const {
  if (minimumScale_ >= 1) return 1;
  // Scaled for the final count, so the size holds still while it counts.
  const double natural =
      monospacedDigitsWidth(font_, QString::fromStdString(platform::byteCountText(target_)));
  if (natural <= width() || natural <= 0) return 1;
  return std::max(minimumScale_, width() / natural);
}

int64_t CountUpBytes::shownBytes() const {
  if (finished_ || reduceMotion()) return std::max<int64_t>(target_, 0);
  std::optional<double> elapsed;
  if (startDate_) elapsed = AnimationClock::shared().now() - *startDate_;
  return countUpShownBytes(from_, target_, countUpFraction(elapsed, duration_));
}

QString CountUpBytes::text() const { return QString::fromStdString(platform::byteCountText(shownBytes())); }

bool CountUpBytes::isAnimating() const { return frames_->isActive(); }

QSize CountUpBytes::sizeHint() const {
  // As wide as the final text, so the count does not push its neighbours.
  const QString widest = QString::fromStdString(platform::byteCountText(target_));
  return {int(std::ceil(monospacedDigitsWidth(font_, widest))) + 2,
          int(std::ceil(QFontMetricsF(font_).height()))};
}

void CountUpBytes::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window coming back from the Dock is not a new showing.
  if (event->spontaneous()) return;
  startDate_ = AnimationClock::shared().now();
  from_ = 0;
  finished_ = reduceMotion();
  frames_->setWanted(!finished_);
  update();
}

void CountUpBytes::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  // Gone from the screen: the next showing counts from 0 again.
  startDate_.reset();
  from_ = 0;
  finished_ = false;
  frames_->setWanted(false);
}

void CountUpBytes::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font = font_;
  if (const double scale = fontScale(); scale < 1) font.setPointSizeF(font_.pointSizeF() * scale);
  painter.setFont(font);
  painter.setPen(color_ ? *color_ : SectionAccent::of(this).primary);
  drawMonospacedDigits(painter, QRectF(rect()), alignment_, text());
}

void CountUpBytes::onFrame() {
  update();
  if (reduceMotion() ||
      (startDate_ && AnimationClock::shared().now() - *startDate_ >= duration_ + kCountUpTail)) {
    finished_ = true;
    frames_->setWanted(false);
  }
}

}  // namespace tidewell::design
