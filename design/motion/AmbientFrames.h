#pragma once
// The frames of the motion that never stops, the backdrop's drift and the
// glossy tiles' wobble: 10 a second. Every FrameTimer of one interval ticks
// on one shared beat of AnimationClock, so a window showing both paints
// once per frame for all of them, never ten plus some more.

namespace tidewell::design {

inline constexpr int kAmbientFrameMs = 100;

}  // namespace tidewell::design
