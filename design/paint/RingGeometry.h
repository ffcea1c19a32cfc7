#pragma once
// The rules of the progress ring: how much arc a progress shows, how far
// its angular gradient runs and how strongly it glows. Pure functions.

namespace tidewell::design {

// Room around the ring's layout cell for the glow's blur.
inline constexpr double kRingBleed = 32;
// The glow's blur radius.
inline constexpr double kRingGlowRadius = 22;

struct RingGeometry {
  double clamped = 0;             // progress limited to 0...1 (NaN: 0)
  double arcEnd = 0.001;          // the arc's trim end, at least 0.001 (a dot of round cap)
  double gradientEndDegrees = 0;  // clamped x 360: a full turn from 1 up
  double glowOpacity = 0.18;      // 0.18 + 0.18 x max(progress, 0) below 1, else 0.36 (NaN too)
  bool operator==(const RingGeometry&) const = default;
};

RingGeometry ringGeometry(double progress);

// The layout side of a ring: diameter + 2 x lineWidth.
double ringLayoutSide(double diameter, double lineWidth);

}  // namespace tidewell::design
