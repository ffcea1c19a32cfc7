#include "design/AmbientBackground.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "design/AmbientWash.h"
#include "design/AnimationClock.h"
#include "design/BackdropFrame.h"
#include "design/FrameTimer.h"
#include "design/MotionPreference.h"
#include "design/NoiseOverlay.h"
#include "design/ShadowLayer.h"
#include "design/accessibility/AccessibleTraits.h"

namespace tidewell::design {

namespace {

QSize washPixels(const QSizeF& size) {
  return {std::max(1, int(std::ceil(size.width() * kWashResolution))),
          std::max(1, int(std::ceil(size.height() * kWashResolution)))};
}

QImage renderWash(QSize pixels, const SectionPalette& accent, double t) {
  QImage image(pixels, QImage::Format_RGB32);
  QPainter p(&image);
  paintAmbientWash(p, QRectF(QPointF(0, 0), QSizeF(pixels)), accent, t, kWashResolution);
  return image;
}

// The frame for an area of size points at dpr: the wash of that size,
// stretched to the area's device pixels with the grain added.
QImage backdropFrame(const QSizeF& size, double dpr, const SectionPalette& accent, double t) {
  const QSize pixels(std::max(1, int(std::ceil(size.width() * dpr - 1e-6))),
                     std::max(1, int(std::ceil(size.height() * dpr - 1e-6))));
  QImage frame = composeBackdrop(renderWash(washPixels(size), accent, t), pixels, dpr / kWashResolution,
                                 grainTileImage(dpr));
  frame.setDevicePixelRatio(dpr);
  return frame;
}

double deviceRatio(const QPainter& painter) {
  return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

}  // namespace

double ambientTime(bool reduceMotion, double now) {
  if (reduceMotion) return 0.0;
  const double frame = kWashFrameMs / 1000.0;
  return std::floor(now / frame) * frame;
}

void paintAmbientBackground(QPainter& painter, const QRectF& rect, const SectionPalette& accent, double t) {
  painter.drawImage(rect.topLeft(), backdropFrame(rect.size(), deviceRatio(painter), accent, t));
}

AmbientBackground::AmbientBackground(SectionPalette accent, QWidget* parent)
    : QWidget(parent), accent_(std::move(accent)), frames_(new FrameTimer(this, kWashFrameMs)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setHiddenFromAccessibility(this);
  ShadowLayer::makeHost(this);
  frames_->setWanted(true);
}

void AmbientBackground::setAccent(const SectionPalette& accent) {
  if (accent == accent_) return;
  accent_ = accent;
  update();
}

double AmbientBackground::currentTime() const {
  return ambientTime(reduceMotion(), AnimationClock::shared().now());
}

bool AmbientBackground::isAnimating() const { return frames_->isActive(); }

void AmbientBackground::paintEvent(QPaintEvent* event) {
  const double t = currentTime();
  QPainter painter(this);
  const double dpr = deviceRatio(painter);
  // One frame per tick of the drift, shared by every repaint within it (a
  // tile's wobble repaints only its own corner).
  if (frame_.isNull() || t != frameTime_ || !(accent_ == frameAccent_) || size() != frameSize_ ||
      dpr != frame_.devicePixelRatio()) {
    frame_ = backdropFrame(QSizeF(size()), dpr, accent_, t);
    frameTime_ = t;
    frameAccent_ = accent_;
    frameSize_ = size();
  }
  painter.drawImage(QPointF(0, 0), frame_);
  painter.setRenderHint(QPainter::Antialiasing);
  ShadowLayer::paintCasters(this, painter, event->region());
}

}  // namespace tidewell::design
