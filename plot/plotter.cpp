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
    {&Controls::spiegelungxachse, DerivedKind::MirrorX},
    {&Controls::spiegelungyachse, DerivedKind::Negate},
    {&Controls::spiegelungursprung, DerivedKind::MirrorOrigin},
    {&Controls::nacheinanderausfuehrung, DerivedKind::SelfCompose},
    {&Controls::verschiebungxachse, DerivedKind::ShiftX},
    {&Controls::streckungxachse, DerivedKind::StretchX},
    {&Controls::verschiebungyachse, DerivedKind::ShiftY},
    {&Controls::streckungyachse, DerivedKind::StretchY},
};

void FirstTermBlock(FirstTermContext& ctx, CurvePlotter& curves) {
  const Controls& c = ctx.controls;
  const std::string& f1 = ctx.term;
  AnalyseFirstTerm(ctx);

  if (c.c_1ableitung) curves.PlotDerivedCurve(f1, DerivedKind::FirstDerivative);
  if (c.c_2ableitung) curves.PlotDerivedCurve(f1, DerivedKind::SecondDerivative);
  for (const TransformItem& t : kTransformItems) {
    if (c.*t.item) curves.PlotDerivedCurve(f1, t.kind);
  }

  if (c.c_schar) {
    curves.PlotFamily(f1);
    if (curves.family_truncated) {
      ctx.results.Add(Localized("Array of functions: only the first %1 curves drawn",
                                {std::to_string(kMaxFamilyMembers)}));
    }
  }
  if (c.c_stammfunktion) {
    curves.SetCurveStyle();
    DrawAntiderivative(ctx);
  }
  if (c.Umkehrkurvezuf1x1) {
    curves.SetCurveStyle();
    curves.PlotInverse(f1);
  }

  // The combinations take the analysed term with its partner (f1 with f2 by default).
  const std::string& f2 = ctx.partner;
  if (!f2.empty()) {
    if (c.funktionsaddition) curves.PlotTerm(f1 + "+(" + f2 + ")");
    if (c.funktionssubtraktion1) curves.PlotTerm(f1 + "-(" + f2 + ")");
    if (c.funktionsmultiplikation) curves.PlotTerm("(" + f1 + ")*(" + f2 + ")");
    if (c.funktionsdivision1 && f2 != "0") curves.PlotTerm("(" + f1 + ")/(" + f2 + ")");
  }

  DrawConstructions(ctx);
  if (c.c_wertetabelle) AddValueTable(ctx);
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
      {&controls.ed_f1, controls.c_f1},
      {&controls.ed_f2, controls.c_f2},
      {&controls.ed_f3, controls.c_f3},
      {&controls.ed_f4, controls.c_f4},
  };
  // A term that cannot be read is not drawn at all: no curve and no caption (the window's
  // field marks say why).
  int field = 0;
  for (const auto& [text, checked] : fields) {
    ++field;
    if (!text->empty() && checked && fktint::CheckTerm(*text).ok()) terms_.Add(*text, field);
  }
  // What the fields show is what is drawn: P and Q are taken from theirs on every Draw.
  if (!controls.ed_parameter.empty()) fktint::ParamP = fktint::ReadNumberField(controls.ed_parameter);
  if (!controls.ed_q.empty()) fktint::ParamQ = fktint::ReadNumberField(controls.ed_q);
}

void Plotter::Redraw(Canvas& canvas, int width, int height, Controls& controls) {
  colour_switch_ = controls.m_farbe;
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
  x_from_ = fktint::ReadNumberField(controls.ed_xvon);
  x_to_ = fktint::ReadNumberField(controls.ed_xbis);
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
      .xA = fktint::ReadNumberField(controls.ed_A),
      .xB = fktint::ReadNumberField(controls.ed_B),
  };
  curves.label_switch = controls.m_terme;
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
      if (controls.c_integral) DrawIntegralArea(ctx);
    }
    curves.PlotTerm(term, terms_.LastField());
    term_colours_.push_back(curves.curve_colour);
    if (entry == analysed) FirstTermBlock(ctx, curves);
  }
  // The labels come last, over every curve, and avoid the curves of the list.
  if (controls.m_punktnamen && !ctx.marked.empty()) {
    std::vector<CurveRows> rows;
    for (const std::string& term : terms_.Terms()) rows.push_back(SampleCurveRows(term, mapping_));
    DrawPointLabels(canvas, mapping_, ctx.marked, rows);
  }
}

}  // namespace plotwerk::plot
