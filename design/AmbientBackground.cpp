#include "design/AmbientBackground.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "design/AmbientWash.h"
#include "design/AnimationClock.h"
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

void drawScaledWash(QPainter& painter, const QRectF& rect, const QImage& wash) {
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // The wash's pixels cover exactly rect's size divided by the resolution.
  const QSizeF covered(wash.width() / kWashResolution, wash.height() / kWashResolution);
  painter.drawImage(QRectF(rect.topLeft(), covered), wash);
  painter.restore();
}

}  // namespace

double ambientTime(bool reduceMotion, double now) {
  if (reduceMotion) return 0.0;
  const double frame = kWashFrameMs / 1000.0;
  return std::floor(now / frame) * frame;
}

void paintAmbientBackground(QPainter& painter, const QRectF& rect, const SectionPalette& accent, double t) {
  drawScaledWash(painter, rect, renderWash(washPixels(rect.size()), accent, t));
  paintNoiseOverlay(painter, rect);
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
  const QSize pixels = washPixels(QSizeF(size()));
  if (wash_.isNull() || t != washTime_ || !(accent_ == washAccent_) || pixels != washSize_) {
    wash_ = renderWash(pixels, accent_, t);
    washTime_ = t;
    washAccent_ = accent_;
    washSize_ = pixels;
  }
  QPainter painter(this);
  drawScaledWash(painter, QRectF(rect()), wash_);
  paintNoiseOverlay(painter, QRectF(rect()));
  painter.setRenderHint(QPainter::Antialiasing);
  ShadowLayer::paintCasters(this, painter, event->region());
}

}  // namespace tidewell::design
