// Checks shared by the tests of the pixel canvases (the raster test canvas and QtCanvas): the
// colours they draw with and the rule that a filled shape leaves out its right and bottom edges.
#pragma once

#include <gtest/gtest.h>

#include "plot/canvas.h"

namespace plotwerk::plot::testing {

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};

// A shape filled with `fill` by Rectangle or Ellipse(left, top, right, bottom): its centre has
// the fill colour, and no pixel of the column x = right or the row y = bottom has it, from two
// pixels before the shape to one after it.
inline void ExpectRightAndBottomEdgesLeftOut(Canvas& canvas, int left, int top, int right, int bottom,
                                             Rgb fill) {
  EXPECT_EQ(canvas.Pixel((left + right) / 2, (top + bottom) / 2), fill);
  for (int y = top - 2; y <= bottom + 1; ++y) EXPECT_NE(canvas.Pixel(right, y), fill) << right << "," << y;
  for (int x = left - 2; x <= right + 1; ++x) EXPECT_NE(canvas.Pixel(x, bottom), fill) << x << "," << bottom;
}

}  // namespace plotwerk::plot::testing
