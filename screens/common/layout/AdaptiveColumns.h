#pragma once
// The rule of a grid with one adaptive column definition: as many columns
// of at least minimumWidth as fit across width with spacing between them,
// never fewer than one, sharing the width equally. Pure.

namespace tidewell::screens {

// floor((width + spacing) / (minimumWidth + spacing)), at least 1. A width
// too small for one column (or not a number) still gives one column.
int adaptiveColumnCount(double width, double minimumWidth, double spacing);

// The width of each of columns columns across width: (width - (columns -
// 1) x spacing) / columns, never negative.
double adaptiveColumnWidth(double width, int columns, double spacing);

}  // namespace tidewell::screens
