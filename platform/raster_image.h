// A plain top-down RGB pixel buffer, the hand-over format between the screen bitmap and the
// Qt-free image encoders.
#pragma once

#include <cstddef>
#include <vector>

#include "plot/canvas.h"

namespace plotwerk::platform {

struct RasterImage {
  int width = 0;
  int height = 0;
  std::vector<plot::Rgb> pixels;  // row by row from the top, width * height entries

  RasterImage() = default;
  RasterImage(int w, int h, plot::Rgb fill = plot::kWhite)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

  plot::Rgb& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  plot::Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace plotwerk::platform
