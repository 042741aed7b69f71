// Print page geometry.
#include "platform/print_layout.h"

#include <algorithm>
#include <cmath>

namespace plotwerk::platform {

namespace {

// Rounds to the nearest integer, halves to even (the default floating-point rounding mode).
int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

PrintLayout ComputePrintLayout(int picture_width, int picture_height, int page_width, int page_height) {
  const int w_pic = std::max(picture_width, 1), h_pic = std::max(picture_height, 1);
  const int page_w = std::max(page_width, 1), page_h = std::max(page_height, 1);
  PrintLayout layout;
  const double r = static_cast<double>(w_pic) / page_w;
  layout.band_bottom = Nearest(page_h * r + kMaskingOverlap);
  const double w = page_w - kPrintMargin;
  const int h = Nearest(w / w_pic * h_pic);
  layout.target = {kPrintMargin, kPrintMargin, page_w - kPrintMargin, h};
  const int b = layout.band_bottom, o = kMaskingOverlap;
  layout.bands = {{{-o, -o, w_pic + o, -1},
                   {-o, -o, -1, b},
                   {w_pic + 1, -o, w_pic + o, b},
                   {-o, h_pic + 1, w_pic + o, b}}};
  return layout;
}

void PaintMaskingBands(plot::Canvas& canvas, const PrintLayout& layout) {
  canvas.SetBrushColor(plot::kWhite);
  canvas.SetPenStyle(plot::PenStyle::Clear);
  for (const Box& band : layout.bands) canvas.Rectangle(band.left, band.top, band.right, band.bottom);
}

}  // namespace plotwerk::platform
