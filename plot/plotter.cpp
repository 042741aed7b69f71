// Redraw, the Draw command's term list, and zeichnen: the walk over the term list that draws
// every graph and runs the first-term steps in their order.
#include "plot/plotter.h"

#include <algorithm>
#include <string>

#include "fktint/fktint.h"
#include "fktint/term_check.h"
#include "plot/coordinate_system.h"
#include "plot/first_term.h"
#include "plot/graphs.h"
#include "plot/point_labels.h"
#include "plot/texts.h"

namespace plotwerk::plot {

namespace {

// Derived kinds 3 to 10 and the menu item that enables each, in drawing order.
struct TransformItem {
  bool Controls::*item;
  DerivedKind kind;
};
constexpr TransformItem kTransformItems[] = {
    {&Controls::mirror_in_x_axis, DerivedKind::MirrorX},
    {&Controls::mirror_in_y_axis, DerivedKind::Negate},
    {&Controls::mirror_in_origin, DerivedKind::MirrorOrigin},
    {&Controls::composition, DerivedKind::SelfCompose},
    {&Controls::shift_along_x, DerivedKind::ShiftX},
    {&Controls::stretch_along_x, DerivedKind::StretchX},
    {&Controls::shift_along_y, DerivedKind::ShiftY},
    {&Controls::stretch_along_y, DerivedKind::StretchY},
};

void FirstTermBlock(FirstTermContext& ctx, CurvePlotter& curves) {
  const Controls& c = ctx.controls;
  const std::string& f1 = ctx.term;
  AnalyseFirstTerm(ctx);

  if (c.first_derivative) curves.PlotDerivedCurve(f1, DerivedKind::FirstDerivative);
  if (c.second_derivative) curves.PlotDerivedCurve(f1, DerivedKind::SecondDerivative);
  for (const TransformItem& t : kTransformItems) {
    if (c.*t.item) curves.PlotDerivedCurve(f1, t.kind);
  }

  if (c.family) {
    curves.PlotFamily(f1);
    if (curves.family_truncated) {
      ctx.results.Add(Localized("Array of functions: only the first %1 curves drawn",
                                {std::to_string(kMaxFamilyMembers)}));
    }
  }
  if (c.antiderivative) {
    curves.SetCurveStyle();
    DrawAntiderivative(ctx);
  }
  if (c.inverse_of_f1) {
    curves.SetCurveStyle();
    curves.PlotInverse(f1);
  }

  // The combinations take the analysed term with its partner (f1 with f2 by default).
  const std::string& f2 = ctx.partner;
  if (!f2.empty()) {
    if (c.sum_f1_f2) curves.PlotTerm(f1 + "+(" + f2 + ")");
    if (c.difference_f1_f2) curves.PlotTerm(f1 + "-(" + f2 + ")");
    if (c.product_f1_f2) curves.PlotTerm("(" + f1 + ")*(" + f2 + ")");
    if (c.quotient_f1_f2 && f2 != "0") curves.PlotTerm("(" + f1 + ")/(" + f2 + ")");
  }

  DrawConstructions(ctx);
  if (c.value_table) AddValueTable(ctx);
}

}  // namespace

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
  // What the fields show is what is drawn: P and Q are taken from theirs on every Draw.
  if (!controls.parameter_p.empty()) fktint::ParamP = fktint::ReadNumberField(controls.parameter_p);
  if (!controls.parameter_q.empty()) fktint::ParamQ = fktint::ReadNumberField(controls.parameter_q);
}

void Plotter::Redraw(Canvas& canvas, int width, int height, Controls& controls) {
  colour_switch_ = controls.coloured_graphs;
  UpdateMapping(width, height);
  canvas.SetFontName("Verdana");
  canvas.SetFontSize(9);
  canvas.SetTransparentTextBackground();
  DrawPicture(canvas, controls);
}

void Plotter::DrawPicture(Canvas& canvas, Controls& controls) {
  Koordinatensystem(canvas, controls);
  Zeichnen(canvas, controls);
}

void Plotter::Koordinatensystem(Canvas& canvas, const Controls& controls) const {
  plot::Koordinatensystem(canvas, mapping_, view_, controls);
}

void Plotter::Zeichnen(Canvas& canvas, Controls& controls) {
  results_.Clear();
  CurvePlotter curves(canvas, mapping_, controls, colour_switch_);
  x_from_ = fktint::ReadNumberField(controls.domain_from);
  x_to_ = fktint::ReadNumberField(controls.domain_to);
  curves.x_from = x_from_;
  curves.x_to = x_to_;
  FirstTermContext ctx{
      .canvas = canvas,
      .mapping = mapping_,
      .view = view_,
      .controls = controls,
      .results = results_,
      .points = points_,
      .curves = curves,
      .redraw_coordinate_system = [this, &canvas, &controls] { Koordinatensystem(canvas, controls); },
      .xA = fktint::ReadNumberField(controls.point_a_x),
      .xB = fktint::ReadNumberField(controls.point_b_x),
  };
  curves.label_switch = controls.term_captions;
  points_.marker_a = {};
  points_.marker_b = {};
  term_colours_.clear();
  if (terms_.Size() == 0) return;
  ChoosePartner(ctx);
  const std::ptrdiff_t analysed = AnalysedEntry(controls, terms_.Size());

  terms_.Rewind();
  for (std::ptrdiff_t entry = 0; !terms_.AtEnd(); ++entry) {
    const std::string term = terms_.Next();
    // The term's result line and the analysed term's area come before its graph, under the
    // number its graph is about to get.
    const std::int32_t number = curves.NextCurveNumber();
    AddTermResultLine(ctx, term, number);
    if (entry == analysed) {
      ctx.term = term;
      AddDerivativeLines(ctx);
      if (controls.integral) DrawIntegralArea(ctx);
    }
    curves.PlotTerm(term, terms_.LastField());
    term_colours_.push_back(curves.curve_colour);
    if (entry == analysed) FirstTermBlock(ctx, curves);
  }
  // The labels come last, over every curve, and avoid the curves of the list.
  if (controls.point_labels && !ctx.marked.empty()) {
    std::vector<CurveRows> rows;
    for (const std::string& term : terms_.Terms()) rows.push_back(SampleCurveRows(term, mapping_));
    DrawPointLabels(canvas, mapping_, ctx.marked, rows);
  }
}

}  // namespace plotwerk::plot
