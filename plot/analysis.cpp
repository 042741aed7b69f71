// The grid searches of the first term, Brent's root finder and minimiser, and the integral.
#include "plot/analysis.h"

#include <algorithm>
#include <array>
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

SampleFunction TermFunction(std::string term, const Parameters& parameters) {
  return [compiled = fktint::CompileTerm(term), parameters](double x) {
    const fktint::TermValue v = compiled->Evaluate(x, parameters.p, parameters.q);
    return Sample{v.value, v.code};
  };
}

double DefinedValueOrZero(std::string_view term, double x, const Parameters& parameters) {
  const fktint::TermValue v = fktint::EvaluateTerm(term, x, parameters.p, parameters.q);
  const Sample sample{v.value, v.code};
  return sample.Defined() ? sample.value : 0;
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

namespace {

// Brent's minimiser between steps: the bracket [lo, hi], the best point x so far, the second best
// w, the previous w v, their values, and the last two steps d and e.
struct MinimiserState {
  double lo = 0;
  double hi = 0;
  double x = 0;
  double w = 0;
  double v = 0;
  double fx = 0;
  double fw = 0;
  double fv = 0;
  double d = 0;
  double e = 0;
};

// Takes the trial point u with the value fu: a better point becomes x and the bracket closes on
// it; a worse one narrows the bracket and may become w or v.
void TakeTrialPoint(MinimiserState& s, double u, double fu) {
  if (fu <= s.fx) {
    if (u >= s.x) {
      s.lo = s.x;
    } else {
      s.hi = s.x;
    }
    s.v = s.w;
    s.fv = s.fw;
    s.w = s.x;
    s.fw = s.fx;
    s.x = u;
    s.fx = fu;
  } else {
    if (u < s.x) {
      s.lo = u;
    } else {
      s.hi = u;
    }
    if (fu <= s.fw || s.w == s.x) {
      s.v = s.w;
      s.fv = s.fw;
      s.w = u;
      s.fw = fu;
    } else if (fu <= s.fv || s.v == s.x || s.v == s.w) {
      s.v = u;
      s.fv = fu;
    }
  }
}

}  // namespace

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
  MinimiserState s;
  s.lo = std::min(a, c);
  s.hi = std::max(a, c);
  s.x = m;
  s.w = m;
  s.v = m;
  s.fx = phi(s.x);
  s.fw = s.fx;
  s.fv = s.fx;
  for (int i = 0; i < iterations; ++i) {
    const double mid = (s.lo + s.hi) / 2;
    const double tol1 = relative * std::fabs(s.x) + kAbsoluteTolerance;
    const double tol2 = 2 * tol1;
    if (std::fabs(s.x - mid) <= tol2 - (s.hi - s.lo) / 2) break;
    bool golden_step = true;
    if (std::fabs(s.e) > tol1) {
      // Parabola through x, w and v.
      double r = (s.x - s.w) * (s.fx - s.fv);
      double q = (s.x - s.v) * (s.fx - s.fw);
      double p = (s.x - s.v) * q - (s.x - s.w) * r;
      q = 2 * (q - r);
      if (q > 0) p = -p;
      q = std::fabs(q);
      const double previous_e = s.e;
      s.e = s.d;
      if (std::isfinite(p) && std::isfinite(q) && std::fabs(p) < std::fabs(q * previous_e / 2) &&
          p > q * (s.lo - s.x) && p < q * (s.hi - s.x)) {
        s.d = p / q;
        const double u = s.x + s.d;
        if (u - s.lo < tol2 || s.hi - u < tol2) s.d = mid > s.x ? tol1 : -tol1;
        golden_step = false;
      }
    }
    if (golden_step) {
      s.e = s.x >= mid ? s.lo - s.x : s.hi - s.x;
      s.d = golden * s.e;
    }
    const double u = std::fabs(s.d) >= tol1 ? s.x + s.d : s.x + (s.d > 0 ? tol1 : -tol1);
    TakeTrialPoint(s, u, phi(u));
  }
  return s.x;
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

// How finely each kind searches: grid cells and refinement steps.
struct SearchResolution {
  int cells = kZeroCells;
  int iterations = kZeroIterations;
};

SearchResolution ResolutionFor(SearchKind kind) {
  switch (kind) {
    case SearchKind::Zeros:
    case SearchKind::Intersections:
      return {kZeroCells, kZeroIterations};
    case SearchKind::Extrema:
      return {kExtremumCells, kExtremumIterations};
    case SearchKind::Inflections:
      return {kZeroCells, kExtremumIterations};
  }
  return {};
}

// The samples of g at the grid points of the interval, each taken once; x is computed from its
// index so that no rounding drifts in.
class SampleGrid {
 public:
  SampleGrid(const SampleFunction& g, const SearchInterval& interval, int cells)
      : lo_(interval.lo), h_((interval.hi - interval.lo) / cells) {
    samples_.resize(static_cast<std::size_t>(cells) + 1);
    for (int k = 0; k <= cells; ++k) samples_[k] = g(X(k));
  }
  int Cells() const { return static_cast<int>(samples_.size()) - 1; }
  double CellWidth() const { return h_; }
  double X(int k) const { return lo_ + k * h_; }
  const Sample& Y(int k) const { return samples_[k]; }

 private:
  double lo_;
  double h_;
  std::vector<Sample> samples_;
};

// What a bracket test found in the grid, and so what the refinement makes of it.
enum class BracketShape {
  DomainEdge,       // g defined at one end of a cell only: the end of the stretch may be a zero
  Root,             // g changes sign and must vanish there, not jump or run through a pole
  CurvatureChange,  // f'' changes sign (also through a jump or a pole of f'')
  Extremum,         // the middle of three samples lies beyond both others
  TouchingZero,     // an extremum that must lie on the axis
};

struct Bracket {
  BracketShape shape = BracketShape::Root;
  // Grid indices. DomainEdge: `from` is the undefined end, `to` the defined one; Root and
  // CurvatureChange: the ends; Extremum and TouchingZero: the three samples.
  int from = 0;
  int middle = 0;
  int to = 0;
  bool minimum = false;  // Extremum and TouchingZero: the samples turned from falling to rising
};

// The brackets of one cell, in the order they are refined (at most a sign change and a turn).
class CellBrackets {
 public:
  void Add(const std::optional<Bracket>& bracket) {
    if (bracket) brackets_[size_++] = *bracket;
  }
  const Bracket* begin() const { return brackets_.data(); }
  const Bracket* end() const { return brackets_.data() + size_; }

 private:
  std::array<Bracket, 2> brackets_{};
  std::size_t size_ = 0;
};

// g is defined at one end of cell k only: the edge of a defined stretch inside the interval.
std::optional<Bracket> DomainEdgeIn(const SampleGrid& grid, int k) {
  const bool entering = grid.Y(k + 1).Defined();
  if (grid.Y(k).Defined() == entering) return std::nullopt;
  return entering ? Bracket{BracketShape::DomainEdge, k, k, k + 1, false}
                  : Bracket{BracketShape::DomainEdge, k + 1, k + 1, k, false};
}

// g changes sign over cell k, both ends defined. A sample of exactly 0 between samples of
// opposite sign is a root the strict test y0 * y1 < 0 would step over; the bracket then spans
// both cells.
std::optional<Bracket> SignChangeIn(const SampleGrid& grid, int k, BracketShape shape) {
  const Sample& y0 = grid.Y(k);
  const Sample& y1 = grid.Y(k + 1);
  if (!y0.Defined() || !y1.Defined()) return std::nullopt;
  const bool zero_sample = y1.value == 0 && k + 2 <= grid.Cells() && grid.Y(k + 2).Defined() &&
                           y0.value * grid.Y(k + 2).value < 0;
  if (!(y0.value * y1.value < 0 || zero_sample)) return std::nullopt;
  return Bracket{shape, k, k, zero_sample ? k + 2 : k + 1, false};
}

// The samples k, k+1, k+2 are defined and change direction, clear of rounding noise.
std::optional<Bracket> TurnIn(const SampleGrid& grid, int k, BracketShape shape) {
  if (k + 2 > grid.Cells()) return std::nullopt;
  const Sample& y0 = grid.Y(k);
  const Sample& y1 = grid.Y(k + 1);
  const Sample& y2 = grid.Y(k + 2);
  if (!y0.Defined() || !y1.Defined() || !y2.Defined()) return std::nullopt;
  if (Noise(y0.value, y1.value) || Noise(y1.value, y2.value)) return std::nullopt;
  if (!((y1.value - y0.value) * (y2.value - y1.value) < 0)) return std::nullopt;
  return Bracket{shape, k, k + 1, k + 2, y1.value < y0.value};
}

// The bracket test of each kind on cell k. Zeros (and intersections, the zeros of the
// difference): the end of a defined stretch, else a sign change and a touching zero.
CellBrackets ZeroBrackets(const SampleGrid& grid, int k) {
  CellBrackets found;
  if (const std::optional<Bracket> edge = DomainEdgeIn(grid, k)) {
    found.Add(edge);
    return found;
  }
  found.Add(SignChangeIn(grid, k, BracketShape::Root));
  found.Add(TurnIn(grid, k, BracketShape::TouchingZero));
  return found;
}

CellBrackets ExtremumBrackets(const SampleGrid& grid, int k) {
  CellBrackets found;
  found.Add(TurnIn(grid, k, BracketShape::Extremum));
  return found;
}

// g is f'' here: its sign changes, checked on the curve after refinement.
CellBrackets InflectionBrackets(const SampleGrid& grid, int k) {
  CellBrackets found;
  found.Add(SignChangeIn(grid, k, BracketShape::CurvatureChange));
  return found;
}

CellBrackets BracketsIn(SearchKind kind, const SampleGrid& grid, int k) {
  switch (kind) {
    case SearchKind::Zeros:
    case SearchKind::Intersections:
      return ZeroBrackets(grid, k);
    case SearchKind::Extrema:
      return ExtremumBrackets(grid, k);
    case SearchKind::Inflections:
      return InflectionBrackets(grid, k);
  }
  return {};
}

// The search term g with its grid, and for inflection points the curve f.
struct SearchContext {
  const SampleFunction& g;
  const SampleFunction& curve;
  const SampleGrid& grid;
  int iterations = 0;
};

// Whether the root x of the CurvatureChange bracket [a, b] is an inflection point: the curve is
// defined and continuous there and bends opposite ways (without a curve: g vanishes there
// rather than jumping or running through a pole).
bool OnCurve(const SearchContext& s, const Bracket& bracket, double x) {
  const double a = s.grid.X(bracket.from);
  const double b = s.grid.X(bracket.to);
  const double h = s.grid.CellWidth();
  const bool on_curve =
      s.curve ? ContinuousAt(s.curve, x, h) && BendsOppositeWays(s.curve, x, h)
              : SignChangeIsZero(s.g, a, b, s.grid.Y(bracket.from).value, s.grid.Y(bracket.to).value);
  return x >= a && x <= b && on_curve;
}

// Whether the refined turning point x of an Extremum or TouchingZero bracket counts: an extremum
// of a continuous g, and for a touching zero on the axis, measured against the samples.
bool TurningPointCounts(const SearchContext& s, const Bracket& bracket, double x) {
  const double y0 = s.grid.Y(bracket.from).value;
  const double y1 = s.grid.Y(bracket.middle).value;
  const double y2 = s.grid.Y(bracket.to).value;
  const double h = s.grid.CellWidth();
  if (!ContinuousTurningPoint(s.g, x, h, y0, y1, y2)) return false;
  if (bracket.shape != BracketShape::TouchingZero) return true;
  const double scale = std::max({std::fabs(y0), std::fabs(y1), std::fabs(y2)});
  return std::fabs(s.g(x).value) <= kTouchingZeroRatio * scale || TouchesZero(s.g, x, h);
}

// The one refinement of all searches: narrows a bracket down to its point and keeps the point
// only where it is what the bracket promised. Sign changes and turns are refined by Brent's
// method (R. P. Brent, "Algorithms for Minimization without Derivatives", Prentice-Hall 1973:
// the root finder of chapter 4, the minimiser of chapter 5), the end of a defined stretch by
// halving, as Brent's routines need a value at both ends.
std::optional<FoundPoint> RefineBracket(const SearchContext& s, const Bracket& bracket) {
  const double a = s.grid.X(bracket.from);
  const double b = s.grid.X(bracket.to);
  switch (bracket.shape) {
    case BracketShape::DomainEdge:
      if (const std::optional<double> edge = ZeroAtDomainEdge(s.g, a, b, s.grid.Y(bracket.to).value)) {
        return FoundPoint{*edge, false};
      }
      return std::nullopt;
    case BracketShape::Root: {
      // A sign change at a jump or a pole is no zero.
      if (!SignChangeIsZero(s.g, a, b, s.grid.Y(bracket.from).value, s.grid.Y(bracket.to).value)) {
        return std::nullopt;
      }
      const double root = RefineRoot(s.g, a, b, kRefineAbsoluteTolerance * std::fabs(b - a), s.iterations);
      if (!(root >= a && root <= b) || !s.g(root).Defined()) return std::nullopt;
      return FoundPoint{root, false};
    }
    case BracketShape::CurvatureChange: {
      const double x = RefineRoot(s.g, a, b, kRefineAbsoluteTolerance * (b - a), s.iterations);
      if (!OnCurve(s, bracket, x)) return std::nullopt;
      return FoundPoint{x, false};
    }
    case BracketShape::Extremum:
    case BracketShape::TouchingZero: {
      const double x =
          RefineTurningPoint(s.g, a, s.grid.X(bracket.middle), b, bracket.minimum, s.iterations);
      if (!TurningPointCounts(s, bracket, x)) return std::nullopt;
      return FoundPoint{x, bracket.minimum};
    }
  }
  return std::nullopt;
}

}  // namespace

std::vector<FoundPoint> ScanForPoints(SearchKind kind, const SampleFunction& g, double from,
                                      double to, const SampleFunction& curve) {
  const std::optional<SearchInterval> interval = MakeSearchInterval(from, to);
  if (!interval) return {};
  const SearchResolution plan = ResolutionFor(kind);
  const SampleGrid grid(g, *interval, plan.cells);
  const SearchContext search{g, curve, grid, plan.iterations};
  PointCollector found(kSamePointCellFraction * grid.CellWidth());
  int candidates = 0;
  // The bounds are checked per cell: a cell's brackets are all refined.
  for (int k = 0; k < grid.Cells() && !found.Full() && candidates < kMaxCandidatesPerSearch; ++k) {
    for (const Bracket& bracket : BracketsIn(kind, grid, k)) {
      ++candidates;
      if (const std::optional<FoundPoint> point = RefineBracket(search, bracket)) found.Add(*point);
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
