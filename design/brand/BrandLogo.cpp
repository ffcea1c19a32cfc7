#include "design/brand/BrandLogo.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::design {

QString brandFallbackText() { return QStringLiteral("Tidewell Mac"); }

QFont brandFallbackFont(double height) { return inter(0.68 * height, FontWeight::Bold); }

double brandLogoWidth(const std::optional<BrandArtwork>& artwork, double height) {
  if (artwork) return artwork->widthOverHeight() * height;
  return QFontMetricsF(brandFallbackFont(height)).horizontalAdvance(brandFallbackText());
}

void paintBrandLogo(QPainter& painter, const QRectF& rect, const std::optional<BrandArtwork>& artwork,
                    double height) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (artwork) {
    // Fit: the artwork keeps its ratio within the rect's width and the height.
    double h = std::min(height, rect.height());
    double w = artwork->widthOverHeight() * h;
    if (w > rect.width() && rect.width() > 0) {
      w = rect.width();
      h = w / artwork->widthOverHeight();
    }
    artwork->paint(painter, QRectF(rect.center().x() - w / 2, rect.center().y() - h / 2, w, h));
  } else {
    painter.setFont(brandFallbackFont(height));
    painter.setPen(Qt::white);
    drawShapedText(painter, rect, Qt::AlignCenter, brandFallbackText());
  }
  painter.restore();
}

BrandLogo::BrandLogo(BrandAsset asset, double height, QWidget* parent)
    : BrandLogo(brandImage(asset), height, parent) {}

BrandLogo::BrandLogo(std::optional<BrandArtwork> artwork, double height, QWidget* parent)
    : QWidget(parent), artwork_(std::move(artwork)), height_(height) {
  setAccessibleName(brandFallbackText());
  accessibleTraits(this).role = QAccessible::Graphic;
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize BrandLogo::sizeHint() const {
  return QSize(int(std::ceil(brandLogoWidth(artwork_, height_))), int(std::ceil(height_)));
}

void BrandLogo::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintBrandLogo(painter, QRectF(rect()), artwork_, height_);
}

}  // namespace tidewell::design
