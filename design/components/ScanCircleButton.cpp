#include "design/components/ScanCircleButton.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "design/components/DotGauge.h"
#include "design/components/GlossyBlob.h"
#include "design/components/ScanCircleLayout.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"
#include "design/paint/PaintKey.h"
#include "design/paint/PictureCache.h"
#include "design/paint/Shadow.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::design {

namespace {

double titleHeight() { return QFontMetricsF(scanCircleTitleFont()).height(); }

// The content in its three layers, back to front, unscaled: the circle
// and the dots; the blob (the only part that moves by itself); the title.
void paintRing(QPainter& painter, const QRectF& rect, const ScanCircleSnapshot& look, double fillOpacity) {
  const ScanCircleLayout layout = scanCircleLayout(rect, titleHeight());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Color::withOpacity(look.accent.primary, fillOpacity));
  painter.drawEllipse(layout.circle);
  paintDotGauge(painter, layout.ring, 0, look.accent);
  painter.restore();
}

void paintBlob(QPainter& painter, const QRectF& rect, const ScanCircleSnapshot& look) {
  const ScanCircleLayout layout = scanCircleLayout(rect, titleHeight());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  paintGlossyBlob(painter, layout.blob.center(), look.symbol, look.accent, kScanBlobSize, look.blob);
  painter.restore();
}

void paintTitle(QPainter& painter, const QRectF& rect, const ScanCircleSnapshot& look) {
  const ScanCircleLayout layout = scanCircleLayout(rect, titleHeight());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(scanCircleTitleFont());
  painter.setPen(Qt::white);
  drawShapedText(painter, layout.title, Qt::AlignCenter | Qt::TextSingleLine, look.title);
  painter.restore();
}

void paintContent(QPainter& painter, const QRectF& rect, const ScanCircleSnapshot& look, double fillOpacity) {
  paintRing(painter, rect, look, fillOpacity);
  paintBlob(painter, rect, look);
  paintTitle(painter, rect, look);
}

double glowReach() { return shadowReach({QColor(), kScanGlowRadius, QPointF()}); }

// The resting button's alpha, blurred and tinted.
QImage renderGlow(const ScanCircleSnapshot& look, double dpr) {
  const double reach = glowReach();
  const double side = kScanRingDiameter + 2 * reach;
  const QSize pixels(int(std::ceil(side * dpr)), int(std::ceil(side * dpr)));
  QImage content(pixels, QImage::Format_ARGB32_Premultiplied);
  content.fill(Qt::transparent);
  content.setDevicePixelRatio(dpr);
  {
    QPainter p(&content);
    ScanCircleSnapshot resting = look;
    resting.blob = {};
    paintContent(p, QRectF(reach, reach, kScanRingDiameter, kScanRingDiameter), resting,
                 scanCircleFillOpacity(1));
  }
  QImage mask = content.convertToFormat(QImage::Format_Alpha8);
  mask.setDevicePixelRatio(dpr);
  return blurredTint(std::move(mask), kScanGlowRadius / 2 * dpr, Color::withOpacity(look.accent.primary, 1));
}

// The glow, made once per look.
QImage glowImage(const ScanCircleSnapshot& look, double dpr) {
  static PictureCache<QImage> cache(8 * 1024 * 1024);  // bytes
  return cache.picture(PaintKey().add(look.symbol.text(), look.title, look.accent, dpr),
                       [&] { return renderGlow(look, dpr); });
}

QTransform scaledAbout(QPointF centre, double scale) {
  QTransform m;
  m.translate(centre.x(), centre.y());
  m.scale(scale, scale);
  m.translate(-centre.x(), -centre.y());
  return m;
}

}  // namespace

QFont scanCircleTitleFont() { return inter(kScanTitleSize, FontWeight::Semibold, FontDesign::Rounded); }

void paintScanCircleGlow(QPainter& painter, const QRectF& rect, const ScanCircleSnapshot& look) {
  const double opacity = scanCircleGlowOpacity(look.hover);
  if (!(opacity > 0)) return;
  const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const QImage glow = glowImage(look, dpr);
  const double reach = glowReach();
  const QPointF c = rect.center();
  const double side = kScanRingDiameter + 2 * reach;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setTransform(scaledAbout(c, scanCircleScale(look.hover)), true);
  painter.setOpacity(painter.opacity() * opacity);
  painter.drawImage(QRectF(c.x() - side / 2, c.y() - side / 2, side, side), glow);
  painter.restore();
}

QRectF scanCircleGlowArea(const QRectF& rect) {
  const double half = (kScanRingDiameter + 2 * glowReach()) / 2 * scanCircleScale(1);
  const QPointF c = rect.center();
  return {c.x() - half, c.y() - half, 2 * half, 2 * half};
}

