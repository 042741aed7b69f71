// The curve routines of zeichnen: one evaluation per pixel column (per row for the inverse
// curve), polylines broken at poles, undefined stretches and points far outside the area.
#include "plot/graphs.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "fktint/fktint.h"
#include "plot/texts.h"
#include "fktint/term_check.h"

namespace plotwerk::plot {

namespace {

// Curves are joined only between rows within this margin around the area.
constexpr std::int32_t kJoinMargin = 200;
// The start searches give up this many columns right of the area: nothing further is drawn.
constexpr std::int32_t kStartSearchOverrun = 10;
// PlotTerm samples up to this many columns right of the area, derived transformations ten.
constexpr std::int32_t kGraphOverrun = 5;
constexpr std::int32_t kDerivedOverrun = 10;
// First column of the derivative start search, left of the area.
constexpr std::int32_t kDerivativeFirstColumn = -9;
// The inverse curve samples the rows of the area and this many below it.
constexpr std::int32_t kInverseOverrun = 10;
constexpr double kMinFamilyStep = 0.1;

// Rows at which the pen is parked for a value far beyond an edge: so far off on the opposite
// side that the jump test breaks the curve for any returning point, whatever the height.
std::int32_t ParkBelow(std::int32_t height) {
  const std::int64_t row = 2 * static_cast<std::int64_t>(height) + 2 * kJoinMargin;
  return static_cast<std::int32_t>(std::min<std::int64_t>(std::max<std::int64_t>(row, 1000), kFarOutsidePixel));
}
std::int32_t ParkAbove(std::int32_t height) {
  const std::int64_t row = -static_cast<std::int64_t>(height) - 2 * kJoinMargin;
  return static_cast<std::int32_t>(std::max<std::int64_t>(row, -kFarOutsidePixel));
}
// The parking row for a row that failed InPixelRange: far above the area parks below it, far
// below or undefined parks above.
std::int32_t ParkRow(double row, std::int32_t height) {
  return row <= kPixelLimit ? ParkBelow(height) : ParkAbove(height);
}

// How a sampled point continues its curve: joined to the previous point, drawn as a lone pixel,
// or only moving the pen (a break).
enum class PointStep { Join, Dot, Move };

// What the curves differ in when they choose a step.
struct PointRules {
  bool dot_clamped;      // a clamped value (code 4) is a lone pixel, not a break
  bool join_unreadable;  // code 1 within the margin is joined like code 0
};
constexpr PointRules kGraphRules{true, true};
constexpr PointRules kDerivedRules{false, true};
constexpr PointRules kInverseRules{false, false};

// The step for a point at `pos` along the axis of the values (`extent` pixels long) whose
// evaluation gave `error`: a usable point within the join margin is joined, a value at a jump
// is a lone pixel, anything else breaks the curve.
PointStep ChooseStep(std::int32_t pos, std::int32_t extent, std::uint8_t error, PointRules rules) {
  const bool near_area = pos >= -kJoinMargin && pos <= extent + kJoinMargin;
  if (near_area && (error == fktint::kEvalOk || (rules.join_unreadable && error == fktint::kEvalUnreadable))) {
    return PointStep::Join;
  }
  if (error == fktint::kEvalJump || (rules.dot_clamped && error == fktint::kEvalClamped)) return PointStep::Dot;
  return PointStep::Move;
}

void PlotPoint(Canvas& canvas, std::int32_t x, std::int32_t y, PointStep step, Rgb dot_colour) {
  switch (step) {
    case PointStep::Join: canvas.LineTo(x, y); break;
    case PointStep::Dot: canvas.SetPixel(x, y, dot_colour); break;
    case PointStep::Move: canvas.MoveTo(x, y); break;
  }
}

}  // namespace

Rgb TermColour(int field) {
  switch (field) {
    case 2: return kCurveRed;
    case 3: return kCurveGreen;
    case 4: return kCurveFuchsia;
    default: return kCurveBlue;
  }
}

Rgb ExtraCurveColour(std::int32_t k) {
  // Orange and teal first: the curves most often drawn beside f1 (a derivative, the
  // antiderivative) stand out from all four term colours on a projector too.
  static constexpr Rgb kExtraColours[] = {kCurveOrange, kCurveTeal,   kCurvePurple, kCurveOlive,
                                          kCurveNavy,   kCurveMaroon, kCurveGrey,   kCurveBlack};
  constexpr std::int32_t kCount = static_cast<std::int32_t>(std::size(kExtraColours));
  const std::int32_t index = k >= 1 ? (k - 1) % kCount : 0;
  return kExtraColours[index];
}

std::string_view DerivedLabel(DerivedKind kind) {
  switch (kind) {
    case DerivedKind::FirstDerivative: return "1st derivative";
    case DerivedKind::SecondDerivative: return "2nd derivative";
    case DerivedKind::MirrorX: return "f(-x)";
    case DerivedKind::Negate: return "-f(x)";
    case DerivedKind::MirrorOrigin: return "-f(-x)";
    case DerivedKind::SelfCompose: return "f(f(x))";
    case DerivedKind::ShiftX: return "f(x+p)";
    case DerivedKind::StretchX: return "f(p*x)";
    case DerivedKind::ShiftY: return "f(x)+p";
    case DerivedKind::StretchY: return "p*f(x)";
  }
  return "";
}

CurvePlotter::CurvePlotter(Canvas& canvas, const ScreenMapping& mapping, const Controls& controls,
                           bool colour_switch, const Parameters& parameters)
    : label_switch(controls.term_captions),
      canvas_(canvas),
      mapping_(mapping),
      controls_(controls),
      colour_switch_(colour_switch),
      parameters_(parameters) {}

void CurvePlotter::SetCurveStyle(int field) {
  curve_number_ = NextCurveNumber();
  field_ = field;
  if (field == 0 && extra_curves_ < INT32_MAX) ++extra_curves_;
  ApplyCurveStyle();
}

void CurvePlotter::ApplyCurveStyle() {
  const Rgb colour = field_ > 0 ? TermColour(field_) : ExtraCurveColour(extra_curves_);
  curve_colour = colour_switch_ ? colour : kCurveBlack;
  canvas_.SetPenColor(curve_colour);
  canvas_.SetFontColor(curve_colour);
  canvas_.SetPenWidth(std::clamp(controls_.graph_width, kMinGraphWidth, kMaxGraphWidth));
}

void CurvePlotter::WriteLabel(std::string_view text) {
  if (!label_switch) return;
  const std::int64_t row = 16 * static_cast<std::int64_t>(curve_number_);
  canvas_.TextOut(16, static_cast<std::int32_t>(std::min<std::int64_t>(row, kFarOutsidePixel)), text);
}

template <typename Evaluate>
std::int32_t CurvePlotter::StartColumn(std::int32_t first, std::int32_t last, Evaluate evaluate) {
  for (std::int32_t i = first; i <= last; ++i) {
    const std::uint8_t error = evaluate(i);
    if (fktint::IsFailure(error)) continue;
    if (WorldX(i) <= x_from) continue;
    return i;
  }
  return last + 1;
}

void CurvePlotter::PlotTerm(const std::string& term, int field) {
  PlotTerm(term, *fktint::CompileTerm(term), field);
}

void CurvePlotter::PlotTerm(const std::string& term, const fktint::CompiledTerm& compiled, int field) {
  SetCurveStyle(field);
  DrawGraph(term, compiled, parameters_);
}

void CurvePlotter::DrawGraph(const std::string& term, const fktint::CompiledTerm& compiled,
                             const Parameters& parameters) {
  const std::int32_t width = mapping_.width;
  const std::int32_t height = mapping_.height;
  const double jump_rows = height / 2.0 - 10;

  double row = 0;
  auto evaluate = [&](std::int32_t i) {
    const fktint::TermValue v = compiled.Evaluate(WorldX(i), parameters.p, parameters.q);
    row = mapping_.WorldToPixelY(v.value);
    return v.code;
  };

  std::int32_t i = StartColumn(-1, width + kStartSearchOverrun, evaluate);
  const bool drew = i <= width + kStartSearchOverrun;
  if (drew) {
    std::int32_t prev = InPixelRange(row) ? RoundHalfEven(row) : ParkRow(row, height);
    canvas_.MoveTo(i, prev);
    ++i;

    // A substitute value (code 2 from the evaluator) is no point of the graph: the next real
    // point starts a new stretch instead of being joined to it.
    bool stretch_broken = false;
    do {
      std::uint8_t error = evaluate(i);
      std::int32_t cur;
      if (InPixelRange(row)) {
        cur = RoundHalfEven(row);
        const bool substitute = error == fktint::kEvalUndefined;
        if (std::abs(static_cast<double>(prev) - cur) > jump_rows) error = fktint::kEvalUndefined;
        const PointStep step = ChooseStep(cur, height, error, kGraphRules);
        PlotPoint(canvas_, i, cur, step == PointStep::Join && stretch_broken ? PointStep::Move : step,
                  canvas_.PenColor());
        if (step == PointStep::Join) stretch_broken = false;
        if (step == PointStep::Move) stretch_broken = substitute;
      } else {
        cur = ParkRow(row, height);
        canvas_.MoveTo(i, cur);
      }
      ++i;
      prev = cur;
    } while (i <= width + kGraphOverrun && !(WorldX(i) > x_to));
  }
  // A term that drew nothing because it cannot be read gets no label either: the field that
  // holds it is marked in the window instead.
  if (term != " " && (drew || fktint::CheckTerm(term).ok())) WriteLabel("Y = " + ShownTerm(term));
}

void CurvePlotter::PlotVerticalLine(double x, unsigned decimals) {
  SetCurveStyle();
  const double column = mapping_.WorldToPixelX(x);
  if (InPixelRange(column) && !(x < x_from) && !(x > x_to)) {
    const std::int32_t c = RoundHalfEven(column);
    canvas_.MoveTo(c, 0);
    canvas_.LineTo(c, mapping_.height);
  }
  WriteLabel("X = " + fktint::FormatNumber(1, decimals, x));
}

void CurvePlotter::DerivedPoint(std::int32_t column, double row, std::uint8_t error) {
  if (!InPixelRange(row)) return;
  const std::int32_t pixel_row = RoundHalfEven(row);
  PointStep step = ChooseStep(pixel_row, mapping_.height, error, kDerivedRules);
  // With degrees or radians on the x-axis the derived curves are dotted, never joined.
  if (step == PointStep::Join && (controls_.degrees || controls_.radians)) step = PointStep::Dot;
  PlotPoint(canvas_, column, pixel_row, step, curve_colour);
}

void CurvePlotter::DerivativeCurve(const std::string& term, DerivedKind kind) {
  const auto compiled = fktint::CompileTerm(term);  // read once for all samples
  const std::int32_t width = mapping_.width;
  const double xs = mapping_.x_scale;
  const double oy = mapping_.origin_y_real;
  const double ys = mapping_.y_scale;
  // The code of the evaluation made last, which decides how the point is joined.
  std::uint8_t last_code = fktint::kEvalOk;
  auto f = [&](std::int32_t column) {
    const fktint::TermValue v = compiled->Evaluate(WorldX(column), parameters_.p, parameters_.q);
    last_code = v.code;
    return v.value;
  };

  double fi = 0;
  std::int32_t i = StartColumn(kDerivativeFirstColumn, width + kStartSearchOverrun, [&](std::int32_t c) {
    fi = f(c);
    return last_code;
  });
  if (i > width + kStartSearchOverrun) return;

  double f_next = 0;  // f at i + 1, reused as the next column's f_i by the first derivative
  auto row_at = [&](std::int32_t column) {
    double slope;
    if (kind == DerivedKind::FirstDerivative) {
      f_next = f(column + 1);
      slope = (f_next - fi) * xs;
    } else {
      fi = f(column);
      const double f2 = f(column + 2);
      const double f1 = f(column + 1);
      slope = (f2 - 2 * f1 + fi) * xs * xs;
    }
    return oy - slope * ys;
  };

  const double start_row = row_at(i);
  if (InPixelRange(start_row)) canvas_.MoveTo(i, RoundHalfEven(start_row));
  ++i;
  do {
    if (kind == DerivedKind::FirstDerivative) fi = f_next;
    const double row = row_at(i);
    DerivedPoint(i, row, last_code);
    ++i;
  } while (i <= width && !(WorldX(i) > x_to));
}

void CurvePlotter::TransformedCurve(const std::string& term, DerivedKind kind) {
  const auto compiled = fktint::CompileTerm(term);  // read once for all samples
  const std::int32_t width = mapping_.width;
  const std::int32_t height = mapping_.height;
  const double p = parameters_.p;
  std::uint8_t code = fktint::kEvalOk;  // of the evaluation made last
  auto f = [&](double x) {
    const fktint::TermValue v = compiled->Evaluate(x, parameters_.p, parameters_.q);
    code = v.code;
    return v.value;
  };

  double row = 0;
  auto evaluate = [&](std::int32_t column) -> std::uint8_t {
    const double x = WorldX(column);
    double v = 0;
    switch (kind) {
      case DerivedKind::MirrorX: v = f(-x); break;
      case DerivedKind::Negate: v = -f(x); break;
      case DerivedKind::MirrorOrigin: v = -f(-x); break;
      case DerivedKind::SelfCompose: {
        // f(f(x)) is undefined where the inner value is: keep the worse of the two codes, so
        // the substitute of a failed inner evaluation is not drawn as a point.
        const double inner = f(x);
        const std::uint8_t inner_code = code;
        v = f(inner);
        if (fktint::IsFailure(inner_code) && !fktint::IsFailure(code)) code = inner_code;
        break;
      }
      case DerivedKind::ShiftX: v = f(x + p); break;
      case DerivedKind::StretchX: v = f(p * x); break;
      case DerivedKind::ShiftY: v = f(x) + p; break;
      case DerivedKind::StretchY: v = p * f(x); break;
      default: break;
    }
    row = mapping_.WorldToPixelY(v);
    return code;
  };

  std::int32_t i = StartColumn(-1, width + kStartSearchOverrun, evaluate);
  if (i > width + kStartSearchOverrun) return;
  canvas_.MoveTo(i, InPixelRange(row) ? RoundHalfEven(row) : ParkRow(row, height));
  ++i;
  do {
    const std::uint8_t error = evaluate(i);
    if (InPixelRange(row)) {
      DerivedPoint(i, row, error);
    } else {
      canvas_.MoveTo(i, ParkRow(row, height));
    }
    ++i;
  } while (i <= width + kDerivedOverrun && !(WorldX(i) > x_to));
}

void CurvePlotter::PlotDerivedCurve(const std::string& term, DerivedKind kind) {
  SetCurveStyle();
  if (kind == DerivedKind::FirstDerivative || kind == DerivedKind::SecondDerivative) {
    DerivativeCurve(term, kind);
  } else {
    TransformedCurve(term, kind);
  }
  WriteLabel(Localized(DerivedLabel(kind)));
}

void CurvePlotter::PlotFamily(const std::string& term, double step) {
  label_switch = false;
  SetCurveStyle();
  double d = std::fabs(step);
  if (!(d >= kMinFamilyStep) || !std::isfinite(d)) d = kMinFamilyStep;

  const auto compiled = fktint::CompileTerm(term);  // read once for all members
  family_members = 0;
  family_truncated = false;
  for (double p = parameters_.p; p <= parameters_.q; p += d) {
    if (family_members == kMaxFamilyMembers) {
      family_truncated = true;
      break;
    }
    ApplyCurveStyle();  // every member keeps the family's curve number
    DrawGraph(term, *compiled, {p, parameters_.q});
    ++family_members;
  }
  label_switch = controls_.term_captions;
}

void CurvePlotter::PlotInverse(const std::string& term) {
  const auto compiled = fktint::CompileTerm(term);  // read once for all samples
  const std::int32_t width = mapping_.width;
  const std::int32_t last_row = mapping_.height + kInverseOverrun;
  double column = 0;
  auto evaluate = [&](std::int32_t j) {
    const double y = (mapping_.origin_y_real - j) / mapping_.y_scale;
    const fktint::TermValue v = compiled->Evaluate(y, parameters_.p, parameters_.q);
    column = mapping_.WorldToPixelX(v.value);
    return v.code;
  };

  std::int32_t j = 0;
  std::uint8_t error;
  do {
    error = evaluate(j);
    if (InPixelRange(column)) canvas_.MoveTo(RoundHalfEven(column), j);
    ++j;
  } while (error != fktint::kEvalOk && j <= last_row);

  do {
    error = evaluate(j);
    if (InPixelRange(column)) {
      const std::int32_t c = RoundHalfEven(column);
      PlotPoint(canvas_, c, j, ChooseStep(c, width, error, kInverseRules), canvas_.PenColor());
    }
    ++j;
  } while (j <= last_row);
  WriteLabel(Localized("Inverse function"));
}

}  // namespace plotwerk::plot
