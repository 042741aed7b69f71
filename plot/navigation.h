// View navigation on the PlotView: the four shifts, zoom in and out, the rubber-band zoom, and
// the wheel zoom and pan, all held inside the same limits.
#pragma once

#include "plot/view.h"

namespace plotwerk::plot {

// A zoom-in step is not applied on an axis whose span would fall below this.
inline constexpr double kMinZoomStepSpan = 0.05;
// A rubber-band zoom never leaves a span below this.
inline constexpr double kMinBandSpan = 0.01;
// A rubber band must be larger than this in both directions (pixels) to zoom.
inline constexpr int kMinBandPixels = 10;
// Zooming out and shifting stop here: beyond, spans and bounds would lose all precision on
// the way to overflowing (a span of 0.01 still has about 80 distinct doubles at 10^12).
inline constexpr double kMaxSpan = 1e12;
inline constexpr double kMaxCoordinate = 1e12;

// The picture moves in the direction of the arrow by a fifth of the span. A shift that would
// carry a bound beyond kMaxCoordinate is not applied.
void ShiftLeft(PlotView& view);
void ShiftRight(PlotView& view);
void ShiftUp(PlotView& view);
void ShiftDown(PlotView& view);

// Zoom in: each bound moves inwards by a tenth of the span; undone on an axis whose span
// would fall below kMinZoomStepSpan.
void ZoomIn(PlotView& view);
// Zoom out: each bound moves outwards by a tenth of the span; not applied on an axis whose
// span would exceed kMaxSpan or whose bounds would exceed kMaxCoordinate.
void ZoomOut(PlotView& view);

// World coordinates of a pixel, taken directly against the view (not through the origin of
// the screen mapping): x = x_min + px/W·span, y = y_min + (H − py)/H·span.
double BandPixelToWorldX(const PlotView& view, int width, int px);
double BandPixelToWorldY(const PlotView& view, int height, int py);

// True when the rectangle is larger than kMinBandPixels in both directions.
bool BandZooms(int x0, int y0, int x1, int y1);

// Zooms to the rectangle between the two pixel corners (in either order). Returns false and
// leaves the view when the rectangle is too small.
bool ZoomToBand(PlotView& view, int width, int height, int x0, int y0, int x1, int y1);

// Wheel zoom: the zoom steps of the buttons about a world point instead of the centre, so
// the point stays where it is; the same limits apply per axis.
void ZoomAbout(PlotView& view, double world_x, double world_y, bool zoom_in);

// Pan by a pointer movement of (dx, dy) pixels: the picture follows the pointer. Each axis
// obeys the shift limit.
void PanByPixels(PlotView& view, int width, int height, int dx, int dy);

}  // namespace plotwerk::plot
