#pragma once
// How a glossy tile moves: a slow wobble (rotation and breathing scale)
// whose phase comes from its symbol, and a tilt and grow while hovered.
// Pure functions; the widget reads the clock and the hover spring.

#include <QPointF>
#include <QString>
#include <QTransform>
#include <cstdint>

#include "design/motion/AmbientFrames.h"

namespace tidewell::design {

// Rotation about the tile's centre (degrees, clockwise on screen) and
// uniform scale about it.
struct BlobTransform {
  double rotationDegrees = 0;
  double scale = 1;
  bool operator==(const BlobTransform&) const = default;
};

// The hover spring: response 0.3 s, damping fraction 0.55.
inline constexpr double kBlobHoverResponse = 0.3;
inline constexpr double kBlobHoverDamping = 0.55;
// Frames of the wobble: the ambient frames, in step with the backdrop's
// drift (10 a second), so the two never paint the window apart.
inline constexpr int kBlobFrameMs = kAmbientFrameMs;

// FNV-1a (64 bit) over the UTF-8 bytes: the same on every run and platform.
uint64_t stableSymbolHash(const QString& symbol);
// (hash mod 628) / 100: 0 to 6.27 seconds.
double wobblePhase(const QString& symbol);

// At wobble time t (clock seconds plus the phase): rotation
// sin(0.8 t) x 2.6 degrees, scale 1 + 0.018 x sin(0.55 t).
BlobTransform wobbleTransform(double t);
// At hover amount a (0 resting, 1 hovered; the spring may overshoot):
// scale 1 + 0.08 a, rotation 3 a degrees.
BlobTransform hoverTransform(double amount);
// One after the other, about the same centre.
BlobTransform combine(const BlobTransform& first, const BlobTransform& second);

// The whole motion of a tile at clock time now: the wobble when wobbles
// and motion is allowed, combined with the hover amount when motion is
// allowed; under reduce motion the tile stands still and upright.
BlobTransform blobTransform(const QString& symbol, bool wobbles, bool reduceMotion, double now,
                            double hoverAmount);

// The transform as a matrix about centre.
QTransform aboutCentre(const BlobTransform& transform, QPointF centre);

// How far, in points, the corners of a square tile of side size move from
// one transform to another about its centre.
double blobStep(const BlobTransform& from, const BlobTransform& to, double size);

// The wobble's next frame is painted once the tile's corners have moved
// this far (in points) since the frame on screen: at its swing that is
// every second to fourth tick, so the sway looks as smooth as at ten
// frames a second while the tiles repaint a few times a second.
inline constexpr double kVisibleBlobStep = 0.25;

// Whether a frame from shown to next is worth painting: it moved the
// corners visibly, or reduce motion is standing the tile still.
bool blobFrameShows(const BlobTransform& shown, const BlobTransform& next, double size, bool reduceMotion);

}  // namespace tidewell::design
