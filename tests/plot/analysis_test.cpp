// The grid searches, the root finder, the turning-point refinement and the integral, checked
// against independently known values.
#include "plot/analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "fktint/fktint.h"

namespace plotwerk::plot {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRootTolerance = 2e-5;       // Brent's tolerance is about 6e-6 * |x|
constexpr double kTurningTolerance = 1e-6;    // the turning point itself, not a grid point

// P and Q of the terms searched here (the window's start values).
constexpr Parameters kParameters{.p = 1, .q = 2};

class AnalysisTest : public ::testing::Test {};

void ExpectPoints(SearchKind kind, const std::string& term, double from, double to,
                  const std::vector<double>& expected, double tolerance) {
  SCOPED_TRACE(term);
  const std::vector<FoundPoint> found = ScanForPoints(kind, TermFunction(term, kParameters), from, to);
  ASSERT_EQ(found.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(found[i].x, expected[i], tolerance) << "point " << i;
  }
}

void ExpectZeros(const std::string& term, double from, double to, const std::vector<double>& expected) {
  ExpectPoints(SearchKind::Zeros, term, from, to, expected, kRootTolerance);
}

enum Class { Min, Max };
struct Extremum {
  double x;
  Class kind;
};

void ExpectExtrema(const std::string& term, const std::vector<Extremum>& expected) {
  SCOPED_TRACE(term);
  const std::vector<FoundPoint> found = ScanForPoints(SearchKind::Extrema, TermFunction(term, kParameters), -6, 6);
  ASSERT_EQ(found.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(found[i].x, expected[i].x, kTurningTolerance) << "point " << i;
    EXPECT_EQ(found[i].minimum, expected[i].kind == Min) << "point " << i;
  }
}

void ExpectInflections(const std::string& second_derivative, const std::vector<double>& expected) {
  ExpectPoints(SearchKind::Inflections, second_derivative, -6, 6, expected, kRootTolerance);
}

void ExpectIntersections(const std::string& f1, const std::string& f2, const std::vector<double>& expected) {
  ExpectPoints(SearchKind::Intersections, SearchTerm(SearchKind::Intersections, f1, f2, ""), -6, 6,
               expected, kRootTolerance);
}

TEST_F(AnalysisTest, ZerosOfKnownTerms) {
  ExpectZeros("X^2-2", -6, 6, {-std::sqrt(2.0), std::sqrt(2.0)});
  ExpectZeros("SIN(X)", -6, 6, {-kPi, 0, kPi});
  ExpectZeros("SIN(X)", -7, 7, {-2 * kPi, -kPi, 0, kPi, 2 * kPi});
  ExpectZeros("X^2-1", -6, 6, {-1, 1});
  ExpectZeros("X*SIN(X+P)", -6, 6, {-1 - kPi, -1, 0, kPi - 1, 2 * kPi - 1});
  ExpectZeros("X^2+1", -6, 6, {});
}

TEST_F(AnalysisTest, TouchingZeroIsFoundAtTheTurningPoint) {
  ExpectPoints(SearchKind::Zeros, "(X-1)^2", -6, 6, {1}, 1e-6);
  ExpectPoints(SearchKind::Zeros, "-(X+2)^2", -6, 6, {-2}, 1e-6);
}

TEST_F(AnalysisTest, PolesAreNotZeros) {
  ExpectZeros("1/X", -6, 6, {});
  ExpectZeros("TAN(X)", -6, 6, {-kPi, 0, kPi});
  ExpectZeros("1/(X-1)", -6, 6, {});
}

TEST_F(AnalysisTest, ZerosStopAtTwentyFourLeftmost) {
  const std::vector<FoundPoint> found = ScanForPoints(SearchKind::Zeros, TermFunction("SIN(10*X)", kParameters), -6, 6);
  ASSERT_EQ(found.size(), static_cast<std::size_t>(kMaxPointsPerSearch));
  EXPECT_NEAR(found.front().x, -19 * kPi / 10, kRootTolerance);
  EXPECT_NEAR(found.back().x, 4 * kPi / 10, kRootTolerance);  // 1.2566
}

TEST_F(AnalysisTest, ZerosOnlyWhereTheTermIsDefined) {
  // Undefined on [-1, 1]: failed evaluations must not pass for zeros at the hole's edges.
  ExpectZeros("LN(X^2-1)", -6, 6, {-std::sqrt(2.0), std::sqrt(2.0)});
  ExpectZeros("SQRT(1-X^2)-2", -6, 6, {});
  ExpectZeros("SQRT(X)-1", -6, 6, {1});
  ExpectZeros("LN(X)", -6, 6, {1});
  // Nowhere defined: nothing, and no refinement either.
  ExpectZeros("LN(-1-X^2)", -6, 6, {});
  // INT always reports a jump code: never a defined value.
  ExpectZeros("INT(X)-0.5", -6, 6, {});
}

TEST_F(AnalysisTest, ZeroAtTheStartOfTheInterval) {
  ExpectZeros("X+5.99995", -6, 6, {-5.99995});
  ExpectZeros("X+6", -6, 6, {-6});
  ExpectZeros("X-6", -6, 6, {6});
}

TEST_F(AnalysisTest, ZeroOnAGridPointIsFound) {
  // With from = -h/2 ... the grid runs through 0 exactly.
  const SampleFunction odd = [](double x) { return Sample{x, 0}; };
  const std::vector<FoundPoint> found = ScanForPoints(SearchKind::Zeros, odd, -1 + kSearchWidening, 1 - kSearchWidening);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].x, 0);
}

