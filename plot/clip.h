// Clipping of segments and polygons to a rectangle in real arithmetic, so that canvases can
// accept any 32-bit coordinate and hand only bounded values to their rasteriser.
#pragma once

#include <vector>

namespace plotwerk::plot {

struct ClipRect {
  double left, top, right, bottom;
};

struct RealPoint {
  double x = 0, y = 0;
};

// Cuts the segment a-b to the rectangle (Liang-Barsky). False when nothing of it lies inside;
// otherwise a and b are moved onto the part inside.
bool ClipSegment(RealPoint& a, RealPoint& b, const ClipRect& rect);

// Cuts a closed polygon to the rectangle (Sutherland-Hodgman); empty when nothing is inside.
std::vector<RealPoint> ClipPolygon(const std::vector<RealPoint>& polygon, const ClipRect& rect);

// The ellipse of Canvas::Ellipse in the box left..right x top..bottom (right and bottom edges
// left out) as a polygon of kEllipseSegments vertices cut to the rectangle: how a canvas draws
// an ellipse too large for its rasteriser.
inline constexpr int kEllipseSegments = 256;
std::vector<RealPoint> ClipEllipse(double left, double top, double right, double bottom, const ClipRect& rect);

}  // namespace plotwerk::plot
