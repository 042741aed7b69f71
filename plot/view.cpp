// PlotView helpers, the pixel mapping and half-to-even rounding.
#include "plot/view.h"

#include <cmath>
#include <limits>

namespace plotwerk::plot {

PlotView BasicSetting(int width, int height) {
  PlotView view;
  const double ratio = width > 0 ? static_cast<double>(height) / width : 1.0;
  view.x_min = -6;
  view.x_max = 6;
  view.y_min = -6 * ratio;
  view.y_max = 6 * ratio;
  return view;
}

bool IsValidView(const PlotView& view) {
  const double x_span = view.x_max - view.x_min;
  const double y_span = view.y_max - view.y_min;
  return std::isfinite(view.x_min) && std::isfinite(view.x_max) && std::isfinite(view.y_min) &&
         std::isfinite(view.y_max) && std::isfinite(x_span) && std::isfinite(y_span) && x_span > 0 &&
         y_span > 0;
}

double RoundHalfEvenReal(double v) {
  const double lower = std::floor(v);
  const double fraction = v - lower;
  double rounded = lower;
  if (fraction > 0.5) {
    rounded = lower + 1;
  } else if (fraction == 0.5) {
    rounded = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
  }
  return rounded;
}

std::int32_t RoundHalfEven(double v) { return static_cast<std::int32_t>(RoundHalfEvenReal(v)); }

std::int32_t RoundHalfEvenClamped(double v) {
  if (std::isnan(v)) return kFarOutsidePixel;
  if (v >= kFarOutsidePixel) return kFarOutsidePixel;
  if (v <= -kFarOutsidePixel) return -kFarOutsidePixel;
  return RoundHalfEven(v);
}

ScreenMapping ScreenMapping::Compute(const PlotView& view, int width, int height) {
  ScreenMapping m;
  m.width = width;
  m.height = height;
  m.x_span = view.x_max - view.x_min;
  m.y_span = view.y_max - view.y_min;
  m.x_scale = width / m.x_span;
  m.y_scale = height / m.y_span;
  m.origin_x_real = RoundHalfEvenReal(-width * view.x_min / (view.x_max - view.x_min));
  m.origin_y_real = RoundHalfEvenReal(height * view.y_min / (view.y_max - view.y_min) + height);
  m.origin_x = RoundHalfEvenClamped(m.origin_x_real);
  m.origin_y = RoundHalfEvenClamped(m.origin_y_real);
  return m;
}

}  // namespace plotwerk::plot
