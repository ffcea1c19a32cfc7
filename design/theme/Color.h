#pragma once
// The base colours of the dark interface and the colour builder every fixed
// colour is made with. All colours are sRGB; each constant is built once.

#include <QColor>

namespace tidewell::design::Color {

// The sRGB colour (r, g, b), components 0...1, opacity 1.
QColor rgb(double r, double g, double b);
// colour with its opacity replaced by opacity (0...1).
QColor withOpacity(const QColor& colour, double opacity);
// White at an opacity; most strokes and quiet texts are this.
QColor white(double opacity = 1.0);

const QColor& appBackground();  // 0.035, 0.035, 0.048: window and sheet background
const QColor& cardSurface();    // 0.075, 0.073, 0.095: card fill
const QColor& raisedSurface();  // 0.107, 0.104, 0.132: quiet buttons, chips, rows
const QColor& hairline();       // white at 0.07: separators and thin strokes

// The platform's unnamed styles, pinned for this dark interface.
const QColor& secondaryText();  // white at 0.55
const QColor& tertiaryText();   // white at 0.25
const QColor& systemGreen();    // 0.19, 0.82, 0.35
const QColor& systemOrange();   // 1.00, 0.62, 0.04
const QColor& systemRed();      // 1.00, 0.27, 0.23

}  // namespace tidewell::design::Color
