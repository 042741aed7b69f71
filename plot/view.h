// The visible window of the plane (PlotView) and its mapping to pixels (ScreenMapping), with
// the rounding every drawing routine uses to turn a real pixel position into an integer.
#pragma once

#include <cstdint>

namespace plotwerk::plot {

struct PlotView {
  double x_min = -6;
  double x_max = 6;
  double y_min = -5;
  double y_max = 5;
  friend constexpr bool operator==(const PlotView&, const PlotView&) = default;
};

// x from -6 to 6 and the y range that gives both axes the same scale on width x height pixels.
PlotView BasicSetting(int width, int height);

// The drawing area when the main window opens with the result memo hidden.
inline constexpr int kDefaultAreaWidth = 846;
inline constexpr int kDefaultAreaHeight = 597;

// The view spans are positive and finite (what Redraw relies on).
bool IsValidView(const PlotView& view);

// The largest 32-bit pixel coordinate, as a double.
inline constexpr double kPixelLimit = 2147483647.0;

// True when |v| < kPixelLimit, strictly: only then may v be rounded to a 32-bit pixel.
inline bool InPixelRange(double v) { return v < kPixelLimit && v > -kPixelLimit; }

// Rounds half to even (2.5 -> 2, 3.5 -> 4), independent of the floating-point rounding mode.
// The value must have passed InPixelRange.
std::int32_t RoundHalfEven(double v);

// Rounds a value of any size: out-of-range values and NaN are clamped to a row or column far
// outside any surface (kFarOutsidePixel), so callers that only need "somewhere off the
// picture" stay safe.
inline constexpr std::int32_t kFarOutsidePixel = 1 << 30;
std::int32_t RoundHalfEvenClamped(double v);
double RoundHalfEvenReal(double v);

// origin_x and origin_y are the 32-bit pixel of world 0; a view far from the origin puts it
// beyond 32 bits, so the mapping functions use the same rounded value kept as a double
// (identical whenever it fits) and the integer fields hold it clamped far outside the area.
struct ScreenMapping {
  std::int32_t origin_x = 0;
  std::int32_t origin_y = 0;
  double x_scale = 1;
  double y_scale = 1;
  double x_span = 1;
  double y_span = 1;
  std::int32_t width = 1;
  std::int32_t height = 1;
  double origin_x_real = 0;
  double origin_y_real = 0;

  // Recomputes every field from the view and the area, in the order Redraw does.
  static ScreenMapping Compute(const PlotView& view, int width, int height);

  double PixelToWorldX(std::int32_t px) const { return (px - origin_x_real) / x_scale; }
  double WorldToPixelX(double x) const { return x * x_scale + origin_x_real; }
  double WorldToPixelY(double y) const { return -y * y_scale + origin_y_real; }
};

}  // namespace plotwerk::plot
