#include "widget/WidgetLayout.h"

#include <algorithm>

#include "widget/WidgetLooks.h"

namespace tidewell::widget {

namespace {
constexpr double kSmallSpacing = 6;
constexpr double kBrandSpacing = 5;
constexpr double kSymbolScale = 1.15;  // a symbol stands a little taller than its text
constexpr double kMediumSpacing = 16;
constexpr double kDetailSpacing = 4;
constexpr double kTapToScanPadding = 2;
}  // namespace

QSizeF widgetSize(WidgetFamily family) {
  return family == WidgetFamily::Small ? QSizeF(170, 170) : QSizeF(364, 170);
}

QRectF contentRect(const QRectF& bounds) {
  return bounds.adjusted(kContentMargin, kContentMargin, -kContentMargin, -kContentMargin);
}

SmallLayout smallLayout(const QRectF& content) {
  const LineLook brand = brandLook();
  const double symbolSide = kSymbolScale * brand.font.pixelSize();
  const double rowHeight = std::max(symbolSide, lineHeight(brand));
  const double x = content.left();
  const double width = content.width();

  SmallLayout layout;
  layout.symbol = QRectF(x, content.top() + (rowHeight - symbolSide) / 2, symbolSide, symbolSide);
  const double textLeft = x + symbolSide + kBrandSpacing;
  layout.brandText =
      QRectF(textLeft, content.top(), lineWidth(brand, QStringLiteral("TidewellMac")), rowHeight);

  // Built up from the bottom edge; the flexible gap takes what is left.
  double bottom = content.bottom();
  layout.bar = QRectF(x, bottom - kBarHeight, width, kBarHeight);
  bottom = layout.bar.top() - kSmallSpacing;
  const double labelHeight = lineHeight(freeLabelLook());
  layout.freeLabel = QRectF(x, bottom - labelHeight, width, labelHeight);
  bottom = layout.freeLabel.top() - kSmallSpacing;
  const double freeHeight = lineHeight(smallFreeLook());
  layout.freeText = QRectF(x, bottom - freeHeight, width, freeHeight);
  return layout;
}

MediumLayout mediumLayout(const QRectF& content) {
  MediumLayout layout;
  const double middle = content.center().y();
  layout.ring = QRectF(content.left(), middle - kRingSide / 2, kRingSide, kRingSide);

  // The column may use the row up to the spacer that closes it.
  const double x = layout.ring.right() + kMediumSpacing;
  const double width = std::max(0.0, content.right() - kMediumSpacing - x);
  const double freeHeight = lineHeight(mediumFreeLook());
  const double freeOfHeight = lineHeight(freeOfLook());
  const double tapHeight = lineHeight(tapToScanLook());
  const double column =
      freeHeight + kDetailSpacing + freeOfHeight + kDetailSpacing + kTapToScanPadding + tapHeight;

  double top = middle - column / 2;
  layout.freeText = QRectF(x, top, width, freeHeight);
  top += freeHeight + kDetailSpacing;
  layout.freeOfText = QRectF(x, top, width, freeOfHeight);
  top += freeOfHeight + kDetailSpacing + kTapToScanPadding;
  layout.tapToScan = QRectF(x, top, width, tapHeight);
  return layout;
}

}  // namespace tidewell::widget
