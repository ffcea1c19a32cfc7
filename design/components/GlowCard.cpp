#include "design/components/GlowCard.h"

#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

#include "design/paint/PaintKey.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::design {

namespace {
PaintKey lookKey(const GlowCardLook& look, const SectionPalette& accent) {
  return PaintKey().add(look.cornerRadius, look.glow, look.featured, look.vivid, accent);
}
}  // namespace

GlowCard::GlowCard(GlowCardLook look, QWidget* parent)
    : QWidget(parent), look_(std::move(look)), layout_(new QVBoxLayout(this)) {
  const int p = int(std::lround(look_.padding));
  layout_->setContentsMargins(p, p, p, p);
  layout_->setSpacing(0);
  ShadowLayer::makeHost(this);
  ShadowLayer::track(this);
}

void GlowCard::setLook(const GlowCardLook& look) {
  if (look == look_) return;
  look_ = look;
  const int p = int(std::lround(look_.padding));
  layout_->setContentsMargins(p, p, p, p);
  update();
  ShadowLayer::refresh(this);
}

void GlowCard::setContent(QWidget* content) {
  if (content_) content_->deleteLater();
  content_ = content;
  if (content_) layout_->addWidget(content_);
}

void GlowCard::paintShadows(QPainter& painter) const {
  const SectionPalette accent = SectionAccent::of(this);
  const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const QRectF area = shadowArea();
  const uint64_t key = PaintKey(lookKey(look_, accent)).add(QRectF(rect()), dpr);
  if (shadows_.isNull() || key != shadowsKey_) {
    const QSize pixels(int(std::ceil(area.width() * dpr)), int(std::ceil(area.height() * dpr)));
    if (pixels.isEmpty()) return;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.translate(-area.topLeft());
    paintGlowCardShadows(p, QRectF(rect()), look_, accent);
    p.end();
    shadows_ = image;
    shadowsKey_ = key;
  }
  painter.drawImage(area.topLeft(), shadows_);
}

QRectF GlowCard::shadowArea() const {
  QRectF area = QRectF(rect());
  for (const Shadow& shadow : glowCardShadows(look_, SectionAccent::of(this)))
    area = area.united(shadowBounds(QRectF(rect()), shadow));
  return area;
}

void GlowCard::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const SectionPalette accent = SectionAccent::of(this);
  if (!ShadowLayer::hostOf(this)) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintShadows(painter);
    painter.restore();
  }
  background_.paint(painter, size(), lookKey(look_, accent),
                    [&](QPainter& p) { paintGlowCardBackground(p, QRectF(rect()), look_, accent); });
  painter.setRenderHint(QPainter::Antialiasing);
  ShadowLayer::paintCasters(this, painter, event->region());
}

}  // namespace tidewell::design
