#pragma once
// The base colours of the dark interface and the colour builder every fixed
// colour is made with. All colours are sRGB; each constant is built once.
// A colour more than one part of the interface shows is written here, and
// only here.

#include <QColor>
#include <array>

namespace tidewell::design::Color {

// sRGB components r, g, b, each 0...1.
using Components = std::array<double, 3>;

// The components of the colours a record also keeps as numbers (the health
// levels' healthRGB).
inline constexpr Components kAccentGreen{0.24, 0.88, 0.50};     // the clean palette's primary
inline constexpr Components kDestructiveRed{0.96, 0.26, 0.37};  // see destructiveRed()

// The sRGB colour (r, g, b), components 0...1, opacity 1.
QColor rgb(double r, double g, double b);
QColor rgb(const Components& components);
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

// What removes or stops: the Trash and Delete buttons, the Apps screen's
// destructive actions, Smart Scan's "Stop", the personal bucket, and the
// Critical health level.
const QColor& destructiveRed();  // kDestructiveRed
// Containers and stores of other things: Deep Scan's container bucket and
// Dev Mode's model stores.
const QColor& containerPurple();  // 0.60, 0.50, 0.98
// The dark text of the white (untinted) pill buttons, and of the selection.
const QColor& pillText();  // 0.04, 0.05, 0.08

}  // namespace tidewell::design::Color
