#include "screens/smartscan/SegmentedScanRing.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/Color.h"

namespace tidewell::screens {

namespace {

// The circle from fraction start to end, clockwise from twelve o'clock.
QPainterPath arcPath(const QRectF& ringRect, const ArcSpan& arc) {
  QPainterPath path;
  const double from = 90.0 - 360.0 * arc.start;
  path.arcMoveTo(ringRect, from);
  path.arcTo(ringRect, from, -360.0 * arc.length());
  return path;
}

QPen arcPen(const QColor& colour, double lineWidth) {
  QPen pen(colour, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
  pen.setMiterLimit(10);
  return pen;
}

QPainterPath strokedArc(const QRectF& ringRect, const ArcSpan& arc, double lineWidth) {
  QPainterPathStroker stroker;
  stroker.setWidth(lineWidth);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::MiterJoin);
  stroker.setMiterLimit(10);
  return stroker.createStroke(arcPath(ringRect, arc));
}

// A fill as the ring animates it: the drawing rule's range, NaN as nothing.
double drawnFill(double fill) { return std::isnan(fill) ? 0.0 : std::clamp(fill, 0.0, 1.0); }

}  // namespace

std::vector<SegmentArcs> scanRingArcs(const std::vector<ScanRingSegment>& segments) {
  std::vector<SegmentArcs> arcs;
  const int count = int(segments.size());
  arcs.reserve(segments.size());
  for (int i = 0; i < count; ++i)
    arcs.push_back(segmentArcs(count, i, segments[i].fill, segments[i].warming));
  return arcs;
}

design::Shadow scanRingFillShadow(const QColor& color) {
  return {design::Color::withOpacity(color, 0.45), 8, QPointF()};
}

void paintScanRingShadows(QPainter& painter, const QRectF& ringRect,
                          const std::vector<ScanRingSegment>& segments, double lineWidth) {
  const std::vector<SegmentArcs> arcs = scanRingArcs(segments);
  for (size_t i = 0; i < arcs.size(); ++i) {
    if (arcs[i].mark != SegmentMark::fill) continue;
    design::drawShadow(painter, strokedArc(ringRect, arcs[i].markArc, lineWidth),
                       scanRingFillShadow(segments[i].color));
  }
}

void paintScanRingBody(QPainter& painter, const QRectF& ringRect,
                       const std::vector<ScanRingSegment>& segments, double lineWidth) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  const std::vector<SegmentArcs> arcs = scanRingArcs(segments);
  for (size_t i = 0; i < arcs.size(); ++i) {
    const SegmentArcs& arc = arcs[i];
    if (arc.track.length() > 0) {
      painter.setPen(arcPen(design::Color::white(0.07), lineWidth));
      painter.drawPath(arcPath(ringRect, arc.track));
    }
    if (arc.mark == SegmentMark::none) continue;
    const QColor colour = arc.mark == SegmentMark::warming
                              ? design::Color::withOpacity(segments[i].color, 0.3)
                              : design::Color::withOpacity(segments[i].color, 1.0);
    painter.setPen(arcPen(colour, lineWidth));
    painter.drawPath(arcPath(ringRect, arc.markArc));
  }
  painter.restore();
}

void paintScanRing(QPainter& painter, const QRectF& ringRect, const std::vector<ScanRingSegment>& segments,
                   double lineWidth) {
  paintScanRingShadows(painter, ringRect, segments, lineWidth);
  paintScanRingBody(painter, ringRect, segments, lineWidth);
}

SegmentedScanRing::SegmentedScanRing(double diameter, double lineWidth, QWidget* parent)
    : QWidget(parent),
      diameter_(diameter),
      lineWidth_(lineWidth),
      frames_(new design::FrameTimer(this, design::kTransitionFrameMs, [this] { onFrame(); })) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  design::ShadowLayer::track(this);
  // Read as the share of the whole scan done: the mean of the fills.
  design::setAccessibleReading(this, [this] {
    double sum = 0;
    for (const ScanRingSegment& segment : segments_) sum += std::clamp(segment.fill, 0.0, 1.0);
    return design::percentReading(segments_.empty() ? 0.0 : sum / double(segments_.size()));
  });
}

std::vector<ScanRingSegment> SegmentedScanRing::shownSegments() const {
  std::vector<ScanRingSegment> shown = segments_;
  const double now = design::AnimationClock::shared().now();
  for (size_t i = 0; i < shown.size() && i < fills_.size(); ++i)
    if (!fills_[i].isSettled(now)) shown[i].fill = fills_[i].value(now);
  return shown;
}

void SegmentedScanRing::setSegments(std::vector<ScanRingSegment> segments, bool animated) {
  const double now = design::AnimationClock::shared().now();
  const bool move = animated && !design::reduceMotion() && segments.size() == fills_.size();
  if (!move) fills_.assign(segments.size(), design::Transition::easeOut(kScanRingFillSeconds));
  for (size_t i = 0; i < segments.size(); ++i) {
    const double target = drawnFill(segments[i].fill);
    if (move)
      fills_[i].retarget(target, now);
    else
      fills_[i].jump(target);
  }
  segments_ = std::move(segments);
  onFrame();
  design::accessibleValueChanged(this);
}

bool SegmentedScanRing::isAnimating() const { return frames_->isActive(); }

void SegmentedScanRing::setCenter(QWidget* center) {
  if (center_) center_->deleteLater();
  center_ = center;
  if (center_) {
    center_->setParent(this);
    center_->show();
    placeCenter();
  }
}

QSize SegmentedScanRing::sizeHint() const {
  const int side = int(std::ceil(diameter_ + lineWidth_));
  return {side, side};
}

QRectF SegmentedScanRing::ringRect() const {
  const QPointF c = QRectF(rect()).center();
  return {c.x() - diameter_ / 2, c.y() - diameter_ / 2, diameter_, diameter_};
}

void SegmentedScanRing::paintShadows(QPainter& painter) const {
  paintScanRingShadows(painter, ringRect(), shownSegments(), lineWidth_);
}

QRectF SegmentedScanRing::shadowArea() const {
  const double half = lineWidth_ / 2;
  // Every fill glows with the same reach, whatever its colour.
  return design::shadowBounds(ringRect().adjusted(-half, -half, half, half), scanRingFillShadow(Qt::white));
}

void SegmentedScanRing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const std::vector<ScanRingSegment> shown = shownSegments();
  if (!design::ShadowLayer::hostOf(this)) paintScanRingShadows(painter, ringRect(), shown, lineWidth_);
  paintScanRingBody(painter, ringRect(), shown, lineWidth_);
}

void SegmentedScanRing::resizeEvent(QResizeEvent*) { placeCenter(); }

// A centre whose content changes asks for a new size.
bool SegmentedScanRing::event(QEvent* event) {
  if (event->type() == QEvent::LayoutRequest) placeCenter();
  return QWidget::event(event);
}

void SegmentedScanRing::placeCenter() {
  if (!center_) return;
  const QSize hint = center_->sizeHint().expandedTo(center_->minimumSize()).boundedTo(size());
  center_->setGeometry(QRect(QPoint((width() - hint.width()) / 2, (height() - hint.height()) / 2), hint));
}

void SegmentedScanRing::onFrame() {
  update();
  design::ShadowLayer::refresh(this);
  const double now = design::AnimationClock::shared().now();
  bool moving = false;
  for (const design::Transition& fill : fills_) moving = moving || !fill.isSettled(now);
  frames_->setWanted(moving);
}

}  // namespace tidewell::screens
