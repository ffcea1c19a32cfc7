#include "design/paint/DotTexture.h"

#include <QPainter>

#include "design/theme/Color.h"

namespace tidewell::design {

namespace {
constexpr int kColumns = 13, kRows = 6;
constexpr double kStep = 9, kFirstColumn = 124, kFirstRow = 14, kDot = 1.6;
}  // namespace

std::vector<TextureDot> dotTextureLayout(double width) {
  std::vector<TextureDot> dots;
  dots.reserve(kColumns * kRows);
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      dots.push_back({QRectF(width - kFirstColumn + kStep * c, kFirstRow + kStep * r, kDot, kDot),
                      0.1 * (1 - double(r) / kRows)});
    }
  }
  return dots;
}

void paintDotTexture(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.translate(area.topLeft());
  for (const TextureDot& dot : dotTextureLayout(area.width())) {
    painter.setBrush(Color::white(dot.opacity));
    painter.drawEllipse(dot.rect);
  }
  painter.restore();
}

}  // namespace tidewell::design
