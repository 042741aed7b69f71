// Names and coordinates beside the marked points of the picture ("Label points"): the texts in
// the window's language and the placement that keeps them off each other and off the curves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plot/canvas.h"
#include "plot/parameters.h"
#include "plot/view.h"

namespace plotwerk::plot {

enum class PointKind { Zero, Maximum, Minimum, Inflection, Intersection, MarkerA, MarkerB };

// A point the drawing marked, in the plane and on the picture.
struct MarkedPoint {
  PointKind kind = PointKind::Zero;
  double x = 0;
  double y = 0;
  double col = 0;
  double row = 0;
};

// The label of every point, in order: its short name (numbered from 1 when its kind occurs
// more than once; A and B keep their letters) and its coordinates as the result list shows
// them. English: Z1, Max, Min, I, X1 with "(x; y)"; the German catalogue gives N1, H, T, W,
// S1 with "(x|y)".
std::vector<std::string> PointLabelTexts(const std::vector<MarkedPoint>& points);

// Rows of one drawn curve, one per column of the area (not a number where it is undefined).
using CurveRows = std::vector<double>;

// Where the labels go: each label tries a few places around its point and takes the one that
// overlaps the labels placed before it, the marks and the curves the least and stays on the
// area. Points off the area get no label.
struct PlacedLabel {
  std::string text;
  std::int32_t x = 0;  // top left corner of the text
  std::int32_t y = 0;
};
std::vector<PlacedLabel> PlacePointLabels(Canvas& canvas, const ScreenMapping& mapping,
                                          const std::vector<MarkedPoint>& points,
                                          const std::vector<CurveRows>& curves);

// Places and writes the labels in black.
void DrawPointLabels(Canvas& canvas, const ScreenMapping& mapping, const std::vector<MarkedPoint>& points,
                     const std::vector<CurveRows>& curves);

// The rows of a term's curve on the area, for PlacePointLabels.
CurveRows SampleCurveRows(const std::string& term, const ScreenMapping& mapping, const Parameters& parameters);

}  // namespace plotwerk::plot
