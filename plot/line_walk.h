// The pixels of a one-pixel line, in the order they are set: one walk for the screen bitmap and
// the test canvas, so both set the same pixels.
#pragma once

#include <cstdint>
#include <cstdlib>

namespace plotwerk::plot {

// Calls visit(x, y, step) for each pixel of the Bresenham line from (x0, y0) to (x1, y1), step
// counting from 0 at the start pixel; the end pixel only when `include_end`. At most
// max(|x1 - x0|, |y1 - y0|) + 1 calls, so callers clip the segment first.
template <typename Visit>
void WalkLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, bool include_end, Visit&& visit) {
  const std::int64_t dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  std::int64_t err = dx + dy;
  for (std::int64_t step = 0;; ++step) {
    const bool at_end = x0 == x1 && y0 == y1;
    if (at_end && !include_end) break;
    visit(x0, y0, step);
    if (at_end) break;
    const std::int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

}  // namespace plotwerk::plot
