// The steps of zeichnen for the analysed term: result lines, area and integral, the searches
// with their marks and bottom texts, the derived and extra curves, the constructions at A and B
// and the value table.
#include "plot/first_term.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "fktint/fktint.h"
#include "plot/analysis.h"
#include "plot/constructions.h"
#include "plot/results.h"
#include "plot/texts.h"
#include "uableitung/uableitung.h"

namespace plotwerk::plot {

namespace {

// Brush colours of the marks of the four searches.
constexpr Rgb kZeroMarkColour{0, 255, 255};
constexpr Rgb kExtremumMarkColour{255, 0, 255};
constexpr Rgb kInflectionMarkColour{255, 128, 128};
constexpr Rgb kIntersectionMarkColour{0, 0, 255};
// The font colour of all texts after the inflection section.
constexpr Rgb kAfterInflectionFontColour{255, 0, 0};

// The bottom texts: the first stands this far above the lower edge, each further one a row higher.
constexpr std::int64_t kBottomTextOffset = 30;
constexpr std::int64_t kBottomTextRow = 16;
constexpr std::int32_t kBottomTextLeft = 16;
// Decimals of the slope and intercept of the straight lines the constructions draw as terms:
// the tangent and the normal at A, the tangents at the inflection points, the secant AB.
constexpr unsigned kLineDecimals = 3;
constexpr unsigned kInflectionTangentDecimals = 4;
constexpr unsigned kSecantSlopeDecimals = 4;
constexpr unsigned kSecantInterceptDecimals = 3;
// Each point of a bottom list is followed by this separator; the last one is cut off.
constexpr std::string_view kPointSeparator = " | ";

// The value of a term at x as the evaluator returns it, also after a failure; a non-finite
// value (which the evaluator does not give) counts as 0.
double RawValue(const FirstTermContext& ctx, std::string_view term, double x) {
  const double v = fktint::EvaluateTerm(term, x, ctx.parameters.p, ctx.parameters.q).value;
  return std::isfinite(v) ? v : 0;
}

// The marker's centre as DrawMarker places it.
MarkerSpot SpotAt(double col, double row) {
  MarkerSpot spot;
  if (!(std::fabs(col) < kFarOutsidePixel) || !(std::fabs(row) < kFarOutsidePixel)) return spot;
  spot.shown = true;
  spot.x = RoundHalfEven(col);
  spot.y = RoundHalfEven(row);
  return spot;
}

void FillTable(PointTable& table, const std::vector<FoundPoint>& points) {
  table.count = 0;
  for (const FoundPoint& p : points) {
    if (table.count >= kMaxPointsPerSearch) break;
    table.x[table.count] = p.x;
    table.minimum[table.count] = p.minimum;
    ++table.count;
  }
}

std::vector<FoundPoint> Search(const FirstTermContext& ctx, SearchKind kind, const std::string& term,
                               const std::string& curve = {}) {
  if (term.empty()) return {};
  return ScanForPoints(kind, TermFunction(term, ctx.parameters), ctx.scene.interval_from, ctx.scene.interval_to,
                       curve.empty() ? SampleFunction() : TermFunction(curve, ctx.parameters));
}

void WriteBottomText(FirstTermContext& ctx, std::string_view label, std::string list) {
  if (list.size() >= kPointSeparator.size()) list.resize(list.size() - kPointSeparator.size());
  if (ctx.scene.controls.show_points) {
    const std::int64_t row =
        ctx.mapping.height - kBottomTextOffset - kBottomTextRow * std::int64_t{ctx.text_row_count};
    ctx.canvas.TextOut(kBottomTextLeft,
                       static_cast<std::int32_t>(std::clamp<std::int64_t>(row, -kFarOutsidePixel, kFarOutsidePixel)),
                       std::string(label) + list);
  }
  if (ctx.text_row_count < INT32_MAX) ++ctx.text_row_count;
}

// Marks, result lines and bottom text of the zeros, extrema or intersections in the table.
void ReportPoints(FirstTermContext& ctx, SearchKind kind, const PointTable& table) {
  if (table.count == 0) return;
  Canvas& canvas = ctx.canvas;
  ResultList& results = ctx.out.results;
  const bool zeros = kind == SearchKind::Zeros;
  const Rgb mark = zeros ? kZeroMarkColour
                   : kind == SearchKind::Extrema ? kExtremumMarkColour
                                                 : kIntersectionMarkColour;
  canvas.SetPenColor(kBlack);
  canvas.SetBrushColor(mark);
  results.Add(Localized(zeros ? kZerosHeading
                        : kind == SearchKind::Extrema ? kExtremaHeading
                                                      : kIntersectionHeading));
  std::string list;
  for (int i = 0; i < table.count; ++i) {
    const double x = table.x[i];
    const double y = zeros ? 0 : RawValue(ctx, ctx.scene.analysed_term, x);
    const double row = zeros ? ctx.mapping.origin_y_real : ctx.mapping.WorldToPixelY(y);
    const double col = ctx.mapping.WorldToPixelX(x);
    DrawMarker(canvas, col, row);
    const PointKind point = zeros                           ? PointKind::Zero
                            : kind == SearchKind::Extrema ? (table.minimum[i] ? PointKind::Minimum : PointKind::Maximum)
                                                          : PointKind::Intersection;
    ctx.marked.push_back({point, x, y, col, row});
    if (zeros) {
      list += N(x);
      results.Add(ZeroLine(x));
    } else {
      list += "(" + N(x) + ";" + N(y) + ")";
      results.Add(kind == SearchKind::Extrema ? ExtremumLine(x, y, table.minimum[i]) : PointLine(x, y));
    }
    list += kPointSeparator;
  }
  canvas.SetBrushColor(kWhite);
  WriteBottomText(ctx,
                  Localized(zeros ? "Zeros: "
                            : kind == SearchKind::Extrema ? "Extreme points: "
                                                          : "Intersections: "),
                  std::move(list));
}

// The inflection section: tangents (c_wendetangente), marks, lines and text (c_wendepunkte).
void ReportInflections(FirstTermContext& ctx, const PointTable& table) {
  if (table.count == 0) return;
  const Controls& c = ctx.scene.controls;
  const std::string& term = ctx.scene.analysed_term;
  Canvas& canvas = ctx.canvas;
  ctx.out.results.Add(Localized(kInflectionHeading));
  std::string list;
  for (int i = 0; i < table.count; ++i) {
    const double x = table.x[i];
    const double y = RawValue(ctx, term, x);
    if (c.inflection_tangents) {
      canvas.SetBrushColor(kWhite);
      const std::optional<double> m = SlopeAt(term, ctx.first_derivative, x, ctx.parameters);
      const std::string tangent =
          m ? LineTerm(*m, y - x * *m, kInflectionTangentDecimals, kInflectionTangentDecimals) : std::string();
      if (!tangent.empty()) ctx.curves.PlotTerm(tangent);
    }
    if (c.inflections) {
      canvas.SetPenColor(kBlack);
      canvas.SetBrushColor(kInflectionMarkColour);
      const double col = ctx.mapping.WorldToPixelX(x);
      const double row = ctx.mapping.WorldToPixelY(y);
      DrawMarker(canvas, col, row);
      ctx.marked.push_back({PointKind::Inflection, x, y, col, row});
      list += "(" + N(x) + ";" + N(y) + ")";
      list += kPointSeparator;
      ctx.out.results.Add(PointLine(x, y));
    }
  }
  canvas.SetBrushColor(kWhite);
  canvas.SetFontColor(kAfterInflectionFontColour);
  if (c.inflections) WriteBottomText(ctx, Localized("Inflection Points: "), std::move(list));
}

// Zeros, extrema, inflection points and tangents, intersections with the partner: marks and
// texts. Every search works on the analysed term over the interval ed_von..ed_bis.
void AnalyseTerm(FirstTermContext& ctx) {
  const Controls& c = ctx.scene.controls;
  const std::string& term = ctx.scene.analysed_term;
  const bool inflections = c.inflections || c.inflection_tangents;
  if (!c.zeros && !c.extrema && !inflections && !c.intersections) return;
  if (c.zeros) {
    FillTable(ctx.points.zeros, Search(ctx, SearchKind::Zeros, term));
    ReportPoints(ctx, SearchKind::Zeros, ctx.points.zeros);
  }
  if (c.extrema) {
    // A term whose derivative is 0 is constant (or a staircase of constants): it has no
    // extremum, whatever turns the rounding noise of its samples takes (SIN(X)^2+COS(X)^2).
    const bool constant = ctx.first_derivative == "0";
    FillTable(ctx.points.extrema, constant ? std::vector<FoundPoint>() : Search(ctx, SearchKind::Extrema, term));
    ReportPoints(ctx, SearchKind::Extrema, ctx.points.extrema);
  }
  if (inflections) {
    FillTable(ctx.points.inflections, Search(ctx, SearchKind::Inflections, ctx.second_derivative, term));
    ReportInflections(ctx, ctx.points.inflections);
  }
  if (c.intersections) {
    AddIntersectionHeadings(ctx.out.results, ctx.scene.partner, ctx.scene.names);
    const std::string difference = SearchTerm(SearchKind::Intersections, term, ctx.scene.partner, {});
    FillTable(ctx.points.intersections, Search(ctx, SearchKind::Intersections, difference));
    ReportPoints(ctx, SearchKind::Intersections, ctx.points.intersections);
  }
}

// The derived curves, the family, the antiderivative, the inverse curve and the combinations of
// the analysed term with its partner.
void DrawExtraCurves(FirstTermContext& ctx) {
  const Scene& scene = ctx.scene;
  const Controls& c = scene.controls;
  const std::string& f1 = scene.analysed_term;
  CurvePlotter& curves = ctx.curves;
  if (c.first_derivative) curves.PlotDerivedCurve(f1, DerivedKind::FirstDerivative);
  if (c.second_derivative) curves.PlotDerivedCurve(f1, DerivedKind::SecondDerivative);
  for (const TransformItem& t : kTransformItems) {
    if (c.*t.item) curves.PlotDerivedCurve(f1, t.kind);
  }
  if (c.family) {
    ctx.parameters.q = scene.family_last_p;
    curves.PlotFamily(f1, scene.family_step);
    if (curves.family_truncated) {
      ctx.out.results.Add(Localized("Array of functions: only the first %1 curves drawn",
                                    {std::to_string(kMaxFamilyMembers)}));
    }
  }
  if (c.antiderivative) {
    curves.SetCurveStyle();
    PlotAntiderivative(curves, f1);
  }
  if (c.inverse_of_f1) {
    curves.SetCurveStyle();
    curves.PlotInverse(f1);
  }
  // The combinations take the analysed term with its partner (f1 with f2 by default).
  const std::string& f2 = scene.partner;
  if (!f2.empty()) {
    if (c.sum_f1_f2) curves.PlotTerm(f1 + "+(" + f2 + ")");
    if (c.difference_f1_f2) curves.PlotTerm(f1 + "-(" + f2 + ")");
    if (c.product_f1_f2) curves.PlotTerm("(" + f1 + ")*(" + f2 + ")");
    if (c.quotient_f1_f2 && f2 != "0") curves.PlotTerm("(" + f1 + ")/(" + f2 + ")");
  }
}

// The caption after the x field of A or B: the y-value of the point.
std::string PointCaption(double y) { return "; " + fktint::FormatNumber(1, 2, y) + " )"; }

// The marker of A or B in its colour at (x, y), if `shown`, and where it stands for the mouse
// and the point names. The brush is left white.
void DrawPointMarker(FirstTermContext& ctx, bool shown, PointKind kind, Rgb colour, double x, double y,
                     MarkerSpot& spot) {
  Canvas& canvas = ctx.canvas;
  canvas.SetPenColor(kBlack);
  canvas.SetBrushColor(colour);
  if (shown) {
    const double col = ctx.mapping.WorldToPixelX(x);
    const double row = ctx.mapping.WorldToPixelY(y);
    DrawMarker(canvas, col, row);
    ctx.marked.push_back({kind, x, y, col, row});
    spot = SpotAt(col, row);
  }
  canvas.SetBrushColor(kWhite);
}

// The straight line through (x, y) with the given slope, drawn as a term, when it can be written.
void PlotLineThrough(FirstTermContext& ctx, double x, double y, double slope, unsigned slope_decimals,
                     unsigned intercept_decimals) {
  ctx.canvas.SetBrushColor(kWhite);
  const std::string line = LineTerm(slope, y - x * slope, slope_decimals, intercept_decimals);
  if (!line.empty()) ctx.curves.PlotTerm(line);
}

// Point A with the tangent and the normal there; returns yA.
double DrawPointA(FirstTermContext& ctx) {
  const Controls& c = ctx.scene.controls;
  const std::string& term = ctx.scene.analysed_term;
  const double xA = ctx.scene.point_a_x;
  const double yA = DefinedValueOrZero(term, xA, ctx.parameters);
  ctx.out.captions.point_a_y = PointCaption(yA);
  const std::optional<double> slope = SlopeAt(term, ctx.first_derivative, xA, ctx.parameters);
  // A slope that prints as 0 is a horizontal tangent; the normal there is vertical.
  const bool horizontal = slope && fktint::FormatNumber(1, kLineDecimals, *slope) == "0";
  if (c.tangent && slope) PlotLineThrough(ctx, xA, yA, *slope, kLineDecimals, kLineDecimals);
  if (c.normal && slope) {
    if (horizontal) {
      ctx.canvas.SetBrushColor(kWhite);
      ctx.curves.PlotVerticalLine(xA, kLineDecimals);
    } else {
      PlotLineThrough(ctx, xA, yA, -1 / *slope, kLineDecimals, kLineDecimals);
    }
  }
  DrawPointMarker(ctx, c.point_a, PointKind::MarkerA, kMarkerAColour, xA, yA, ctx.points.marker_a);
  return yA;
}

// Point A, tangent and normal at A, point B, secant AB.
void DrawConstructions(FirstTermContext& ctx) {
  const Controls& c = ctx.scene.controls;
  const double xA = ctx.scene.point_a_x;
  const double xB = ctx.scene.point_b_x;
  double yA = 0;
  double yB = 0;
  if (c.point_a || c.tangent || c.normal || c.secant) yA = DrawPointA(ctx);
  if (c.point_b || c.secant) {
    yB = DefinedValueOrZero(ctx.scene.analysed_term, xB, ctx.parameters);
    ctx.out.captions.point_b_y = PointCaption(yB);
    DrawPointMarker(ctx, c.point_b, PointKind::MarkerB, kMarkerBColour, xB, yB, ctx.points.marker_b);
  }
  if (c.secant) {
    if (xB - xA != 0) {
      PlotLineThrough(ctx, xA, yA, (yB - yA) / (xB - xA), kSecantSlopeDecimals, kSecantInterceptDecimals);
    } else {
      ctx.canvas.SetBrushColor(kWhite);
    }
  }
}

// Hatches the area between A and B, redraws the coordinate system, computes the integral.
void DrawIntegralArea(FirstTermContext& ctx) {
  const Scene& scene = ctx.scene;
  ctx.second_area_term = scene.partner_drawn && !scene.partner.empty() ? scene.partner : std::string("0");
  const SampleFunction f = TermFunction(scene.analysed_term, ctx.parameters);
  const SampleFunction g = TermFunction(ctx.second_area_term, ctx.parameters);
  HatchArea(ctx.canvas, ctx.mapping, f, g, scene.point_a_x, scene.point_b_x);
  if (ctx.redraw_coordinate_system) ctx.redraw_coordinate_system();

  const std::optional<IntegralResult> integral = IntegrateBetween(f, g, scene.point_a_x, scene.point_b_x);
  if (!integral) return;
  ctx.out.captions.integral = "= " + IntegralValue(*integral, integral->integral);
  ctx.out.captions.area = "= " + IntegralValue(*integral, integral->area);
  AddIntegralLines(ctx.out.results, *integral, ctx.second_area_term, scene.names);
}

// The value table lines.
void AddValueTable(FirstTermContext& ctx) {
  const Scene& scene = ctx.scene;
  // The table goes into the memo only; while the memo is hidden it is not built.
  if (!scene.controls.value_table || !scene.controls.result_memo_visible) return;
  AddValueTableLines(ctx.out.results, scene.analysed_term, ctx.first_derivative, scene.value_table_from,
                     scene.value_table_to, scene.value_table_step, ctx.parameters);
}

}  // namespace

void AnalysedTermBeforeGraph(FirstTermContext& ctx) {
  const Scene& scene = ctx.scene;
  ctx.first_derivative = uableitung::DeriveTerm(scene.analysed_term);
  ctx.second_derivative =
      ctx.first_derivative.empty() ? std::string() : uableitung::DeriveTerm(ctx.first_derivative);
  AddDerivativeResultLines(ctx.out.results, scene.controls.interval_from, scene.controls.interval_to,
                           ctx.first_derivative, ctx.second_derivative);
  if (scene.controls.integral) DrawIntegralArea(ctx);
}

void AnalysedTermAfterGraph(FirstTermContext& ctx) {
  AnalyseTerm(ctx);
  DrawExtraCurves(ctx);
  DrawConstructions(ctx);
  AddValueTable(ctx);
}

}  // namespace plotwerk::plot
