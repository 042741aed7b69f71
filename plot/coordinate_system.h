// koordinatensystem: grid, fine grid, axes with arrow heads, ticks, labels and frame, as the
// options of the "Coordinate system" menu say.
#pragma once

#include "plot/canvas.h"
#include "plot/controls.h"
#include "plot/parameters.h"
#include "plot/view.h"

namespace plotwerk::plot {

// Bounds of the tick and grid passes: each pass jumps to the first visible multiple of its
// step, so it draws at most the visible ticks; these only guard against degenerate steps.
inline constexpr int kMaxTicksPerPass = 100000;

// The tick step N/d of one axis: N from the span, d doubled (8 -> 10, 80 -> 100) while one
// step is wider than max_pixels. `pixel_of` maps a tick value to its rounded pixel.
struct TickStep {
  double n = 1;
  double d = 1;
  double Step() const { return n / d; }
};
TickStep XTickStep(const ScreenMapping& mapping);
TickStep YTickStep(const ScreenMapping& mapping);

// A line from (x1, y1) to (x2, y2) with a filled arrow head at (x2, y2).
void DrawArrow(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// The axes, grid, ticks and frame; typed tick spacings are read with `parameters`.
void Koordinatensystem(Canvas& canvas, const ScreenMapping& mapping, const PlotView& view,
                       const Controls& controls, const Parameters& parameters);

}  // namespace plotwerk::plot
