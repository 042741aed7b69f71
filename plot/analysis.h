// Curve analysis of the first term: the grid searches for zeros, extrema, inflection points and
// intersections, Brent's root finder, the turning-point refinement and the integral between A and B.
// The solvers take a sampling function, not a term or a widget, so each runs headless in a test.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fktint/fktint.h"
#include "plot/parameters.h"

namespace plotwerk::plot {

// One evaluation: the value and the evaluator's code (0 success).
struct Sample {
  double value = 0;
  std::uint8_t error = fktint::kEvalOk;
  // A point counts only where the term is defined: code 0 and a finite value.
  bool Defined() const;
};

using SampleFunction = std::function<Sample(double)>;

// Samples the term at the given P and Q.
SampleFunction TermFunction(std::string term, const Parameters& parameters);

// The value of the term at x where it is defined (see Sample::Defined), otherwise 0.
double DefinedValueOrZero(std::string_view term, double x, const Parameters& parameters);

enum class SearchKind { Zeros, Extrema, Inflections, Intersections };

// Widening of the search interval at both ends.
inline constexpr double kSearchWidening = 0.0001;
inline constexpr int kZeroCells = 1000;
inline constexpr int kExtremumCells = 2500;
inline constexpr int kZeroIterations = 50;
inline constexpr int kExtremumIterations = 100;
inline constexpr int kMaxPointsPerSearch = 24;
// Candidates refined per search at most: an oscillating term (SIN(1/X)) offers a candidate at
// nearly every cell, and most of them are rejected after refinement.
inline constexpr int kMaxCandidatesPerSearch = 200;
// Brent's tolerance factors: relative to |b| (a few units in the last place) and to the width of
// the cell, so that a root is found to far below the printed decimals at any scale.
inline constexpr double kRefineRelativeTolerance = 1e-15;
inline constexpr double kRefineAbsoluteTolerance = 1e-9;

// The interval [lo, hi] a search runs over, or nothing when it is empty.
struct SearchInterval {
  double lo = 0;
  double hi = 0;
};
// from/to in either order, each end widened; nothing for non-finite ends.
std::optional<SearchInterval> MakeSearchInterval(double from, double to);

// Brent's method on g over the cell [a, b] in its classic form: no test that g changes sign, so
// on a cell without a sign change it halves towards the end with the smaller |g|. Always returns
// a number; failed evaluations are used with the value the evaluator returned.
double RefineRoot(const SampleFunction& g, double a, double b, double tol, int iterations);

// The extreme point of g inside the bracket a < m < c whose middle sample is the smallest
// (minimum) or the largest (maximum) of the three: Brent's parabolic minimiser, so the result is
// the turning point itself to about 1e-8 relative, not a point of the grid cell.
double RefineTurningPoint(const SampleFunction& g, double a, double m, double c, bool minimum,
                          int iterations);

struct FoundPoint {
  double x = 0;
  bool minimum = false;  // extrema only: the samples turned from falling to rising
};

// One of the four searches on the search term g over the interval from..to: at most
// kMaxPointsPerSearch points, left to right, each once, each where g is defined and continuous
// (a sign change at a jump or a pole is no zero, a turning point there no extremum). For
// inflection points g is f'' and `curve` is f, which must be continuous at the point.
std::vector<FoundPoint> ScanForPoints(SearchKind kind, const SampleFunction& g, double from,
                                      double to, const SampleFunction& curve = {});

// The text a search works on: the first term f for zeros and extrema, the second derivative for
// inflection points, f-(f2) for intersections. Empty when there is nothing to search.
std::string SearchTerm(SearchKind kind, std::string_view f1, std::string_view f2,
                       std::string_view second_derivative);

enum class IntegralStatus {
  Value,         // integral and area hold the values
  DoesNotExist,  // f - g undefined somewhere in [lo, hi] (other than at a single removable
                 // point) or unbounded there with a divergent integral
  Undetermined,  // the adaptive rule ran out of pieces far from its tolerance
};

struct IntegralResult {
  double lo = 0;
  double hi = 0;
  IntegralStatus status = IntegralStatus::Value;  // integral and area are 0 unless Value
  double integral = 0;  // of f - g, signed
  double area = 0;      // of |f - g|
};

// The integral and the area of f - g over [min(a,b), max(a,b)] by adaptive Gauss-Kronrod
// quadrature (7-15 points, the piece with the largest error halved first), accurate to far
// below two decimals; improper integrals at poles and undefined ends converge when they exist.
// Nothing when a = b.
std::optional<IntegralResult> IntegrateBetween(const SampleFunction& f, const SampleFunction& g,
                                               double a, double b);

}  // namespace plotwerk::plot
