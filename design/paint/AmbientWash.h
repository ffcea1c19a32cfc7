#pragma once
// The slowly drifting colour wash of the backdrop: three soft radial glows
// over the window background, moving with time t (seconds since
// 2001-01-01). Pure rules plus the paint function.

#include <QColor>
#include <QRectF>
#include <array>

#include "design/motion/AmbientFrames.h"
#include "design/theme/Gradients.h"
#include "design/theme/SectionPalette.h"

class QPainter;

namespace tidewell::design {

// Frames of the drift: the ambient frames (10 a second).
inline constexpr int kWashFrameMs = kAmbientFrameMs;

struct WashGlow {
  UnitPoint centre;      // in unit points of the backdrop
  double opacity = 0;    // of the glow's colour at its centre
  double endRadius = 0;  // points; clear from there on
};

// The three glows at t, back to front:
// 1. the accent's primary, opacity 0.14 + 0.03 sin(0.21 t), centre
//    (0.2 + 0.15 sin(0.23 t), -0.02 + 0.1 cos(0.17 t)), radius 680;
// 2. the accent's deep, opacity 0.14 + 0.03 cos(0.19 t), centre
//    (0.9 + 0.13 sin(-0.16 t), 1.02 + 0.08 cos(0.26 t)), radius 780;
// 3. the Apps palette's deep in every section, opacity 0.08 + 0.02
//    sin(0.13 t), centre (0.55 + 0.18 cos(0.11 t), 0.45 + 0.14 sin(0.15 t)),
//    radius 600.
std::array<WashGlow, 3> washGlows(double t);
// Their colours, in the same order.
std::array<QColor, 3> washColours(const SectionPalette& accent);

// The background colour and the three glows over rect. scale shrinks the
// glows' radii for a picture drawn at reduced resolution (rect already in
// its pixels).
void paintAmbientWash(QPainter& painter, const QRectF& rect, const SectionPalette& accent, double t,
                      double scale = 1.0);

}  // namespace tidewell::design
