// The grid searches of the first term, Brent's root finder and minimiser, and the integral.
#include "plot/analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "fktint/fktint.h"

namespace plotwerk::plot {

namespace {

// Two accepted points closer than this fraction of a grid cell are the same point, found from
// two neighbouring cells or by both the sign and the direction test.
constexpr double kSamePointCellFraction = 0.5;

struct ScanSettings {
  int cells = kZeroCells;
  int iterations = kZeroIterations;
  bool sign_test = false;          // y0 * y1 < 0 refines the cell as a root
  bool direction_test = false;     // (y1 - y0) * (y2 - y1) < 0 refines the turning point
  bool needs_small_value = false;  // a turning point counts only where g touches 0
};

// Zeros and intersections: roots of g, and turning points where g touches 0.
constexpr ScanSettings kRootScan{.cells = kZeroCells,
                                 .iterations = kZeroIterations,
                                 .sign_test = true,
                                 .direction_test = true,
                                 .needs_small_value = true};

ScanSettings SettingsFor(SearchKind kind) {
  switch (kind) {
    case SearchKind::Zeros:
    case SearchKind::Intersections:
      return kRootScan;
    case SearchKind::Extrema:
      return {.cells = kExtremumCells, .iterations = kExtremumIterations, .direction_test = true};
    case SearchKind::Inflections:
      return {.cells = kZeroCells, .iterations = kExtremumIterations, .sign_test = true};
  }
  return kRootScan;
}

// Collects accepted points: each once, at most kMaxPointsPerSearch.
class PointCollector {
 public:
  explicit PointCollector(double same_point_distance) : same_point_distance_(same_point_distance) {}

  void Add(FoundPoint point) {
    if (Full()) return;
    for (const FoundPoint& known : points_) {
      if (std::fabs(known.x - point.x) < same_point_distance_) return;
    }
    points_.push_back(point);
  }
  bool Full() const { return points_.size() >= static_cast<std::size_t>(kMaxPointsPerSearch); }

  std::vector<FoundPoint> Take() {
    std::sort(points_.begin(), points_.end(),
              [](const FoundPoint& a, const FoundPoint& b) { return a.x < b.x; });
    return std::move(points_);
  }

