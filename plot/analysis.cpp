// The grid searches of the first term, Brent's root finder and minimiser, and the integral.
#include "plot/analysis.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "fktint/fktint.h"

namespace plotwerk::plot {

namespace {

// Two accepted points closer than this fraction of a grid cell are the same point, found from
// two neighbouring cells or by both the sign and the direction test.
constexpr double kSamePointCellFraction = 0.5;

// Chebyshev's equal-weight nodes on [-1, 1] for five points: 0, ±t1, ±t2.
constexpr double kChebyshevT1 = 0.37454140955358106;  // sqrt((5 - sqrt(11)) / 12)
constexpr double kChebyshevT2 = 0.8324974870009819;   // sqrt((5 + sqrt(11)) / 12)
constexpr double kChebyshevPoints = 5;

struct ScanSettings {
  int cells;
  int iterations;
  bool sign_test;       // y0 * y1 < 0 refines the cell as a root
  bool direction_test;  // (y1 - y0) * (y2 - y1) < 0 refines the turning point
  bool needs_small_value;  // accepted only when |g| < kZeroAcceptance
};

ScanSettings SettingsFor(SearchKind kind) {
  switch (kind) {
    case SearchKind::Zeros:
    case SearchKind::Intersections:
      return {kZeroCells, kZeroIterations, true, true, true};
    case SearchKind::Extrema:
      return {kExtremumCells, kExtremumIterations, false, true, false};
    case SearchKind::Inflections:
      return {kZeroCells, kExtremumIterations, true, false, false};
  }
  return {kZeroCells, kZeroIterations, true, true, true};
}

bool SmallProduct(double a, double b) { return std::fabs(a * b) < kNeighbourProductBound; }

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

bool Sample::Defined() const { return error == 0 && std::isfinite(value); }

SampleFunction TermFunction(std::string term) {
  return [term = std::move(term)](double x) {
    const double value = fktint::EvaluateTerm(term, x);
    return Sample{value, fktint::EvalError};
  };
}

std::optional<SearchInterval> MakeSearchInterval(double from, double to) {
  // A reversed interval is searched the right way round; NaN ends count as too large.
  const double a = std::isnan(from) ? to : std::isnan(to) ? from : std::min(from, to);
  const double b = std::isnan(from) ? to : std::isnan(to) ? from : std::max(from, to);
  double lo = a - kSearchWidening;
  double hi = b + kSearchWidening;
  if (!(std::fabs(lo) <= kLargestSearchEnd)) lo = kReplacementLo;
  if (!(std::fabs(hi) <= kLargestSearchEnd)) hi = kReplacementHi;
  // Replacing one end can put it beyond the other one (from 6 to 200).
  if (lo > hi) std::swap(lo, hi);
  if (!(hi > lo)) return std::nullopt;
  return SearchInterval{lo, hi};
}

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

std::vector<FoundPoint> ScanForPoints(SearchKind kind, const SampleFunction& g, double from,
                                      double to) {
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
  auto accept = [&](double x, bool minimum) {
    const Sample s = g(x);
    if (!s.Defined()) return;
    if (settings.needs_small_value && !(std::fabs(s.value) < kZeroAcceptance)) return;
    found.Add({x, minimum});
  };

  for (int k = 0; k < n && !found.Full() && candidates < kMaxCandidatesPerSearch; ++k) {
    const Sample& y0 = y[k];
    const Sample& y1 = y[k + 1];
    if (!y0.Defined() || !y1.Defined()) continue;
    if (settings.sign_test) {
      // A sample that is exactly 0 between samples of opposite sign is a root the strict test
      // y0 * y1 < 0 would step over.
      if (y1.value == 0 && k + 2 <= n && y[k + 2].Defined() && y0.value * y[k + 2].value < 0 &&
          SmallProduct(y0.value, y[k + 2].value)) {
        accept(grid_x(k + 1), false);
      }
      if (y0.value * y1.value < 0 && SmallProduct(y0.value, y1.value)) {
        ++candidates;
        const double x = grid_x(k);
        const double tol = kRefineAbsoluteTolerance * (2 * x + h) / 2;
        const double root = RefineRoot(g, x, grid_x(k + 1), tol, settings.iterations);
        if (root >= x && root <= grid_x(k + 1)) accept(root, false);
      }
    }
    if (settings.direction_test && k + 2 <= n) {
      const Sample& y2 = y[k + 2];
      if (y2.Defined() && (y1.value - y0.value) * (y2.value - y1.value) < 0 &&
          SmallProduct(y0.value, y1.value)) {
        ++candidates;
        const bool minimum = y1.value < y0.value;
        const double x =
            RefineTurningPoint(g, grid_x(k), grid_x(k + 1), grid_x(k + 2), minimum,
                               settings.iterations);
        accept(x, minimum);
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

std::optional<IntegralResult> IntegrateBetween(const SampleFunction& f, const SampleFunction& g,
                                               double a, double b) {
  if (a == b) return std::nullopt;
  IntegralResult result;
  result.lo = std::min(a, b);
  result.hi = std::max(a, b);
  const double h = (result.hi - result.lo) / kIntegralSubintervals;
  auto difference = [&](double v) { return f(v).value - g(v).value; };
  for (int i = 0; i < kIntegralSubintervals; ++i) {
    const double mid = result.lo + i * h + h / 2;
    const double nodes[] = {mid + kChebyshevT1 * h / 2, mid - kChebyshevT1 * h / 2,
                            mid + kChebyshevT2 * h / 2, mid - kChebyshevT2 * h / 2, mid};
    double sum = 0;
    double sum_abs = 0;
    for (double node : nodes) {
      const double d = difference(node);
      sum += d;
      sum_abs += std::fabs(d);
    }
    result.integral += sum * h / kChebyshevPoints;
    result.area += sum_abs * h / kChebyshevPoints;
  }
  return result;
}

}  // namespace plotwerk::plot
