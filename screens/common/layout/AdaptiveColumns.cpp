#include "screens/common/layout/AdaptiveColumns.h"

#include <algorithm>
#include <cmath>

namespace tidewell::screens {

int adaptiveColumnCount(double width, double minimumWidth, double spacing) {
  spacing = std::max(0.0, spacing);
  minimumWidth = std::max(1.0, minimumWidth);
  if (!std::isfinite(width) || width <= minimumWidth) return 1;
  // A hair of tolerance, so a width that is exactly n columns wide gives n.
  const double fit = std::floor((width + spacing) / (minimumWidth + spacing) + 1e-9);
  return int(std::clamp(fit, 1.0, 1000.0));
}

double adaptiveColumnWidth(double width, int columns, double spacing) {
  columns = std::max(1, columns);
  return std::max(0.0, (width - (columns - 1) * std::max(0.0, spacing)) / columns);
}

}  // namespace tidewell::screens
