// The steps of zeichnen that belong to the analysed term (by default the first term of the
// list): result lines, area and integral, the searches with their marks and bottom texts, the
// derived curves, the family, the antiderivative, the constructions at A and B and the value
// table, in the order of the walk, all sharing one context.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plot/canvas.h"
#include "plot/drawing.h"
#include "plot/graphs.h"
#include "plot/parameters.h"
#include "plot/point_labels.h"
#include "plot/point_tables.h"
#include "plot/scene.h"
#include "plot/view.h"

namespace plotwerk::plot {

struct FirstTermContext {
  Canvas& canvas;
  const ScreenMapping& mapping;
  const Scene& scene;
  // P and Q of the run, the plotter's own: the family of curves sets Q to the value it runs up
  // to, for the steps after it and for the next pictures.
  Parameters& parameters;
  Drawing& out;  // the result lines and the captions of the run
  PointTables& points;
  CurvePlotter& curves;  // curve number, colours, PlotTerm for straight lines
  // Draws the coordinate system again on the canvas (after the area fill).
  std::function<void()> redraw_coordinate_system;

  std::string first_derivative{};
  std::string second_derivative{};
  // The second boundary of the area: the partner when it is drawn, else the x-axis "0".
  std::string second_area_term{};
  // Every point marked in this run, in the order of the marks, for the point labels.
  std::vector<MarkedPoint> marked{};
  std::int32_t text_row_count = 0;
};

// Order in zeichnen: for every term its result line; for the analysed term then
// AnalysedTermBeforeGraph, its graph, AnalysedTermAfterGraph. Each step checks its own
// controls. The result memo itself, its scroll bar included, is the window's: only it knows the
// memo's height.

// Forms the first and second derivative and adds their lines; with c_integral hatches the area
// between A and B, redraws the coordinate system and computes the integral.
void AnalysedTermBeforeGraph(FirstTermContext& ctx);
// Zeros, extrema, inflection points and tangents, intersections (marks and texts); the derived
// curves and the family; the antiderivative, the inverse curve and the combinations with the
// partner; point A, tangent and normal at A, point B, secant AB; the value table.
void AnalysedTermAfterGraph(FirstTermContext& ctx);

}  // namespace plotwerk::plot