 private:
  double same_point_distance_;
  std::vector<FoundPoint> points_;
};

}  // namespace

bool Sample::Defined() const { return error == fktint::kEvalOk && std::isfinite(value); }

SampleFunction TermFunction(std::string term) {
  return [compiled = fktint::CompileTerm(term)](double x) {
    const double value = fktint::EvaluateTerm(*compiled, x);
    return Sample{value, fktint::EvalError};
  };
}

std::optional<SearchInterval> MakeSearchInterval(double from, double to) {
  // A reversed interval is searched the right way round; the grid follows the typed interval at
  // any scale. Ends that are not numbers, or an interval too wide for its cells to be numbers,
  // leave nothing to search.
  if (!std::isfinite(from) || !std::isfinite(to)) return std::nullopt;
  const double lo = std::min(from, to) - kSearchWidening;
  const double hi = std::max(from, to) + kSearchWidening;
  if (!(hi > lo) || !std::isfinite(hi - lo)) return std::nullopt;
  return SearchInterval{lo, hi};
}

// Brent's zero finder: R. P. Brent, "Algorithms for Minimization without Derivatives",
// Prentice-Hall 1973, chapter 4 (procedure zero).
double RefineRoot(const SampleFunction& g, double a, double b, double tol, int iterations) {
  double fa = g(a).value;
  double fb = g(b).value;
  double c = b;
  double fc = fb;
  double d = b - a;
  double e = d;
  for (int i = 0; i < iterations; ++i) {
    if (fb * fc > 0) {
      c = a;
      fc = fa;
      d = b - a;
      e = d;
    }
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const double tol1 = kRefineRelativeTolerance * std::fabs(b) + tol / 2;
    const double xm = (c - b) / 2;
    if (std::fabs(xm) <= tol1 || fb == 0) return b;
    if (std::fabs(e) >= tol1 && std::fabs(fa) > std::fabs(fb)) {
      const double s = fb / fa;
      double p;
      double q;
      if (a == c) {
        p = 2 * xm * s;
        q = 1 - s;
      } else {
        q = fa / fc;
        const double r = fb / fc;
        p = s * (2 * xm * q * (q - r) - (b - a) * (r - 1));
        q = (q - 1) * (r - 1) * (s - 1);
      }
      if (p > 0) q = -q;
      p = std::fabs(p);
      if (2 * p < std::min(3 * xm * q - std::fabs(tol1 * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = xm;
        e = d;
      }
    } else {
      d = xm;
      e = d;
    }
    a = b;
    fa = fb;
    if (std::fabs(d) > tol1) {
      b += d;
    } else {
      b += xm > 0 ? std::fabs(tol1) : -std::fabs(tol1);
    }
    fb = g(b).value;
  }
  return b;
}

// Brent's minimiser: R. P. Brent, "Algorithms for Minimization without Derivatives",
// Prentice-Hall 1973, chapter 5 (procedure localmin).
double RefineTurningPoint(const SampleFunction& g, double a, double m, double c, bool minimum,
                          int iterations) {
  // Minimises phi = +-g; an undefined point is never better than a defined one.
  auto phi = [&](double x) {
    const Sample s = g(x);
    if (!s.Defined()) return std::numeric_limits<double>::infinity();
    return minimum ? s.value : -s.value;
  };
  const double golden = (3 - std::sqrt(5.0)) / 2;
  const double relative = std::sqrt(std::numeric_limits<double>::epsilon());
  constexpr double kAbsoluteTolerance = 1e-12;
  double lo = std::min(a, c);
  double hi = std::max(a, c);
  double x = m;
  double w = m;
  double v = m;
  double fx = phi(x);
  double fw = fx;
  double fv = fx;
  double d = 0;
  double e = 0;
  for (int i = 0; i < iterations; ++i) {
    const double mid = (lo + hi) / 2;
    const double tol1 = relative * std::fabs(x) + kAbsoluteTolerance;
    const double tol2 = 2 * tol1;
    if (std::fabs(x - mid) <= tol2 - (hi - lo) / 2) break;
    bool golden_step = true;
    if (std::fabs(e) > tol1) {
      // Parabola through x, w and v.
      double r = (x - w) * (fx - fv);
      double q = (x - v) * (fx - fw);
      double p = (x - v) * q - (x - w) * r;
      q = 2 * (q - r);
      if (q > 0) p = -p;
      q = std::fabs(q);
      const double previous_e = e;
      e = d;
      if (std::isfinite(p) && std::isfinite(q) && std::fabs(p) < std::fabs(q * previous_e / 2) &&
          p > q * (lo - x) && p < q * (hi - x)) {
        d = p / q;
        const double u = x + d;
        if (u - lo < tol2 || hi - u < tol2) d = mid > x ? tol1 : -tol1;
        golden_step = false;
      }
    }
    if (golden_step) {
      e = x >= mid ? lo - x : hi - x;
      d = golden * e;
    }
    const double u = std::fabs(d) >= tol1 ? x + d : x + (d > 0 ? tol1 : -tol1);
    const double fu = phi(u);
    if (fu <= fx) {
      if (u >= x) {
        lo = x;
      } else {
        hi = x;
      }
      v = w;
      fv = fw;
      w = x;
      fw = fx;
      x = u;
      fx = fu;
    } else {
      if (u < x) {
        lo = u;
      } else {
        hi = u;
      }
      if (fu <= fw || w == x) {
        v = w;
        fv = fw;
        w = u;
        fw = fu;
      } else if (fu <= fv || v == x || v == w) {
        v = u;
        fv = fu;
      }
    }
  }
  return x;
}

namespace {

// Halvings of a sign-change bracket when a zero is checked: the bracket ends then lie about
// 1e-12 of a cell apart, where a continuous function has all but vanished and a jump or a pole
// has not.
constexpr int kBracketHalvings = 40;
// Halvings that take the end of a defined stretch down to neighbouring doubles (a cell has far
// fewer than 2^120 doubles except around 0).
constexpr int kEdgeHalvings = 120;
// A zero is accepted when the values at the ends of the halved bracket have shrunk below this
// fraction of the values at the cell's ends; at a jump they keep their size, at a pole they grow.
constexpr double kShrinkRatio = 1e-3;
// A touching zero is the extremum of g whose value is this small against the values of the
// samples around it (a double root found to about 1e-8 leaves about 1e-12 of them), or, for a
// kink that the minimiser places less closely (ABS(X^2-4)), whose values towards it shrink
// towards 0: at a distance kContinuityShrink times smaller they are below kContinuityRatio of
// those further out, and the value at the turning point is below kContinuityRatio of them again.
constexpr double kTouchingZeroRatio = 1e-9;
// A second difference of f below this many units in the last place of f is rounding noise.
constexpr double kBendNoiseUlps = 64;
// Neighbouring samples differing by less than this many units in the last place are rounding
// noise, not a change of direction.
constexpr double kNoiseUlps = 16;
// A turning point is checked at a distance of this fraction of a cell and at the same distance
// divided by kContinuityShrink: near a continuous extremum the differences shrink at least
// linearly; next to a jump or a pole they do not.
constexpr double kContinuityProbe = 0.125;
constexpr double kContinuityShrink = 256;
constexpr double kContinuityRatio = 0.25;
// The value at a refined turning point may differ from the middle sample by at most this many
// times the differences of the samples around it; near a pole it differs by far more.
constexpr double kTurningValueBound = 4;

bool Noise(double a, double b) {
  const double scale = std::max(std::fabs(a), std::fabs(b));
  return std::fabs(a - b) <= kNoiseUlps * std::numeric_limits<double>::epsilon() * scale;
}

// Halves the sign-change bracket [a, b] of g and tells whether the values at its ends shrink
// towards 0 (a zero of a continuous g) rather than keep their size (a jump) or grow (a pole).
// An undefined point inside the bracket is no zero either.
bool SignChangeIsZero(const SampleFunction& g, double a, double b, double fa, double fb) {
  const double start = std::max(std::fabs(fa), std::fabs(fb));
  for (int i = 0; i < kBracketHalvings; ++i) {
    const double m = a + (b - a) / 2;
    if (m <= std::min(a, b) || m >= std::max(a, b)) break;
    const Sample s = g(m);
    if (!s.Defined()) return false;
    // A value of exactly 0 goes with the positive end, so a jump through 0 (SGN) keeps its size.
    if ((s.value < 0) == (fa < 0)) {
      a = m;
      fa = s.value;
    } else {
      b = m;
      fb = s.value;
    }
  }
  return std::max(std::fabs(fa), std::fabs(fb)) <= kShrinkRatio * start;
}

// The end of the defined stretch between the undefined point u and the defined point d, when g
// is defined there and vanishes (SQRT(X)*(X-3) at 0, SQRT(2-X^2) at 1.41...): the stretch is
// halved down to neighbouring doubles, whose defined one is the end. Only near 0 are doubles too
// dense for that; the end there is 0 itself, and it counts only where g is defined at 0 (not for
// X*LN(X), which merely tends to 0).
std::optional<double> ZeroAtDomainEdge(const SampleFunction& g, double u, double d, double fd) {
  // A value the evaluator only clamped (EXP(1/X) below -0.02) lies outside its range, not
  // outside the domain: no end of a stretch there.
  if (g(u).error == fktint::kEvalClamped) return std::nullopt;
  const double start = std::fabs(fd);
  bool neighbours = false;
  for (int i = 0; i < kEdgeHalvings; ++i) {
    const double m = u + (d - u) / 2;
    if (m == u || m == d) {
      neighbours = true;
      break;
    }
    const Sample s = g(m);
    if (s.Defined()) {
      d = m;
      fd = s.value;
    } else {
      u = m;
    }
  }
  if (!neighbours) {
    if ((u < 0) == (d < 0) && u != 0) return std::nullopt;
    d = 0;
    const Sample at_zero = g(0);
    if (!at_zero.Defined()) return std::nullopt;
    fd = at_zero.value;
  }
  if (!(std::fabs(fd) <= kShrinkRatio * start)) return std::nullopt;
  return d;
}

// Whether f bends opposite ways on the two sides of x, measured on f itself by second
// differences two cells out, each clear of f's rounding noise: the sign change of a symbolic f''
// can be noise (the f'' of (X^2-4)/(X-2) is noise about 0).
bool BendsOppositeWays(const SampleFunction& f, double x, double h) {
  auto bend = [&](double t) -> std::optional<double> {
    const Sample l = f(t - h);
    const Sample m = f(t);
    const Sample r = f(t + h);
    if (!l.Defined() || !m.Defined() || !r.Defined()) return std::nullopt;
    const double scale = std::max({std::fabs(l.value), std::fabs(m.value), std::fabs(r.value)});
    const double d = l.value - 2 * m.value + r.value;
    if (std::fabs(d) <= kBendNoiseUlps * std::numeric_limits<double>::epsilon() * scale) {
      return std::nullopt;
    }
    return d;
  };
  const std::optional<double> left = bend(x - 2 * h);
  const std::optional<double> right = bend(x + 2 * h);
  return left && right && (*left < 0) != (*right < 0);
}

// The root of g at a sign change between two continuous points a and b, or nothing.
std::optional<double> ZeroInCell(const SampleFunction& g, double a, double b, double fa, double fb,
                                 int iterations) {
  if (!SignChangeIsZero(g, a, b, fa, fb)) return std::nullopt;
  const double tol = kRefineAbsoluteTolerance * std::fabs(b - a);
  const double root = RefineRoot(g, a, b, tol, iterations);
  if (!(root >= a && root <= b) || !g(root).Defined()) return std::nullopt;
  return root;
}

// Whether f is defined at t and its differences from the values at t -+ d shrink as d does:
// near a continuous point by at least the cube root of the distance, next to a jump or a pole
// not at all. h is the grid cell.
bool ContinuousAt(const SampleFunction& f, double t, double h) {
  const Sample at = f(t);
  if (!at.Defined()) return false;
  auto difference = [&](double d) {
    const Sample left = f(t - d);
    const Sample right = f(t + d);
    if (!left.Defined() || !right.Defined()) return std::numeric_limits<double>::infinity();
    return std::max(std::fabs(left.value - at.value), std::fabs(right.value - at.value));
  };
  const double wide = difference(kContinuityProbe * h);
  const double narrow = difference(kContinuityProbe * h / kContinuityShrink);
  if (!std::isfinite(wide) || !std::isfinite(narrow)) return false;
  return narrow <= kContinuityRatio * wide;
}

// Whether the values of g towards its turning point t shrink towards 0 (see kTouchingZeroRatio).
bool TouchesZero(const SampleFunction& g, double t, double h) {
  auto size = [&](double d) {
    return std::max(std::fabs(g(t - d).value), std::fabs(g(t + d).value));
  };
  const double wide = size(kContinuityProbe * h);
  const double narrow = size(kContinuityProbe * h / kContinuityShrink);
  return narrow <= kContinuityRatio * wide && std::fabs(g(t).value) <= kContinuityRatio * narrow;
}

// Whether the refined turning point t of the samples y0, y1, y2 (one cell h apart) is an
// extremum of a continuous g: its value in line with the samples, g continuous there.
bool ContinuousTurningPoint(const SampleFunction& g, double t, double h, double y0, double y1,
                            double y2) {
  const Sample at = g(t);
  if (!at.Defined()) return false;
  const double spread = std::fabs(y1 - y0) + std::fabs(y2 - y1);
  if (std::fabs(at.value - y1) > kTurningValueBound * spread) return false;
  return ContinuousAt(g, t, h);
}

}  // namespace

std::vector<FoundPoint> ScanForPoints(SearchKind kind, const SampleFunction& g, double from,
                                      double to, const SampleFunction& curve) {
  const std::optional<SearchInterval> interval = MakeSearchInterval(from, to);
  if (!interval) return {};
  const ScanSettings settings = SettingsFor(kind);
  const int n = settings.cells;
  const double lo = interval->lo;
  const double h = (interval->hi - lo) / n;
  auto grid_x = [&](int k) { return lo + k * h; };

  // Every grid point is sampled once; x is computed from its index so that no rounding drifts in.
  std::vector<Sample> y(static_cast<std::size_t>(n) + 1);
  for (int k = 0; k <= n; ++k) y[k] = g(grid_x(k));

  PointCollector found(kSamePointCellFraction * h);
  int candidates = 0;

  for (int k = 0; k < n && !found.Full() && candidates < kMaxCandidatesPerSearch; ++k) {
    const Sample& y0 = y[k];
    const Sample& y1 = y[k + 1];
    if (settings.needs_small_value && y0.Defined() != y1.Defined()) {
      // The edge of a defined stretch inside the interval may be a zero.
      ++candidates;
      const bool entering = y1.Defined();
      const std::optional<double> edge =
          entering ? ZeroAtDomainEdge(g, grid_x(k), grid_x(k + 1), y1.value)
                   : ZeroAtDomainEdge(g, grid_x(k + 1), grid_x(k), y0.value);
      if (edge) found.Add({*edge, false});
      continue;
    }
    if (!y0.Defined() || !y1.Defined()) continue;
    if (settings.sign_test) {
      // A sample of exactly 0 between samples of opposite sign is a root the strict test
      // y0 * y1 < 0 would step over; it is checked on the bracket of both cells.
      const bool zero_sample =
          y1.value == 0 && k + 2 <= n && y[k + 2].Defined() && y0.value * y[k + 2].value < 0;
      if (y0.value * y1.value < 0 || zero_sample) {
        ++candidates;
        const int right = zero_sample ? k + 2 : k + 1;
        if (kind == SearchKind::Inflections) {
          // f'' changes sign (also through a jump or a pole of f''); an inflection point is
          // where the curve itself is defined and continuous and bends opposite ways.
          const double tol = kRefineAbsoluteTolerance * (grid_x(right) - grid_x(k));
          const double x = RefineRoot(g, grid_x(k), grid_x(right), tol, settings.iterations);
          const bool on_curve =
              curve ? ContinuousAt(curve, x, h) && BendsOppositeWays(curve, x, h)
                    : SignChangeIsZero(g, grid_x(k), grid_x(right), y0.value, y[right].value);
          if (x >= grid_x(k) && x <= grid_x(right) && on_curve) found.Add({x, false});
        } else if (const std::optional<double> root =
                       ZeroInCell(g, grid_x(k), grid_x(right), y0.value, y[right].value,
                                  settings.iterations)) {
          found.Add({*root, false});
        }
      }
    }
    if (settings.direction_test && k + 2 <= n) {
      const Sample& y2 = y[k + 2];
      if (!y2.Defined() || Noise(y0.value, y1.value) || Noise(y1.value, y2.value)) continue;
      if ((y1.value - y0.value) * (y2.value - y1.value) < 0) {
        ++candidates;
        const bool minimum = y1.value < y0.value;
        const double x = RefineTurningPoint(g, grid_x(k), grid_x(k + 1), grid_x(k + 2), minimum,
                                            settings.iterations);
        if (!ContinuousTurningPoint(g, x, h, y0.value, y1.value, y2.value)) continue;
        if (settings.needs_small_value) {
          // A touching zero: the turning point lies on the axis, measured against the samples.
          const double scale = std::max({std::fabs(y0.value), std::fabs(y1.value),
                                         std::fabs(y2.value)});
          if (!(std::fabs(g(x).value) <= kTouchingZeroRatio * scale) && !TouchesZero(g, x, h)) {
            continue;
          }
        }
        found.Add({x, minimum});
      }
    }
  }
  return found.Take();
}

std::string SearchTerm(SearchKind kind, std::string_view f1, std::string_view f2,
                       std::string_view second_derivative) {
  switch (kind) {
    case SearchKind::Zeros:
    case SearchKind::Extrema:
      return std::string(f1);
    case SearchKind::Inflections:
      return std::string(second_derivative);
    case SearchKind::Intersections:
      return std::string(f1) + "-(" + std::string(f2) + ")";
  }
  return {};
}

namespace {

// Gauss-Kronrod 7-15 nodes on [-1, 1] (the positive half; the odd ones are the Gauss nodes)
// and their weights.
constexpr double kKronrodNodes[8] = {
    0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
    0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
    0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
    0.207784955007898467600689403773245, 0.000000000000000000000000000000000};
constexpr double kKronrodWeights[8] = {
    0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
    0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
    0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
    0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
constexpr double kGaussWeights[4] = {
    0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
    0.381830050505118944950369775488975, 0.417959183673469387755102040816327};

// Requested accuracy: far below the two printed decimals.
constexpr double kIntegralAbsoluteTolerance = 1e-7;
constexpr double kIntegralRelativeTolerance = 1e-9;
// Pieces the adaptive rule may use; an integrand that still has not met the tolerance then
// (endless oscillation) keeps its value only when the error estimate is below
// kUsableIntegralError, a tenth of the last printed decimal.
constexpr int kMaxIntegralPieces = 400;
constexpr double kUsableIntegralError = 5e-4;
// A piece narrower than this fraction of [a, b] is not split further: an integrand whose error
// still sits in such a piece is unbounded there and its integral diverges.
constexpr double kNarrowestPieceFraction = 1e-15;
// Distance (relative to |x|, at least absolute) of the neighbours that stand in for a node where
// the integrand is undefined.
constexpr double kGapProbe = 1e-9;

struct Piece {
  double a = 0;
  double b = 0;
  double integral = 0;
  double area = 0;
  double error = 0;  // of the integral and the area together
};

class AdaptiveIntegral {
 public:
  AdaptiveIntegral(const SampleFunction& f, const SampleFunction& g, double width)
      : f_(f), g_(g), width_(width) {}

  // f - g at x. A single undefined point (SIN(X)/X at 0, a pole hit exactly) takes the mean
  // of its close neighbours: a removable gap gets its limit, and at a pole the neighbours are
  // huge, so the error estimate drives the pieces towards it until its divergence shows.
  std::optional<double> Difference(double x) const {
    if (const std::optional<double> d = DefinedDifference(x)) return d;
    const double probe = kGapProbe * std::max(1.0, std::fabs(x));
    const std::optional<double> left = DefinedDifference(x - probe);
    const std::optional<double> right = DefinedDifference(x + probe);
    if (!left || !right) return std::nullopt;
    return (*left + *right) / 2;
  }

  std::optional<Piece> Rule(double a, double b) const {
    const double centre = (a + b) / 2;
    const double half = (b - a) / 2;
    double kronrod = 0;
    double gauss = 0;
    double kronrod_abs = 0;
    double gauss_abs = 0;
    for (int i = 0; i < 8; ++i) {
      const double offset = half * kKronrodNodes[i];
      const int sides = i == 7 ? 1 : 2;
      for (int side = 0; side < sides; ++side) {
        const std::optional<double> v = Difference(side == 0 ? centre - offset : centre + offset);
        if (!v) return std::nullopt;
        kronrod += kKronrodWeights[i] * *v;
        kronrod_abs += kKronrodWeights[i] * std::fabs(*v);
        if (i % 2 == 1) {
          gauss += kGaussWeights[i / 2] * *v;
          gauss_abs += kGaussWeights[i / 2] * std::fabs(*v);
        }
      }
    }
    Piece piece{a, b, kronrod * half, kronrod_abs * half, 0};
    piece.error = std::fabs((kronrod - gauss) * half) + std::fabs((kronrod_abs - gauss_abs) * half);
    if (!std::isfinite(piece.integral) || !std::isfinite(piece.area) || !std::isfinite(piece.error))
      return std::nullopt;
    return piece;
  }

  bool TooNarrow(const Piece& p) const {
    const double mid = (p.a + p.b) / 2;
    return p.b - p.a < kNarrowestPieceFraction * width_ || !(mid > p.a && mid < p.b);
  }

 private:
  std::optional<double> DefinedDifference(double x) const {
    const Sample fx = f_(x);
    if (!fx.Defined()) return std::nullopt;
    const Sample gx = g_(x);
    if (!gx.Defined()) return std::nullopt;
    return fx.value - gx.value;
  }

  const SampleFunction& f_;
  const SampleFunction& g_;
  double width_;
};

}  // namespace

std::optional<IntegralResult> IntegrateBetween(const SampleFunction& f, const SampleFunction& g,
                                               double a, double b) {
  if (a == b) return std::nullopt;
  IntegralResult result;
  result.lo = std::min(a, b);
  result.hi = std::max(a, b);
  result.status = IntegralStatus::DoesNotExist;
  if (!std::isfinite(result.lo) || !std::isfinite(result.hi) ||
      !std::isfinite(result.hi - result.lo)) {
    return result;
  }
  const AdaptiveIntegral rule(f, g, result.hi - result.lo);
  // Global adaptive scheme: the piece with the largest error is halved until the errors add up
  // to less than the tolerance.
  std::vector<Piece> pieces;
  pieces.reserve(kMaxIntegralPieces);
  const std::optional<Piece> whole = rule.Rule(result.lo, result.hi);
  if (!whole) return result;
  pieces.push_back(*whole);
  auto by_error = [](const Piece& x, const Piece& y) { return x.error < y.error; };
  for (;;) {
    double integral = 0;
    double area = 0;
    double error = 0;
    for (const Piece& p : pieces) {
      integral += p.integral;
      area += p.area;
      error += p.error;
    }
    if (error <= std::max(kIntegralAbsoluteTolerance, kIntegralRelativeTolerance * area)) {
      result.integral = integral;
      result.area = area;
      result.status = IntegralStatus::Value;
      return result;
    }
    if (pieces.size() + 1 > static_cast<std::size_t>(kMaxIntegralPieces)) {
      // Out of pieces (an endlessly oscillating integrand): the value still stands when its
      // error is far below the printed decimals, otherwise it is not known.
      if (error <= kUsableIntegralError) {
        result.integral = integral;
        result.area = area;
        result.status = IntegralStatus::Value;
      } else {
        result.status = IntegralStatus::Undetermined;
      }
      return result;
    }
    std::pop_heap(pieces.begin(), pieces.end(), by_error);
    const Piece worst = pieces.back();
    pieces.pop_back();
    if (rule.TooNarrow(worst)) return result;  // unbounded there: diverges
    const double mid = (worst.a + worst.b) / 2;
    const std::optional<Piece> left = rule.Rule(worst.a, mid);
    const std::optional<Piece> right = rule.Rule(mid, worst.b);
    if (!left || !right) return result;
    pieces.push_back(*left);
    std::push_heap(pieces.begin(), pieces.end(), by_error);
    pieces.push_back(*right);
    std::push_heap(pieces.begin(), pieces.end(), by_error);
  }
}

}  // namespace plotwerk::plot
