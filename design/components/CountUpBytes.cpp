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
  traits.name = [this] { return QString::fromStdString(base::byteCountText(target_)); };
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
    setFrom(shownBytes());
    startDate_ = AnimationClock::shared().now();
    finished_ = reduceMotion();
    frames_->setWanted(!finished_);
  }
  target_ = target;
  // As wide as the texts of the new count.
  widestTextWidth_.reset();
  updateGeometry();
  update();
  accessibleNameChanged(this);
}

void CountUpBytes::setFrom(int64_t from) {
  if (from == from_) return;
  from_ = from;
  widestTextWidth_.reset();
  updateGeometry();
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
  const double natural = monospacedDigitsWidth(font_, QString::fromStdString(base::byteCountText(target_)));
  const double scale = natural <= width() || natural <= 0 ? 1 : std::max(minimumScale_, width() / natural);
  // A wider text on the way shrinks further, into the margin sizeHint()
  // gives, rather than be cut.
  const double shown = monospacedDigitsWidth(font_, text());
  if (shown * scale <= width()) return scale;
  return std::max(minimumScale_, (width() - 2) / shown);
}

double CountUpBytes::widestTextWidth() const {
  if (!widestTextWidth_) {
    double widest = 0;
    for (int64_t count : base::byteCountTextForms(0, std::max(from_, target_)))
      widest =
          std::max(widest, monospacedDigitsWidth(font_, QString::fromStdString(base::byteCountText(count))));
    widestTextWidth_ = widest;
  }
  return *widestTextWidth_;
}

int64_t CountUpBytes::shownBytes() const {
  if (finished_ || reduceMotion()) return std::max<int64_t>(target_, 0);
  std::optional<double> elapsed;
  if (startDate_) elapsed = AnimationClock::shared().now() - *startDate_;
  return countUpShownBytes(from_, target_, countUpFraction(elapsed, duration_));
}

QString CountUpBytes::text() const { return QString::fromStdString(base::byteCountText(shownBytes())); }

bool CountUpBytes::isAnimating() const { return frames_->isActive(); }

QSize CountUpBytes::sizeHint() const {
  // As wide as the widest text of the count, so no frame is cut and the
  // count does not push its neighbours. Wider than the final text by an
  // even number of pixels, also where the width is capped: a layout that
  // centres the counter then puts the final text on the very pixels it
  // would take in a counter only as wide as itself.
  const int final =
      int(std::ceil(monospacedDigitsWidth(font_, QString::fromStdString(base::byteCountText(target_))))) + 2;
  int width = std::max(final, int(std::ceil(widestTextWidth())) + 2);
  if (width > maximumWidth() && final < maximumWidth()) width = maximumWidth();
  width -= (width - final) % 2;
  return {width, int(std::ceil(QFontMetricsF(font_).height()))};
}

void CountUpBytes::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window coming back from the Dock is not a new showing.
  if (event->spontaneous()) return;
  startDate_ = AnimationClock::shared().now();
  setFrom(0);
  finished_ = reduceMotion();
  frames_->setWanted(!finished_);
  update();
}

void CountUpBytes::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  // Gone from the screen: the next showing counts from 0 again.
  startDate_.reset();
  setFrom(0);
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
