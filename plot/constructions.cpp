// Markers, straight lines through A and B, the hatched area and the antiderivative curve.
#include "plot/constructions.h"

#include <algorithm>
#include <cmath>

#include "fktint/fktint.h"
#include "plot/texts.h"

namespace plotwerk::plot {

namespace {

constexpr std::int32_t kMarkerRadius = 4;
// Positions beyond this are skipped: they lie far outside any surface, and the marker box
// around them must still fit into 32 bits.
constexpr double kMarkerLimit = 1 << 30;
constexpr double kHatchSpacing = 2;
// The antiderivative only moves the pen for rows this far outside the area.
constexpr std::int32_t kAntiderivativeMargin = 100;
constexpr double kChebyshevT1 = 0.37454140955358106;
constexpr double kChebyshevT2 = 0.8324974870009819;

double ValueOrZero(double v) { return std::isfinite(v) ? v : 0; }

// A hatch line end: rows above the area become -1, rows far below stay far below.
std::int32_t HatchRow(double row) {
  if (row < 0) return -1;
  if (row >= kFarOutsidePixel) return kFarOutsidePixel;
  return static_cast<std::int32_t>(std::trunc(row));
}

// The integral of f over [a, b] by Chebyshev's five-point rule on `pieces` pieces.
double Quadrature(const SampleFunction& f, double a, double b, int pieces) {
  const double h = (b - a) / pieces;
  double sum = 0;
  for (int i = 0; i < pieces; ++i) {
    const double mid = a + (i + 0.5) * h;
    const double nodes[] = {mid + kChebyshevT1 * h / 2, mid - kChebyshevT1 * h / 2,
                            mid + kChebyshevT2 * h / 2, mid - kChebyshevT2 * h / 2, mid};
    double piece = 0;
    for (double node : nodes) piece += ValueOrZero(f(node).value);
    sum += piece * h / 5;
  }
  return sum;
}

}  // namespace

void DrawMarker(Canvas& canvas, double col, double row) {
  if (!(std::fabs(col) < kMarkerLimit) || !(std::fabs(row) < kMarkerLimit)) return;
  const std::int32_t x = RoundHalfEven(col);
  const std::int32_t y = RoundHalfEven(row);
  canvas.Ellipse(x - kMarkerRadius, y - kMarkerRadius, x + kMarkerRadius + 1, y + kMarkerRadius + 1);
}

std::optional<double> SlopeAt(const std::string& term, const std::string& derivative, double x,
                              const Parameters& parameters) {
  const SampleFunction f = TermFunction(term, parameters);
  if (!f(x).Defined()) return std::nullopt;  // no point of the curve, no tangent
  if (!derivative.empty()) {
    const Sample s = TermFunction(derivative, parameters)(x);
    if (s.Defined()) return s.value;
  }
  const double step = kSlopeStep * std::max(1.0, std::fabs(x));
  const Sample left = f(x - step);
  const Sample right = f(x + step);
  if (!left.Defined() || !right.Defined()) return std::nullopt;
  const double m = (right.value - left.value) / (2 * step);
  return std::isfinite(m) ? std::optional<double>(m) : std::nullopt;
}

std::string LineTerm(double m, double b, unsigned slope_decimals, unsigned intercept_decimals) {
  if (!std::isfinite(m) || !std::isfinite(b)) return {};
  const std::string intercept = fktint::FormatNumber(1, intercept_decimals, b);
  const std::string slope = fktint::FormatNumber(1, slope_decimals, m);
  if (slope == "0") return intercept;
  std::string term = slope + "*X";
  if (intercept == "0") return term;
  if (b > 0) term += "+";
  return term + intercept;
}

void HatchArea(Canvas& canvas, const ScreenMapping& mapping, const SampleFunction& f,
               const SampleFunction& g, double xA, double xB) {
  canvas.SetPenColor(kHatchColour);
  const double a_column = mapping.WorldToPixelX(xA);
  // The column of the next hatch line, walking from B towards A.
  double hatch_column = mapping.WorldToPixelX(xB) + 1;
  if (hatch_column < 0) hatch_column = -2;
  const bool leftwards = xB >= xA;
  auto hatch_line = [&](double column) {
    if (!InPixelRange(column)) return;
    const double t = (column - mapping.origin_x_real) / mapping.x_scale;
    // Where either boundary is undefined there is no area: the hatching stops there.
    const Sample ft = f(t);
    const Sample gt = g(t);
    if (!ft.Defined() || !gt.Defined()) return;
    const double y1 = mapping.WorldToPixelY(ft.value);
    const double y2 = mapping.WorldToPixelY(gt.value);
    if (std::isnan(y1) || std::isnan(y2)) return;
    const std::int32_t x = RoundHalfEven(column);
    canvas.MoveTo(x, HatchRow(y1));
    canvas.LineTo(x, HatchRow(y2));
  };
  hatch_line(hatch_column);
  if (leftwards) {
    // Lines right of the area cannot be seen: jump, in steps of two, to the first column that
    // can, so the visible lines stand exactly where the walk from B would put them.
    const double last_visible = mapping.width + kHatchSpacing;
    if (hatch_column - kHatchSpacing > last_visible && std::isfinite(hatch_column)) {
      // fmod is exact, so the parity of the walk survives even where column - 2k would round.
      hatch_column = last_visible + std::fmod(hatch_column - last_visible, kHatchSpacing) + kHatchSpacing;
    }
    for (hatch_column -= kHatchSpacing; hatch_column > a_column && hatch_column >= 0;
         hatch_column -= kHatchSpacing) {
      hatch_line(hatch_column);
    }
  } else {
    for (hatch_column += kHatchSpacing; hatch_column < a_column && hatch_column <= mapping.width;
         hatch_column += kHatchSpacing) {
      hatch_line(hatch_column);
    }
  }
}

double AntiderivativeOffset(const SampleFunction& f, const ScreenMapping& mapping,
                            std::int64_t start_column, std::int64_t max_walked) {
  const double origin = mapping.origin_x_real;
  if (origin < static_cast<double>(start_column)) return 0;
  const double count = origin - static_cast<double>(start_column) + 1;
  if (count <= static_cast<double>(max_walked)) {
    double sum = 0;
    for (std::int64_t k = start_column; static_cast<double>(k) <= origin; ++k) {
      sum += ValueOrZero(f((static_cast<double>(k) - origin) / mapping.x_scale).value) / mapping.x_scale;
    }
    return -sum;
  }
  // Columns s..o sample f at x(s), ..., x(o) = 0 one pixel apart: their rectangle sum is the
  // integral over [x(s) - h/2, h/2] (the midpoint rule), taken here by quadrature.
  const double h = 1 / mapping.x_scale;
  const double xs = (static_cast<double>(start_column) - origin) / mapping.x_scale;
  return -Quadrature(f, xs - h / 2, h / 2, kOffsetQuadraturePieces);
}

namespace {

// The first column k >= 1 with x(k) > x_from whose left neighbour evaluates, or a column beyond
// the right edge. Columns up to x_from are skipped in one jump.
std::int64_t AntiderivativeStartColumn(const SampleFunction& f, const CurvePlotter& curves) {
  const ScreenMapping& mapping = curves.mapping();
  const std::int32_t width = mapping.width;
  auto x_of = [&](std::int64_t k) { return (static_cast<double>(k) - mapping.origin_x_real) / mapping.x_scale; };
  std::int64_t k = 1;
  const double first_beyond = std::floor(curves.x_from * mapping.x_scale + mapping.origin_x_real) + 1;
  if (first_beyond > k) k = first_beyond > width + 1.0 ? width + 1 : static_cast<std::int64_t>(first_beyond);
  while (k <= width + 1 && x_of(k) <= curves.x_from) ++k;
  while (k <= width && !f(x_of(k - 1)).Defined()) ++k;
  return k;
}

}  // namespace

void PlotAntiderivative(CurvePlotter& curves, const std::string& term, std::int64_t max_walked) {
  Canvas& canvas = curves.canvas();
  const ScreenMapping& mapping = curves.mapping();
  const std::int32_t width = mapping.width;
  if (!term.empty()) {
    const SampleFunction f = TermFunction(term, curves.parameters());
    auto x_of = [&](std::int64_t k) { return (static_cast<double>(k) - mapping.origin_x_real) / mapping.x_scale; };
    const std::int64_t start_column = AntiderivativeStartColumn(f, curves);
    if (start_column <= width) {
      // The sum starts at the offset that puts F = 0 at the y-axis column; the pen starts at
      // the value of the first step from there.
      const double offset = AntiderivativeOffset(f, mapping, start_column, max_walked);
      const double pen_value = offset + ValueOrZero(f(x_of(0)).value) / mapping.x_scale;
      const double pen_row = mapping.WorldToPixelY(pen_value);
      if (InPixelRange(pen_row)) canvas.MoveTo(static_cast<std::int32_t>(start_column), RoundHalfEven(pen_row));
      double antiderivative = offset;  // F at the current column
      for (std::int64_t col = start_column; col <= width; ++col) {
        const Sample sample = f(x_of(col));
        antiderivative += ValueOrZero(sample.value) / mapping.x_scale;
        if (x_of(col) > curves.x_to) break;
        const double row = mapping.WorldToPixelY(antiderivative);
        const auto column = static_cast<std::int32_t>(col);
        if (InPixelRange(row) && sample.error == fktint::kEvalOk) {
          const std::int32_t pixel_row = RoundHalfEven(row);
          if (pixel_row < -kAntiderivativeMargin || pixel_row > mapping.height + kAntiderivativeMargin) {
            canvas.MoveTo(column, pixel_row);
          } else {
            canvas.LineTo(column, pixel_row);
          }
        } else {
          canvas.MoveTo(column, mapping.origin_y);
        }
      }
    }
  }
  curves.WriteLabel(Localized("Antiderivative f1"));
}

}  // namespace plotwerk::plot
