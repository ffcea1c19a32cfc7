#pragma once
// A glow card holding one content widget, padded on every side. Its
// background (see GlowCardPaint) is rendered once per size, device pixel
// ratio, look and accent into a pixmap, and so are its two shadows, which
// reach beyond its cell and are drawn by the shadow host above it. It is a
// shadow host itself, for the glows of what it holds. The accent is the
// section's (SectionAccent). GUI thread only.

#include <QPixmap>
#include <QWidget>

#include "design/components/GlowCardPaint.h"
#include "design/paint/PaintCache.h"
#include "design/paint/ShadowCaster.h"

class QVBoxLayout;

namespace tidewell::design {

class GlowCard : public QWidget, public ShadowCaster {
  Q_OBJECT
 public:
  explicit GlowCard(GlowCardLook look, QWidget* parent = nullptr);

  const GlowCardLook& look() const { return look_; }
  void setLook(const GlowCardLook& look);
  // The card's content (owned by the card); replaces any earlier one.
  void setContent(QWidget* content);
  QWidget* content() const { return content_; }

  void paintShadows(QPainter& painter) const override;
  QRectF shadowArea() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  GlowCardLook look_;
  QVBoxLayout* layout_;
  QWidget* content_ = nullptr;
  PaintCache background_{PaintCache::Beyond::ScalePicture};
  // Both shadows flattened into one picture, so a repaint blits once.
  mutable QImage shadows_;
  mutable uint64_t shadowsKey_ = 0;
};

}  // namespace tidewell::design
