#pragma once
// The three symbol effects as functions of elapsed seconds, so they can be
// checked without a clock: pulse (a repeating fade), bounce (a one-shot
// scale of the icon alone) and the iterative variable-colour highlight
// (one layer of a layered symbol lit after another).

namespace tidewell::design {

inline constexpr double kPulsePeriod = 1.6;       // seconds per fade out and in
inline constexpr double kPulseLowOpacity = 0.35;  // opacity at the bottom of a pulse
inline constexpr double kBounceDuration = 0.5;    // seconds of one bounce
inline constexpr double kBouncePeak = 1.18;       // largest scale of a bounce
inline constexpr double kVariableStep = 0.4;      // seconds each layer stays lit
inline constexpr double kVariableDimOpacity = 0.3;

// 1 at 0 s, kPulseLowOpacity at half a period, 1 again after a period.
double pulseOpacity(double seconds);
// 1 at 0 s, rising to kBouncePeak, settling back to exactly 1 from
// kBounceDuration on.
double bounceScale(double seconds);
// Opacity of layer (0-based) of layerCount at time seconds: the lit layer
// at 1, the others at kVariableDimOpacity, the light moving on one layer
// per kVariableStep and starting over after the last.
double variableColorOpacity(double seconds, int layer, int layerCount);

}  // namespace tidewell::design
