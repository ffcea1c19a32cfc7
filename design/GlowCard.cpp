#include "design/GlowCard.h"

#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

#include "design/SectionAccent.h"
#include "design/ShadowLayer.h"

namespace tidewell::design {

namespace {
QString backgroundKey(QSize size, double dpr, const GlowCardStyle& style, const SectionPalette& accent) {
  return QStringLiteral("%1x%2|%3|%4|%5|%6%7|%8|%9|%10")
      .arg(size.width())
      .arg(size.height())
      .arg(dpr)
      .arg(style.cornerRadius)
      .arg(style.glow ? style.glow->rgba64().toArgb32() : 0u, 0, 16)
      .arg(int(style.featured))
      .arg(int(style.vivid))
      .arg(accent.primary.rgba64().toArgb32(), 0, 16)
      .arg(accent.soft.rgba64().toArgb32(), 0, 16)
      .arg(accent.deep.rgba64().toArgb32(), 0, 16);
}
}  // namespace

GlowCard::GlowCard(GlowCardStyle style, QWidget* parent)
    : QWidget(parent), style_(std::move(style)), layout_(new QVBoxLayout(this)) {
  const int p = int(std::lround(style_.padding));
  layout_->setContentsMargins(p, p, p, p);
  layout_->setSpacing(0);
  ShadowLayer::makeHost(this);
  ShadowLayer::track(this);
}

void GlowCard::setStyle(const GlowCardStyle& style) {
  if (style == style_) return;
  style_ = style;
  const int p = int(std::lround(style_.padding));
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
  const QString key = backgroundKey(size(), dpr, style_, accent);
  if (key != shadowsKey_) {
    const QSize pixels(int(std::ceil(area.width() * dpr)), int(std::ceil(area.height() * dpr)));
    if (pixels.isEmpty()) return;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.translate(-area.topLeft());
    paintGlowCardShadows(p, QRectF(rect()), style_, accent);
    p.end();
    shadows_ = image;
    shadowsKey_ = key;
  }
  painter.drawImage(area.topLeft(), shadows_);
}

QRectF GlowCard::shadowArea() const {
  QRectF area = QRectF(rect());
  for (const Shadow& shadow : glowCardShadows(style_, SectionAccent::of(this)))
    area = area.united(shadowBounds(QRectF(rect()), shadow));
  return area;
}

void GlowCard::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const SectionPalette accent = SectionAccent::of(this);
  if (!ShadowLayer::hostOf(this)) paintShadows(painter);
  const double dpr = devicePixelRatioF();
  const QString key = backgroundKey(size(), dpr, style_, accent);
  if (key != backgroundKey_) {
    QPixmap pixmap(QSize(int(std::ceil(width() * dpr)), int(std::ceil(height() * dpr))));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintGlowCardBackground(p, QRectF(rect()), style_, accent);
    p.end();
    background_ = pixmap;
    backgroundKey_ = key;
  }
  painter.drawPixmap(QPointF(0, 0), background_);
  ShadowLayer::paintCasters(this, painter, event->region());
}

}  // namespace tidewell::design