TEST_F(AnalysisTest, EachPointListedOnce) {
  // Two zeros 0.002 apart and the turning point between them (|g| = 1e-6) lie in one cell:
  // the grid cannot tell them apart, and the list must not say "0" three times.
  const std::vector<FoundPoint> found =
      ScanForPoints(SearchKind::Zeros, TermFunction("X^2-0.000001", kParameters), -6, 6);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NEAR(found[0].x, 0, 0.0011);
}

TEST_F(AnalysisTest, TheTypedIntervalIsSearchedAtAnyScale) {
  ExpectZeros("X^2-2", 6, -6, {-std::sqrt(2.0), std::sqrt(2.0)});
  ExpectZeros("X-5", -200, 300, {5});
  ExpectZeros("X-155", 150, 160, {155});
  ExpectZeros("X-999995", 999990, 1000010, {999995});
  ExpectZeros("X^2-1E-6", -0.01, 0.01, {});  // no exponent notation: unreadable
  ExpectZeros("X^2-0.000001", -0.01, 0.01, {-0.001, 0.001});
  EXPECT_FALSE(MakeSearchInterval(NAN, 1).has_value());
  EXPECT_FALSE(MakeSearchInterval(-1e308, 1e308).has_value());
}

TEST_F(AnalysisTest, ExtremaAtTheTurningPointWithTheirClass) {
  ExpectExtrema("X^3-3*X", {{-1, Max}, {1, Min}});
  ExpectExtrema("X^2-1", {{0, Min}});
  ExpectExtrema("X^4", {{0, Min}});  // f'' = 0 there, still a minimum
  ExpectExtrema("SIN(X)", {{-3 * kPi / 2, Max}, {-kPi / 2, Min}, {kPi / 2, Max}, {3 * kPi / 2, Min}});
  ExpectExtrema("X*SIN(X+P)", {{-5.880822145773429, Min},
                               {-2.9025816596712968, Max},
                               {-0.5202689927195903, Min},
                               {1.2467913768777432, Max},
                               {3.959757475251995, Min}});
}

TEST_F(AnalysisTest, ExtremaRejectedWhereFlatOrAtAPole) {
  ExpectExtrema("5", {});
  ExpectExtrema("X", {});
  ExpectExtrema("1/X^2", {});
  ExpectExtrema("LN(-1-X^2)", {});
}

TEST_F(AnalysisTest, InflectionPoints) {
  ExpectInflections("6*X", {0});                        // X^3
  ExpectInflections("-SIN(X)", {-kPi, 0, kPi});        // SIN(X)
  ExpectInflections("2", {});                          // X^2
  ExpectInflections("2/X^3", {});                      // 1/X: the sign change is a pole
  ExpectInflections("", {});
  ExpectInflections("2*COS(X+P)-X*SIN(X+P)",
                    {-4.555302328095786, -1.829807785114764, 0.3820468158138185, 2.767392849909343,
                     5.624811382550025});
}

TEST_F(AnalysisTest, IntersectionsOfTheDefaultTerms) {
  ExpectIntersections("X*SIN(X+P)", "X^2/4-2", {-3.732870611718022, 2.3858356108555263});
  ExpectIntersections("X", "X^2", {0, 1});
  ExpectIntersections("X^2", "X^2+1", {});
  // An empty f1 intersects with the negated f2: the zeros of f2.
  ExpectIntersections("", "X^2-4", {-2, 2});
  EXPECT_EQ(SearchTerm(SearchKind::Intersections, "X", "X^2", ""), "X-(X^2)");
}

