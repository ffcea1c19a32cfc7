#pragma once
// Draws a system symbol from the vendored glyph set, tinted. A glyph is
// rendered once per name, weight, pixel size, colour and device pixel ratio
// and kept in a small cache. GUI thread only.

#include <QColor>
#include <QRectF>
#include <vector>

#include "design/symbols/SymbolTable.h"
#include "design/type/FontWeight.h"

class QPainter;

namespace tidewell::design {

// What an effect does to a symbol at one moment (see SymbolEffect).
struct SymbolFrame {
  double opacity = 1.0;
  double scale = 1.0;                // about the symbol's centre
  std::vector<double> layerOpacity;  // per layer; empty: every layer at 1
};

// The side of the square a symbol takes when it stands in text of
// fontSize pixels (the glyph body is about as high as the text).
double symbolSide(double fontSize);
// That square centred on centre.
QRectF symbolBox(QPointF centre, double fontSize);

// Number of highlight layers of a symbol (1 for most; "sparkles" has 3).
int symbolLayerCount(const SymbolName& name);

// Draws name fitted into the square centred in rect, in colour, at the
// glyph weight for textWeight. Returns false, drawing nothing, for a name
// outside the table.
bool drawSymbol(QPainter& painter, const SymbolName& name, const QRectF& rect, FontWeight textWeight,
                const QColor& colour, const SymbolFrame& frame = {});

}  // namespace tidewell::design
