// Redraw, the Draw command's term list, and zeichnen: the walk over the scene's terms that draws
// every graph and runs the steps of the analysed term in their order.
#include "plot/plotter.h"

#include <algorithm>
#include <string>

#include "fktint/fktint.h"
#include "fktint/term_check.h"
#include "plot/coordinate_system.h"
#include "plot/first_term.h"
#include "plot/graphs.h"
#include "plot/scene.h"
#include "plot/point_labels.h"
#include "plot/texts.h"

namespace plotwerk::plot {

void Plotter::UpdateMapping(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (!IsValidView(view_)) view_ = BasicSetting(width, height);
  mapping_ = ScreenMapping::Compute(view_, width, height);
}

void Plotter::DrawCommand(const Controls& controls) {
  terms_.Clear();
  const std::pair<const std::string*, bool> fields[] = {
      {&controls.f1_term, controls.f1_plotted},
      {&controls.f2_term, controls.f2_plotted},
      {&controls.f3_term, controls.f3_plotted},
      {&controls.f4_term, controls.f4_plotted},
  };
  // A term that cannot be read is not drawn at all: no curve and no caption (the window's
  // field marks say why).
  int field = 0;
  for (const auto& [text, checked] : fields) {
    ++field;
    if (!text->empty() && checked && fktint::CheckTerm(*text).ok()) terms_.Add(*text, field);
  }
  // What the fields show is what is drawn: P and Q are taken from theirs on every Draw (Q read
  // with the new P, as a field may refer to the other letter).
  Parameters parameters = parameters_;
  if (!controls.parameter_p.empty()) {
    parameters.p = fktint::ReadNumberField(controls.parameter_p, parameters.p, parameters.q);
  }
  if (!controls.parameter_q.empty()) {
    parameters.q = fktint::ReadNumberField(controls.parameter_q, parameters.p, parameters.q);
  }
  SetParameters(parameters);
}

const Drawing& Plotter::Redraw(Canvas& canvas, int width, int height, const Controls& controls) {
  colour_switch_ = controls.coloured_graphs;
  UpdateMapping(width, height);
  canvas.SetFontName("Verdana");
  canvas.SetFontSize(9);
  canvas.SetTransparentTextBackground();
  return DrawPicture(canvas, controls);
}

const Drawing& Plotter::DrawPicture(Canvas& canvas, const Controls& controls) {
  Koordinatensystem(canvas, controls);
  return Zeichnen(canvas, controls);
}

void Plotter::Koordinatensystem(Canvas& canvas, const Controls& controls) const {
  plot::Koordinatensystem(canvas, mapping_, view_, controls, parameters_);
}

const Drawing& Plotter::Zeichnen(Canvas& canvas, const Controls& controls) {
  drawing_ = {};
  const Scene scene = ReadScene(controls, terms_, parameters_);
  x_from_ = scene.domain_from;
  x_to_ = scene.domain_to;
  CurvePlotter curves(canvas, mapping_, controls, colour_switch_, parameters_);
  curves.x_from = x_from_;
  curves.x_to = x_to_;
  FirstTermContext ctx{
      .canvas = canvas,
      .mapping = mapping_,
      .scene = scene,
      .parameters = parameters_,
      .out = drawing_,
      .points = points_,
      .curves = curves,
      .redraw_coordinate_system = [this, &canvas, &controls] { Koordinatensystem(canvas, controls); },
  };
  points_.marker_a = {};
  points_.marker_b = {};
  term_colours_.clear();

  for (std::size_t entry = 0; entry < scene.terms.size(); ++entry) {
    const SceneTerm& term = scene.terms[entry];
    const bool analysed = static_cast<std::ptrdiff_t>(entry) == scene.analysed;
    // The term's result line and the analysed term's area come before its graph.
    drawing_.results.Add(TermLine(term.text));
    if (analysed) AnalysedTermBeforeGraph(ctx);
    curves.PlotTerm(term.text, *term.compiled, term.field);
    term_colours_.push_back(curves.curve_colour);
    if (analysed) AnalysedTermAfterGraph(ctx);
  }
  // The labels come last, over every curve, and avoid the curves of the list.
  if (controls.point_labels && !ctx.marked.empty()) {
    std::vector<CurveRows> rows;
    for (const SceneTerm& term : scene.terms) rows.push_back(SampleCurveRows(term.text, mapping_, parameters_));
    DrawPointLabels(canvas, mapping_, ctx.marked, rows);
  }
  return drawing_;
}

}  // namespace plotwerk::plot
