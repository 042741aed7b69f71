// View navigation: shifts, zoom steps, rubber band, wheel zoom and pan.
#include "plot/navigation.h"

#include <cmath>
#include <cstdlib>

namespace plotwerk::plot {

namespace {

constexpr double kShiftDivisor = 5.0;
constexpr double kZoomDivisor = 10.0;
// The wheel moves each bound by this fraction of its distance to the fixed point, which at
// the centre is the button's tenth of the span.
constexpr double kWheelFraction = 2.0 / kZoomDivisor;

bool WithinCoordinates(double lo, double hi) {
  return std::isfinite(lo) && std::isfinite(hi) && std::fabs(lo) <= kMaxCoordinate &&
         std::fabs(hi) <= kMaxCoordinate && hi > lo;
}

// Moves one axis by d unless that would leave the precise, finite range.
void ShiftAxis(double& lo, double& hi, double d) {
  const double new_lo = lo + d;
  const double new_hi = hi + d;
  if (WithinCoordinates(new_lo, new_hi)) {
    lo = new_lo;
    hi = new_hi;
  }
}

void ZoomInAxis(double& lo, double& hi, double new_lo, double new_hi) {
  if (std::fabs(new_lo - new_hi) < kMinZoomStepSpan || !std::isfinite(new_lo) ||
      !std::isfinite(new_hi)) {
    return;
  }
  lo = new_lo;
  hi = new_hi;
}

void ZoomOutAxis(double& lo, double& hi, double new_lo, double new_hi) {
  if (!WithinCoordinates(new_lo, new_hi) || new_hi - new_lo > kMaxSpan) return;
  lo = new_lo;
  hi = new_hi;
}

// Orders two band corners into bounds, keeping a span of at least kMinBandSpan.
void SetBandAxis(double& lo, double& hi, double a, double b) {
  if (a < b) {
    lo = a;
    hi = b;
  } else {
    lo = b;
    hi = a;
  }
  if (std::fabs(lo - hi) < kMinBandSpan) hi = lo + kMinBandSpan;
}

}  // namespace

void ShiftLeft(PlotView& view) {
  ShiftAxis(view.x_min, view.x_max, (view.x_max - view.x_min) / kShiftDivisor);
}
void ShiftRight(PlotView& view) {
  ShiftAxis(view.x_min, view.x_max, -(view.x_max - view.x_min) / kShiftDivisor);
}
void ShiftUp(PlotView& view) {
  ShiftAxis(view.y_min, view.y_max, -(view.y_max - view.y_min) / kShiftDivisor);
}
void ShiftDown(PlotView& view) {
  ShiftAxis(view.y_min, view.y_max, (view.y_max - view.y_min) / kShiftDivisor);
}

void ZoomIn(PlotView& view) {
  const double dx = (view.x_max - view.x_min) / kZoomDivisor;
  ZoomInAxis(view.x_min, view.x_max, view.x_min + dx, view.x_max - dx);
  const double dy = (view.y_max - view.y_min) / kZoomDivisor;
  ZoomInAxis(view.y_min, view.y_max, view.y_min + dy, view.y_max - dy);
}

void ZoomOut(PlotView& view) {
  const double dx = (view.x_max - view.x_min) / kZoomDivisor;
  ZoomOutAxis(view.x_min, view.x_max, view.x_min - dx, view.x_max + dx);
  const double dy = (view.y_max - view.y_min) / kZoomDivisor;
  ZoomOutAxis(view.y_min, view.y_max, view.y_min - dy, view.y_max + dy);
}

double BandPixelToWorldX(const PlotView& view, int width, int px) {
  return view.x_min + static_cast<double>(px) / width * (view.x_max - view.x_min);
}

double BandPixelToWorldY(const PlotView& view, int height, int py) {
  return view.y_min + (static_cast<double>(height) - py) / height * (view.y_max - view.y_min);
}

bool BandZooms(int x0, int y0, int x1, int y1) {
  const auto distance = [](int a, int b) { return std::abs(static_cast<long long>(a) - b); };
  return distance(x1, x0) > kMinBandPixels && distance(y1, y0) > kMinBandPixels;
}

bool ZoomToBand(PlotView& view, int width, int height, int x0, int y0, int x1, int y1) {
  if (!BandZooms(x0, y0, x1, y1) || width <= 0 || height <= 0) return false;
  const PlotView old = view;
  SetBandAxis(view.x_min, view.x_max, BandPixelToWorldX(old, width, x0),
              BandPixelToWorldX(old, width, x1));
  SetBandAxis(view.y_min, view.y_max, BandPixelToWorldY(old, height, y0),
              BandPixelToWorldY(old, height, y1));
  return true;
}

void ZoomAbout(PlotView& view, double world_x, double world_y, bool zoom_in) {
  const double sign = zoom_in ? 1.0 : -1.0;
  const double f = sign * kWheelFraction;
  const auto apply = zoom_in ? ZoomInAxis : ZoomOutAxis;
  apply(view.x_min, view.x_max, view.x_min + (world_x - view.x_min) * f,
        view.x_max - (view.x_max - world_x) * f);
  apply(view.y_min, view.y_max, view.y_min + (world_y - view.y_min) * f,
        view.y_max - (view.y_max - world_y) * f);
}

void PanByPixels(PlotView& view, int width, int height, int dx, int dy) {
  if (width <= 0 || height <= 0) return;
  if (dx != 0) {
    ShiftAxis(view.x_min, view.x_max,
              -static_cast<double>(dx) / width * (view.x_max - view.x_min));
  }
  if (dy != 0) {
    ShiftAxis(view.y_min, view.y_max,
              static_cast<double>(dy) / height * (view.y_max - view.y_min));
  }
}

}  // namespace plotwerk::plot