ScanCircleButton::ScanCircleButton(SymbolName symbol, QString title, QWidget* parent)
    : QAbstractButton(parent),
      symbol_(std::move(symbol)),
      hover_(Transition::easeOut(kScanHoverDuration)),
      blobHover_(Transition::spring(kBlobHoverResponse, kBlobHoverDamping)),
      wobbleFrames_(new FrameTimer(this, kBlobFrameMs, [this] { onFrame(false); })),
      hoverFrames_(new FrameTimer(this, kTransitionFrameMs, [this] { onFrame(true); })) {
  setText(title);
  // The ring follows the 200-point circle inside the dotted one.
  KeyboardFocus::makeFocusable(this, FocusRingShape::capsule({12, 12, 12, 12}));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setMouseTracking(true);
  ShadowLayer::track(this);
  shownBlob_ = blobNow();
  syncFrames();
}

void ScanCircleButton::setHovering(bool hovering) {
  if (hovering_ == hovering) return;
  hovering_ = hovering;
  if (reduceMotion())
    hover_.jump(hovering ? 1 : 0);
  else
    hover_.retarget(hovering ? 1 : 0, AnimationClock::shared().now());
  syncFrames();
  onFrame(true);
}

void ScanCircleButton::setBlobHovering(bool hovering) {
  if (blobHovering_ == hovering) return;
  blobHovering_ = hovering;
  if (reduceMotion())
    blobHover_.jump(hovering ? 1 : 0);
  else
    blobHover_.retarget(hovering ? 1 : 0, AnimationClock::shared().now());
  syncFrames();
  shownBlob_ = blobNow();
  update();
}

BlobTransform ScanCircleButton::blobNow() const {
  const double now = AnimationClock::shared().now();
  return blobTransform(symbol_.text(), true, reduceMotion(), now, blobHover_.value(now));
}

ScanCircleSnapshot ScanCircleButton::currentSnapshot() const {
  const double now = AnimationClock::shared().now();
  return {symbol_, text(), SectionAccent::of(this), hover_.value(now),
          wobbleFrames_->isActive() ? shownBlob_ : blobNow()};
}

void ScanCircleButton::showEvent(QShowEvent* event) {
  shownBlob_ = blobNow();
  QAbstractButton::showEvent(event);
}

bool ScanCircleButton::isAnimating() const { return wobbleFrames_->isActive() || hoverFrames_->isActive(); }

QSize ScanCircleButton::sizeHint() const {
  const int side = int(kScanRingDiameter);
  return {side, side};
}

void ScanCircleButton::paintShadows(QPainter& painter) const {
  paintScanCircleGlow(painter, QRectF(rect()), currentSnapshot());
}

QRectF ScanCircleButton::shadowArea() const { return scanCircleGlowArea(QRectF(rect())); }

bool ScanCircleButton::hitButton(const QPoint& pos) const {
  return scanCircleHit(QRectF(rect()), QPointF(pos));
}

void ScanCircleButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const ScanCircleSnapshot look = currentSnapshot();
  const QRectF area(rect());
  if (!ShadowLayer::hostOf(this)) paintScanCircleGlow(painter, area, look);
  // The ring is drawn again only when the hover (or the look) changes; the
  // wobbling blob on every frame, and so is the title: text is blended
  // with the pixels under it, so a picture of it would not match.
  const PaintKey key = PaintKey().add(look.accent, look.hover);
  const auto scaled = [&](QPainter& p, auto draw) {
    p.save();
    p.setTransform(scaledAbout(area.center(), scanCircleScale(look.hover)), true);
    draw(p);
    p.restore();
  };
  ring_.paint(painter, size(), key, [&](QPainter& p) {
    scaled(p, [&](QPainter& q) { paintRing(q, area, look, scanCircleFillOpacity(look.hover)); });
  });
  scaled(painter, [&](QPainter& q) {
    paintBlob(q, area, look);
    paintTitle(q, area, look);
  });
}

void ScanCircleButton::followPointer(QPointF pos) {
  setHovering(scanCircleHit(QRectF(rect()), pos));
  setBlobHovering(scanCircleLayout(QRectF(rect()), titleHeight()).blob.contains(pos));
}

void ScanCircleButton::mouseMoveEvent(QMouseEvent* event) {
  followPointer(event->position());
  QAbstractButton::mouseMoveEvent(event);
}

void ScanCircleButton::leaveEvent(QEvent* event) {
  setHovering(false);
  setBlobHovering(false);
  QAbstractButton::leaveEvent(event);
}

void ScanCircleButton::onFrame(bool always) {
  const BlobTransform next = blobNow();
  const double side = scanCircleLayout(QRectF(rect()), titleHeight()).blob.width();
  if (!always && !blobFrameShows(shownBlob_, next, side, reduceMotion())) {
    syncFrames();
    return;
  }
  shownBlob_ = next;
  // The glow changes only while the hover eases; the blob's frames repaint
  // the button alone.
  if (!hover_.isSettled(AnimationClock::shared().now()) || hoverFrames_->isActive())
    ShadowLayer::refresh(this);
  update();
  syncFrames();
}

void ScanCircleButton::syncFrames() {
  const double now = AnimationClock::shared().now();
  wobbleFrames_->setWanted(true);
  hoverFrames_->setWanted(!hover_.isSettled(now) || !blobHover_.isSettled(now));
}

}  // namespace tidewell::design
