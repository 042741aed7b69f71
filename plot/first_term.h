// The steps of zeichnen that belong to the first term of the term list (searches and marks,
// area and integral, antiderivative, constructions at A and B, result lines, value table),
// called by zeichnen at their places in the walk, all sharing one context.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plot/canvas.h"
#include "plot/controls.h"
#include "plot/graphs.h"
#include "plot/point_labels.h"
#include "plot/point_tables.h"
#include "plot/result_list.h"
#include "plot/results.h"
#include "plot/view.h"

namespace plotwerk::plot {

struct FirstTermContext {
  Canvas& canvas;
  const ScreenMapping& mapping;
  const PlotView& view;
  Controls& controls;  // the labels Label10, Label11, Label13, Label15 are written back here
  ResultList& results;
  PointTables& points;
  CurvePlotter& curves;  // curve number, colours, PlotTerm for straight lines
  // Draws the coordinate system again on the canvas (after the area fill).
  std::function<void()> redraw_coordinate_system;

  std::string term{};  // the analysed term (by default the first term of the term list)
  // The term the area and the intersections are taken with (f2, or f1 when f2 is analysed),
  // and the names the result lines give both.
  std::string partner{};
  bool partner_drawn = false;
  TermNames names{};
  std::string first_derivative{};
  std::string second_derivative{};
  std::string second_area_term{};
  double xA = 0;
  double xB = 0;
  // Every point marked in this run, in the order of the marks, for the point labels.
  std::vector<MarkedPoint> marked{};
  std::int32_t text_row_count = 0;
};

// Which entry of the term list the first-term steps work on, as cb_analyse chooses: the first
// entry, or the entry of the chosen field (the Draw command lists the checked, non-empty
// fields in the order f1 to f4). -1 when the chosen field is not drawn.
std::ptrdiff_t AnalysedEntry(const Controls& controls, std::size_t list_size);
// The numbers (1 to 4) of the fields the Draw command puts into the term list, in its order.
std::vector<int> DrawnFields(const Controls& controls);
// Sets partner, partner_drawn and names for the choice in ctx.controls.
void ChoosePartner(FirstTermContext& ctx);

// Order in zeichnen: for every term AddTermResultLine; for the first term then
// AddDerivativeLines, DrawIntegralArea (with c_integral), its graph, AnalyseFirstTerm, the
// derived curves and family, DrawAntiderivative (with c_stammfunktion, after a SetCurveStyle),
// the inverse curve and combinations, DrawConstructions, AddValueTable (with c_wertetabelle).
// Seams without a guard check their own controls. The result memo itself, its scroll bar
// included, is the window's: only it knows the memo's height.

// The result line of a term of the list; curve_number is the term's number in this run.
void AddTermResultLine(FirstTermContext& ctx, const std::string& term, std::int32_t curve_number);
// Forms first_derivative and second_derivative of ctx.term and adds their lines.
void AddDerivativeLines(FirstTermContext& ctx);
// Hatches the area between A and B, redraws the coordinate system, computes the integral.
void DrawIntegralArea(FirstTermContext& ctx);
// Zeros, extrema, inflection points and tangents, intersections with f2: marks and texts.
void AnalyseFirstTerm(FirstTermContext& ctx);
// The antiderivative curve in the style just set.
void DrawAntiderivative(FirstTermContext& ctx);
// Point A, tangent and normal at A, point B, secant AB.
void DrawConstructions(FirstTermContext& ctx);
// The value table lines.
void AddValueTable(FirstTermContext& ctx);

}  // namespace plotwerk::plot
