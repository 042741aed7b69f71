// Where the printed picture goes on the page: 20-pixel margins left, top and right, the height
// following the picture's aspect, and the masking bands that hide what is drawn outside it.
// Pure arithmetic, no toolkit.
#pragma once

#include <array>

#include "plot/canvas.h"

namespace plotwerk::platform {

inline constexpr int kPrintMargin = 20;  // printer pixels
inline constexpr int kMaskingOverlap = 20;  // picture pixels the bands reach beyond the picture

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend constexpr bool operator==(const Box&, const Box&) = default;
};

struct PrintLayout {
  // The page rectangle the picture (0, 0)-(W, H) is stretched into: from (20, 20) to
  // (page width - 20, h) with h = nearest((page width - 20) / W * H).
  Box target;
  // nearest(page height * W / page width + 20): the page height in picture pixels, plus 20.
  int band_bottom = 0;
  // White rectangles above, left of, right of and below the picture, in picture pixels.
  std::array<Box, 4> bands{};
};

// picture_width and picture_height are the drawing area W x H; page sizes in printer pixels.
// Sizes below 1 are taken as 1.
PrintLayout ComputePrintLayout(int picture_width, int picture_height, int page_width, int page_height);

// Draws the four bands with a white brush and an invisible pen.
void PaintMaskingBands(plot::Canvas& canvas, const PrintLayout& layout);

}  // namespace plotwerk::platform
