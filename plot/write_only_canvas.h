// A canvas whose drawing goes into a file or to a page and is never read back.
#pragma once

#include <cstdint>

#include "plot/canvas.h"

namespace plotwerk::plot {

// Every pixel reads as the white background, as on a fresh page: there is no picture to look
// at, so a test for a colour already drawn finds none.
class WriteOnlyCanvas : public Canvas {
 public:
  Rgb Pixel(std::int32_t, std::int32_t) final { return kWhite; }
};

}  // namespace plotwerk::plot
