#include "design/paint/AmbientBackground.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"
#include "design/paint/AmbientWash.h"
#include "design/paint/BackdropFrame.h"
#include "design/paint/NoiseOverlay.h"
#include "design/paint/ShadowLayer.h"

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

// The device pixels an area of size points covers at dpr.
QSize devicePixels(const QSizeF& size, double dpr) {
  return {std::max(1, int(std::ceil(size.width() * dpr - 1e-6))),
          std::max(1, int(std::ceil(size.height() * dpr - 1e-6)))};
}

// The frame for an area of size points at dpr: the wash for that size,
// stretched to the area's device pixels with the grain added.
QImage backdropFrame(const QSizeF& size, double dpr, const QImage& wash, QImage reuse = {}) {
  QImage frame = composeBackdrop(wash, devicePixels(size, dpr), dpr / kWashResolution, grainTileImage(dpr),
                                 std::move(reuse));
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

double washChange(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.isNull()) return -1;
  int64_t total = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      total += std::max({std::abs(qRed(p[x]) - qRed(q[x])), std::abs(qGreen(p[x]) - qGreen(q[x])),
                         std::abs(qBlue(p[x]) - qBlue(q[x]))});
    }
  }
  return double(total) / (double(a.width()) * a.height());
}

void paintAmbientBackground(QPainter& painter, const QRectF& rect, const SectionPalette& accent, double t) {
  painter.drawImage(rect.topLeft(), backdropFrame(rect.size(), deviceRatio(painter),
                                                  renderWash(washPixels(rect.size()), accent, t)));
}

AmbientBackground::AmbientBackground(SectionPalette accent, QWidget* parent)
    : QWidget(parent),
      accent_(std::move(accent)),
      frames_(new FrameTimer(this, kWashFrameMs, [this] { advance(); })) {
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

void AmbientBackground::showWashAt(double t) {
  shownWash_ = renderWash(washPixels(QSizeF(size())), accent_, t);
  shownTime_ = t;
  shownAccent_ = accent_;
  frameStale_ = true;
}

void AmbientBackground::advance() {
  const double t = currentTime();
  if (shownWash_.isNull() || t == shownTime_) return;
  const QImage next = renderWash(washPixels(QSizeF(size())), accent_, t);
  // Standing still (reduce motion) shows exactly its own frame.
  const double moved = washChange(shownWash_, next);
  if (moved >= 0 && moved < kVisibleWashChange && !reduceMotion()) return;
  shownWash_ = next;
  shownTime_ = t;
  frameStale_ = true;
  update();
}

void AmbientBackground::paintEvent(QPaintEvent* event) {
  if (shownWash_.isNull() || !(accent_ == shownAccent_) || shownWash_.size() != washPixels(QSizeF(size())))
    showWashAt(currentTime());
  QPainter painter(this);
  const double dpr = deviceRatio(painter);
  if (frameStale_ || frame_.isNull() || frame_.devicePixelRatio() != dpr ||
      frame_.size() != devicePixels(QSizeF(size()), dpr)) {
    frame_ = backdropFrame(QSizeF(size()), dpr, shownWash_, std::move(frame_));
    frameStale_ = false;
  }
  painter.drawImage(QPointF(0, 0), frame_);
  painter.setRenderHint(QPainter::Antialiasing);
  ShadowLayer::paintCasters(this, painter, event->region());
}

}  // namespace tidewell::design
