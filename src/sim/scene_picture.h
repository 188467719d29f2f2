#pragma once

#include "sim/bitmap_canvas.h"
#include "sim/host_state.h"

namespace orvalis::sim {

// The size of the pictures the host keeps of its view.
inline constexpr int kViewPictureWidth = 1024;
inline constexpr int kViewPictureHeight = 768;

// What the host's view shows now, as a picture: every drawn line in the
// view's direction, within the window the last view command fitted (or fitted
// now when none did), and the axes in the corner while they are drawn. On a
// white background every entity is drawn dark (the host draws its white
// entities black there); otherwise light on the host's dark background.
BitmapCanvas RenderView(const HostState& state, bool white_background);

}  // namespace orvalis::sim
