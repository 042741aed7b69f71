// The first-term steps of zeichnen: result lines, area and integral, the searches with their
// marks and bottom texts, the antiderivative, the constructions at A and B and the value table.
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
// Decimals of the slope and intercept of the tangent and the normal at A.
constexpr unsigned kLineDecimals = 3;
// Each point of a bottom list is followed by this separator; the last one is cut off.
constexpr std::string_view kPointSeparator = " | ";

// The value of a term at x as the evaluator returns it, also after a failure; a non-finite
// value (which the evaluator does not give) counts as 0.
double RawValue(std::string_view term, double x) {
  const double v = fktint::EvaluateTerm(term, x);
  return std::isfinite(v) ? v : 0;
}

// yA or yB: 0 when the evaluation fails.
double DefinedValueOrZero(std::string_view term, double x) {
  const Sample s = TermFunction(std::string(term))(x);
  return s.Defined() ? s.value : 0;
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

std::vector<FoundPoint> Search(SearchKind kind, const std::string& term, double from, double to,
                               const std::string& curve = {}) {
  if (term.empty()) return {};
  return ScanForPoints(kind, TermFunction(term), from, to,
                       curve.empty() ? SampleFunction() : TermFunction(curve));
}

void WriteBottomText(FirstTermContext& ctx, std::string_view label, std::string list) {
  if (list.size() >= kPointSeparator.size()) list.resize(list.size() - kPointSeparator.size());
  if (ctx.controls.show_points) {
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
  const bool zeros = kind == SearchKind::Zeros;
  const Rgb mark = zeros ? kZeroMarkColour
                   : kind == SearchKind::Extrema ? kExtremumMarkColour
                                                 : kIntersectionMarkColour;
  canvas.SetPenColor(kBlack);
  canvas.SetBrushColor(mark);
  ctx.results.Add(Localized(zeros ? kZerosHeading
                            : kind == SearchKind::Extrema ? kExtremaHeading
                                                          : kIntersectionHeading));
  std::string list;
  for (int i = 0; i < table.count; ++i) {
    const double x = table.x[i];
    const double y = zeros ? 0 : RawValue(ctx.term, x);
    const double row = zeros ? ctx.mapping.origin_y_real : ctx.mapping.WorldToPixelY(y);
    const double col = ctx.mapping.WorldToPixelX(x);
    DrawMarker(canvas, col, row);
    const PointKind point = zeros                           ? PointKind::Zero
                            : kind == SearchKind::Extrema ? (table.minimum[i] ? PointKind::Minimum : PointKind::Maximum)
                                                          : PointKind::Intersection;
    ctx.marked.push_back({point, x, y, col, row});
    if (zeros) {
      list += N(x);
      ctx.results.Add(ZeroLine(x));
    } else {
      list += "(" + N(x) + ";" + N(y) + ")";
      ctx.results.Add(kind == SearchKind::Extrema ? ExtremumLine(x, y, table.minimum[i])
                                                  : PointLine(x, y));
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
  const Controls& c = ctx.controls;
  Canvas& canvas = ctx.canvas;
  ctx.results.Add(Localized(kInflectionHeading));
  std::string list;
  for (int i = 0; i < table.count; ++i) {
    const double x = table.x[i];
    const double y = RawValue(ctx.term, x);
    if (c.inflection_tangents) {
      canvas.SetBrushColor(kWhite);
      const std::optional<double> m = SlopeAt(ctx.term, ctx.first_derivative, x);
      const std::string tangent = m ? LineTerm(*m, y - x * *m, 4, 4) : std::string();
      if (!tangent.empty()) ctx.curves.PlotTerm(tangent);
    }
    if (c.inflections) {
      canvas.SetPenColor(kBlack);
      canvas.SetBrushColor(kInflectionMarkColour);
      DrawMarker(canvas, ctx.mapping.WorldToPixelX(x), ctx.mapping.WorldToPixelY(y));
      ctx.marked.push_back({PointKind::Inflection, x, y, ctx.mapping.WorldToPixelX(x), ctx.mapping.WorldToPixelY(y)});
      list += "(" + N(x) + ";" + N(y) + ")";
      list += kPointSeparator;
      ctx.results.Add(PointLine(x, y));
    }
  }
  canvas.SetBrushColor(kWhite);
  canvas.SetFontColor(kAfterInflectionFontColour);
  if (c.inflections) WriteBottomText(ctx, Localized("Inflection Points: "), std::move(list));
}

}  // namespace

std::vector<int> DrawnFields(const Controls& c) {
  const bool drawn[] = {c.f1_plotted && !c.f1_term.empty(), c.f2_plotted && !c.f2_term.empty(), c.f3_plotted && !c.f3_term.empty(),
                        c.f4_plotted && !c.f4_term.empty()};
  std::vector<int> out;
  for (int i = 0; i < 4; ++i) {
    if (drawn[i]) out.push_back(i + 1);
  }
  return out;
}

std::ptrdiff_t AnalysedEntry(const Controls& c, std::size_t list_size) {
  if (c.analysed_term < 1 || c.analysed_term >= kAnalyseChoices) return list_size > 0 ? 0 : -1;
  const std::vector<int> fields = DrawnFields(c);
  const auto at = std::find(fields.begin(), fields.end(), c.analysed_term);
  if (at == fields.end()) return -1;
  const std::ptrdiff_t entry = at - fields.begin();
  return static_cast<std::size_t>(entry) < list_size ? entry : -1;
}

void ChoosePartner(FirstTermContext& ctx) {
  const Controls& c = ctx.controls;
  // The area and the intersections are taken with f2; f2 itself is taken with f1.
  const bool with_f1 = c.analysed_term == 2;
  ctx.partner = with_f1 ? c.f1_term : c.f2_term;
  ctx.partner_drawn = with_f1 ? c.f1_plotted : c.f2_plotted;
  ctx.names = {};
  if (c.analysed_term >= 1 && c.analysed_term < kAnalyseChoices) {
    ctx.names.analysed = "f" + std::to_string(c.analysed_term);
    ctx.names.partner = with_f1 ? "f1" : "f2";
  }
}

void AddTermResultLine(FirstTermContext& ctx, const std::string& term, std::int32_t) {
  ctx.results.Add(TermLine(term));
}

void AddDerivativeLines(FirstTermContext& ctx) {
  ctx.first_derivative = uableitung::DeriveTerm(ctx.term);
  ctx.second_derivative =
      ctx.first_derivative.empty() ? std::string() : uableitung::DeriveTerm(ctx.first_derivative);
  AddDerivativeResultLines(ctx.results, ctx.controls.interval_from, ctx.controls.interval_to,
                           ctx.first_derivative, ctx.second_derivative);
}

void DrawIntegralArea(FirstTermContext& ctx) {
  ctx.second_area_term = ctx.partner_drawn && !ctx.partner.empty() ? ctx.partner : std::string("0");
  const SampleFunction f = TermFunction(ctx.term);
  const SampleFunction g = TermFunction(ctx.second_area_term);
  HatchArea(ctx.canvas, ctx.mapping, f, g, ctx.xA, ctx.xB);
  if (ctx.redraw_coordinate_system) ctx.redraw_coordinate_system();

  const std::optional<IntegralResult> integral = IntegrateBetween(f, g, ctx.xA, ctx.xB);
  if (!integral) return;
  ctx.controls.integral_caption = "= " + IntegralValue(*integral, integral->integral);
  ctx.controls.area_caption = "= " + IntegralValue(*integral, integral->area);
  AddIntegralLines(ctx.results, *integral, ctx.second_area_term, ctx.names);
}

void AnalyseFirstTerm(FirstTermContext& ctx) {
  const Controls& c = ctx.controls;
  const bool inflections = c.inflections || c.inflection_tangents;
  if (!c.zeros && !c.extrema && !inflections && !c.intersections) return;
  // The interval is read once for all searches; P stays as the Draw command set it, so a
  // parameter text that refers to P cannot make it creep from search to search.
  const double from = fktint::ReadNumberField(c.interval_from);
  const double to = fktint::ReadNumberField(c.interval_to);

  // Every search works on the analysed term, the curve its marks lie on (by default the first
  // term of the list: f1, or the first checked term when f1 is not drawn).
  if (c.zeros) {
    FillTable(ctx.points.zeros, Search(SearchKind::Zeros, ctx.term, from, to));
    ReportPoints(ctx, SearchKind::Zeros, ctx.points.zeros);
  }
  if (c.extrema) {
    // A term whose derivative is 0 is constant (or a staircase of constants): it has no
    // extremum, whatever turns the rounding noise of its samples takes (SIN(X)^2+COS(X)^2).
    const bool constant = ctx.first_derivative == "0";
    FillTable(ctx.points.extrema,
              constant ? std::vector<FoundPoint>() : Search(SearchKind::Extrema, ctx.term, from, to));
    ReportPoints(ctx, SearchKind::Extrema, ctx.points.extrema);
  }
  if (inflections) {
    FillTable(ctx.points.inflections,
              Search(SearchKind::Inflections, ctx.second_derivative, from, to, ctx.term));
    ReportInflections(ctx, ctx.points.inflections);
  }
  if (c.intersections) {
    AddIntersectionHeadings(ctx.results, ctx.partner, ctx.names);
    const std::string g = SearchTerm(SearchKind::Intersections, ctx.term, ctx.partner, {});
    FillTable(ctx.points.intersections, Search(SearchKind::Intersections, g, from, to));
    ReportPoints(ctx, SearchKind::Intersections, ctx.points.intersections);
  }
}

void DrawAntiderivative(FirstTermContext& ctx) { PlotAntiderivative(ctx.curves, ctx.term); }

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

void DrawConstructions(FirstTermContext& ctx) {
  const Controls& c = ctx.controls;
  Canvas& canvas = ctx.canvas;
  const double xA = ctx.xA;
  const double xB = ctx.xB;
  double yA = 0;
  double yB = 0;

  if (c.point_a || c.tangent || c.normal || c.secant) {
    yA = DefinedValueOrZero(ctx.term, xA);
    ctx.controls.point_a_y_caption = PointCaption(yA);
    const std::optional<double> slope = SlopeAt(ctx.term, ctx.first_derivative, xA);
    // A slope that prints as 0 is a horizontal tangent; the normal there is vertical.
    const bool horizontal = slope && fktint::FormatNumber(1, kLineDecimals, *slope) == "0";
    if (c.tangent && slope) {
      canvas.SetBrushColor(kWhite);
      const std::string line = LineTerm(*slope, yA - xA * *slope, kLineDecimals, kLineDecimals);
      if (!line.empty()) ctx.curves.PlotTerm(line);
    }
    if (c.normal && slope) {
      canvas.SetBrushColor(kWhite);
      if (horizontal) {
        ctx.curves.PlotVerticalLine(xA, kLineDecimals);
      } else {
        const double m = -1 / *slope;
        const std::string line = LineTerm(m, yA - xA * m, kLineDecimals, kLineDecimals);
        if (!line.empty()) ctx.curves.PlotTerm(line);
      }
    }
    DrawPointMarker(ctx, c.point_a, PointKind::MarkerA, kMarkerAColour, xA, yA, ctx.points.marker_a);
  }

  if (c.point_b || c.secant) {
    yB = DefinedValueOrZero(ctx.term, xB);
    ctx.controls.point_b_y_caption = PointCaption(yB);
    DrawPointMarker(ctx, c.point_b, PointKind::MarkerB, kMarkerBColour, xB, yB, ctx.points.marker_b);
  }

  if (c.secant) {
    canvas.SetBrushColor(kWhite);
    if (xB - xA != 0) {
      const double m = (yB - yA) / (xB - xA);
      const std::string line = LineTerm(m, yA - xA * m, 4, 3);
      if (!line.empty()) ctx.curves.PlotTerm(line);
    }
  }
}

void AddValueTable(FirstTermContext& ctx) {
  const Controls& c = ctx.controls;
  // The table goes into the memo only; while the memo is hidden it is not built.
  if (!c.value_table || !c.result_memo_visible) return;
  AddValueTableLines(ctx.results, ctx.term, ctx.first_derivative,
                     fktint::ReadNumberField(c.interval_from), fktint::ReadNumberField(c.interval_to),
                     fktint::ReadNumberField(c.animation_step));
}

}  // namespace plotwerk::plot