TEST_F(AnalysisTest, OscillatingTermsStayBounded) {
  for (const char* term : {"SIN(1/X)", "SIN(1000*X)", "SIN(100000*X)"}) {
    SCOPED_TRACE(term);
    int calls = 0;
    const SampleFunction base = TermFunction(term, kParameters);
    const SampleFunction counted = [&](double x) {
      ++calls;
      return base(x);
    };
    for (SearchKind kind : {SearchKind::Zeros, SearchKind::Extrema}) {
      calls = 0;
      const std::vector<FoundPoint> found = ScanForPoints(kind, counted, -6, 6);
      EXPECT_LE(found.size(), static_cast<std::size_t>(kMaxPointsPerSearch));
      for (std::size_t i = 1; i < found.size(); ++i) EXPECT_LT(found[i - 1].x, found[i].x);
      // The samples, exact-zero checks, and a bounded number of refinements.
      const int cells = kind == SearchKind::Zeros ? kZeroCells : kExtremumCells;
      EXPECT_LE(calls, 2 * (cells + 1) + kMaxCandidatesPerSearch * (kExtremumIterations + 3));
    }
  }
}

TEST_F(AnalysisTest, RefineRootClassicForm) {
  const SampleFunction g = TermFunction("X^2-2", kParameters);
  EXPECT_NEAR(RefineRoot(g, 1, 2, 1e-6 * 1.5, kZeroIterations), std::sqrt(2.0), 1e-5);
  // No sign change: halves towards the end with the smaller |g| and stays in the cell.
  const double r = RefineRoot(TermFunction("X^2+1", kParameters), 0.5, 1, 1e-6, kZeroIterations);
  EXPECT_GE(r, 0.5);
  EXPECT_LE(r, 0.5 + 1e-4);
  // Always a number, even for a term that cannot be evaluated.
  EXPECT_TRUE(std::isfinite(RefineRoot(TermFunction("1+", kParameters), 0, 1, 1e-6, kZeroIterations)));
}

TEST_F(AnalysisTest, TurningPointRefinement) {
  const SampleFunction g = TermFunction("X^3-3*X", kParameters);
  EXPECT_NEAR(RefineTurningPoint(g, 0.99, 1.0, 1.01, true, kExtremumIterations), 1, 1e-7);
  EXPECT_NEAR(RefineTurningPoint(g, -1.0048, -0.9952, -0.9904, false, kExtremumIterations), -1, 1e-7);
}

TEST_F(AnalysisTest, IntegralKnownValues) {
  const SampleFunction zero = TermFunction("0", kParameters);
  auto integral = IntegrateBetween(TermFunction("X^2", kParameters), zero, 0, 3);
  ASSERT_TRUE(integral.has_value());
  EXPECT_NEAR(integral->integral, 9, 1e-12);
  EXPECT_NEAR(integral->area, 9, 1e-12);

  integral = IntegrateBetween(TermFunction("SIN(X)", kParameters), zero, 0, kPi);
  ASSERT_TRUE(integral.has_value());
  EXPECT_NEAR(integral->integral, 2, 1e-10);

  // Sign change between A and B: the integral cancels, the area does not.
  integral = IntegrateBetween(TermFunction("X", kParameters), zero, -1, 1);
  ASSERT_TRUE(integral.has_value());
  EXPECT_NEAR(integral->integral, 0, 1e-12);
  EXPECT_NEAR(integral->area, 1, 1e-12);
  integral = IntegrateBetween(TermFunction("SIN(X)", kParameters), zero, 0, 2 * kPi);
  EXPECT_NEAR(integral->integral, 0, 1e-10);
  EXPECT_NEAR(integral->area, 4, 1e-8);

  // Between two curves, and with A and B exchanged.
  integral = IntegrateBetween(TermFunction("X", kParameters), TermFunction("X^2", kParameters), 1, 0);
  ASSERT_TRUE(integral.has_value());
  EXPECT_EQ(integral->lo, 0);
  EXPECT_EQ(integral->hi, 1);
  EXPECT_NEAR(integral->integral, 1.0 / 6, 1e-12);

  EXPECT_FALSE(IntegrateBetween(TermFunction("X", kParameters), zero, 2, 2).has_value());
}

}  // namespace
}  // namespace plotwerk::plot
