#include "design/components/GlossyBlob.h"

#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"
#include "design/paint/PaintKey.h"
#include "design/paint/PictureCache.h"
#include "design/paint/Shadow.h"
#include "design/paint/ShadowLayer.h"
#include "design/paint/Shapes.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"
#include "design/theme/Gradients.h"

namespace tidewell::design {

namespace {

// The symbol's own soft shadow: deep at 0.5, radius 2, 1 down.
void drawIcon(QPainter& p, const SymbolName& symbol, const SectionPalette& palette, const QRectF& box,
              QSize pixels, double dpr) {
  QImage glyph(pixels, QImage::Format_ARGB32_Premultiplied);
  glyph.fill(Qt::transparent);
  glyph.setDevicePixelRatio(dpr);
  {
    QPainter g(&glyph);
    g.setRenderHint(QPainter::Antialiasing);
    drawSymbol(g, symbol, box, FontWeight::Semibold, Qt::black);
  }
  QImage mask = glyph.convertToFormat(QImage::Format_Alpha8);
  mask.setDevicePixelRatio(dpr);
  const QImage shadow = blurredTint(std::move(mask), 2.0 / 2 * dpr, Color::withOpacity(palette.deep, 0.5));
  p.drawImage(QPointF(0, 1), shadow);
  drawSymbol(p, symbol, box, FontWeight::Semibold, Qt::white);
}

QPixmap renderBlob(const SymbolName& symbol, const SectionPalette& palette, double size, double dpr) {
  const double side = 2 * size;
  const QSize pixels(int(std::ceil(side * dpr)), int(std::ceil(side * dpr)));
  if (pixels.isEmpty()) return {};
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  image.setDevicePixelRatio(dpr);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF tile(size / 2, size / 2, size, size);
    const double radius = glossyBlobRadius(size);
    const QPainterPath shape = continuousRoundedRect(tile, radius);
    drawShadow(p, shape, {Color::withOpacity(palette.primary, 0.38), 0.28 * size, QPointF(0, 4)});
    p.fillPath(shape, linearGradient(tile, UnitPoint::topLeading(), UnitPoint::bottomTrailing(),
                                     evenStops({palette.soft, palette.primary, palette.deep})));
    p.fillPath(shape, radialGradient(tile, {0.28, 0.2}, 0, 0.55 * size,
                                     {{0.0, Color::white(0.55)}, {1.0, Color::white(0.0)}}));
    strokeInside(p, tile, radius, 1,
                 linearGradient(tile, UnitPoint::topLeading(), UnitPoint::bottomTrailing(),
                                {{0.0, Color::white(0.35)}, {1.0, Color::withOpacity(palette.deep, 0.7)}}));
    drawIcon(p, symbol, palette, symbolBox(tile.center(), 0.4 * size), pixels, dpr);
  }
  return QPixmap::fromImage(image);
}

}  // namespace

QPixmap glossyBlobPixmap(const SymbolName& symbol, const SectionPalette& palette, double size, double dpr) {
  static PictureCache<QPixmap> cache(10 * 1024 * 1024);  // bytes
  return cache.picture(PaintKey().add(symbol.text(), palette, size, dpr),
                       [&] { return renderBlob(symbol, palette, size, dpr); });
}

void paintGlossyBlob(QPainter& painter, QPointF centre, const SymbolName& symbol,
                     const SectionPalette& palette, double size, const BlobTransform& transform) {
  const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const QPixmap pixmap = glossyBlobPixmap(symbol, palette, size, dpr);
  if (pixmap.isNull()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setTransform(aboutCentre(transform, centre), true);
  painter.drawPixmap(QRectF(centre.x() - size, centre.y() - size, 2 * size, 2 * size), pixmap,
                     QRectF(pixmap.rect()));
  painter.restore();
}

QRectF glossyBlobArea(QPointF centre, double size, const BlobTransform& transform) {
  return aboutCentre(transform, centre)
      .mapRect(QRectF(centre.x() - size, centre.y() - size, 2 * size, 2 * size));
}

GlossyBlob::GlossyBlob(SymbolName symbol, SectionPalette palette, double size, bool wobbles, QWidget* parent)
    : QWidget(parent),
      symbol_(std::move(symbol)),
      palette_(std::move(palette)),
      size_(size),
      wobbles_(wobbles),
      hover_(Transition::spring(kBlobHoverResponse, kBlobHoverDamping)),
      wobbleFrames_(new FrameTimer(this, kBlobFrameMs, [this] { onFrame(false); })),
      hoverFrames_(new FrameTimer(this, kTransitionFrameMs, [this] { onFrame(true); })) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setAttribute(Qt::WA_Hover);
  // A picture of the symbol its tile or button names in words.
  setHiddenFromAccessibility(this);
  ShadowLayer::track(this);
  shown_ = currentTransform();
  syncFrames();
}

void GlossyBlob::setHovering(bool hovering) {
  if (hovering_ == hovering) return;
  hovering_ = hovering;
  const double target = hovering ? 1.0 : 0.0;
  if (reduceMotion())
    hover_.jump(target);
  else
    hover_.retarget(target, AnimationClock::shared().now());
  syncFrames();
  onFrame(true);
}

BlobTransform GlossyBlob::currentTransform() const {
  const double now = AnimationClock::shared().now();
  return blobTransform(symbol_.text(), wobbles_, reduceMotion(), now, hover_.value(now));
}

bool GlossyBlob::isAnimating() const { return wobbleFrames_->isActive() || hoverFrames_->isActive(); }

QSize GlossyBlob::sizeHint() const {
  const int side = int(std::ceil(size_));
  return {side, side};
}

BlobTransform GlossyBlob::shownTransform() const {
  return wobbleFrames_->isActive() ? shown_ : currentTransform();
}

void GlossyBlob::paintShadows(QPainter& painter) const {
  paintGlossyBlob(painter, QRectF(rect()).center(), symbol_, palette_, size_, shownTransform());
}

QRectF GlossyBlob::shadowArea() const {
  return glossyBlobArea(QRectF(rect()).center(), size_, shownTransform());
}

void GlossyBlob::paintEvent(QPaintEvent*) {
  if (ShadowLayer::hostOf(this)) return;  // the host draws the whole picture
  QPainter painter(this);
  paintShadows(painter);
}

void GlossyBlob::showEvent(QShowEvent* event) {
  // What was on screen when it last showed is stale now.
  shown_ = currentTransform();
  QWidget::showEvent(event);
}

void GlossyBlob::enterEvent(QEnterEvent* event) {
  setHovering(true);
  QWidget::enterEvent(event);
}

void GlossyBlob::leaveEvent(QEvent* event) {
  setHovering(false);
  QWidget::leaveEvent(event);
}

void GlossyBlob::onFrame(bool always) {
  const BlobTransform next = currentTransform();
  if (!always && !blobFrameShows(shown_, next, size_, reduceMotion())) {
    syncFrames();
    return;
  }
  shown_ = next;
  if (ShadowLayer::hostOf(this))
    ShadowLayer::refresh(this);
  else
    update();
  syncFrames();
}

void GlossyBlob::syncFrames() {
  wobbleFrames_->setWanted(wobbles_);
  hoverFrames_->setWanted(!hover_.isSettled(AnimationClock::shared().now()));
}

}  // namespace tidewell::design
