#include "screens/common/views/Spinner.h"

#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::screens {

namespace {
constexpr int kSpokes = 12;
constexpr int kStepMs = 1000 / kSpokes;
}  // namespace

double spinnerDiameter(ControlSize size) {
  switch (size) {
    case ControlSize::regular:
      return 32;
    case ControlSize::small:
      return 16;
    case ControlSize::mini:
      return 10;
  }
  return 16;
}

double spinnerSpokeOpacity(int spoke, int lead, int count) {
  if (count <= 1) return 1;
  const int behind = ((lead - spoke) % count + count) % count;
  return 1.0 - 0.8 * double(behind) / double(count - 1);
}

int spinnerLead(double seconds, int count) {
  if (!std::isfinite(seconds) || seconds < 0 || count <= 0) return 0;
  return int(std::fmod(std::floor(seconds * count), double(count)));
}

void paintSpinner(QPainter& painter, const QRectF& rect, const QColor& tint, int lead) {
  const double side = std::min(rect.width(), rect.height());
  const QPointF centre = rect.center();
  const double outer = side / 2;
  const double inner = outer * 0.48;
  const double width = std::max(1.0, side * 0.09);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < kSpokes; ++i) {
    const double angle = 2 * M_PI * i / kSpokes;
    const QPointF direction(std::sin(angle), -std::cos(angle));
    QPen pen(design::Color::withOpacity(tint, tint.alphaF() * spinnerSpokeOpacity(i, lead, kSpokes)), width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(centre + direction * (inner + width / 2), centre + direction * (outer - width / 2));
  }
  painter.restore();
}

Spinner::Spinner(ControlSize size, std::optional<QColor> tint, QWidget* parent)
    : QWidget(parent), size_(size), tint_(tint), frames_(new design::FrameTimer(this, kStepMs)) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  frames_->setWanted(true);
  // The title beside it says what is under way.
  design::setHiddenFromAccessibility(this);
}

QColor Spinner::currentTint() const { return tint_ ? *tint_ : design::SectionAccent::of(this).primary; }

bool Spinner::isTurning() const { return frames_->isActive(); }

QSize Spinner::sizeHint() const {
  const int side = int(std::ceil(spinnerDiameter(size_)));
  return {side, side};
}

void Spinner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int lead = design::reduceMotion() ? 0 : spinnerLead(design::AnimationClock::shared().now(), kSpokes);
  const double side = spinnerDiameter(size_);
  const QRectF box(QRectF(rect()).center() - QPointF(side / 2, side / 2), QSizeF(side, side));
  paintSpinner(painter, box, currentTint(), lead);
}

}  // namespace tidewell::screens
