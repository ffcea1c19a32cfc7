#pragma once
// The logo at a requested height: the artwork scaled to fit (width follows
// its proportions), or, when there is no artwork, the product name in bold
// Inter at 0.68 of the height, in white. Announced as "Tidewell Mac" either
// way.

#include <QWidget>
#include <optional>

#include "design/brand/BrandAsset.h"

namespace tidewell::design {

// The fallback text and its font for a logo height.
QString brandFallbackText();
QFont brandFallbackFont(double height);

// Draws the logo centred in rect at height height.
void paintBrandLogo(QPainter& painter, const QRectF& rect, const std::optional<BrandArtwork>& artwork,
                    double height);
// The width the logo takes at height height.
double brandLogoWidth(const std::optional<BrandArtwork>& artwork, double height);

class BrandLogo : public QWidget {
  Q_OBJECT
 public:
  // Loads the artwork from resourceRoot().
  BrandLogo(BrandAsset asset, double height, QWidget* parent = nullptr);
  // Shows the given artwork (none: the text).
  BrandLogo(std::optional<BrandArtwork> artwork, double height, QWidget* parent = nullptr);

  bool showsArtwork() const { return artwork_.has_value(); }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<BrandArtwork> artwork_;
  double height_;
};

}  // namespace tidewell::design
