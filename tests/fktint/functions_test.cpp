// The function table: each family with its values, domain codes and guards.
#include <cmath>
#include <string>

#include "tests/fktint/eval_cases.h"

namespace plotwerk::fktint::testing {
namespace {

constexpr double kEulerGamma = 0.5772156649015329;

TEST(Functions, PowersRootsExponentialsLogarithms) {
  ExpectEvaluations({
      {"SQR(0)", 0, 0, kEvalOk}, {"SQR(-3)", 0, 9, kEvalOk},
      {"SQR(10000000000)", 0, 1e10, kEvalUndefined}, {"SQR(-10000000000)", 0, 1e10, kEvalUndefined},
      {"SQRT(2)", 0, std::sqrt(2.0), kEvalOk}, {"SQRT(-1)", 0, 0, kEvalUndefined},
      {"SQRT(0)", 0, 0, kEvalOk}, {"EXP(1)", 0, std::exp(1.0), kEvalOk},
      {"EXP(60)", 0, 1e10, kEvalClamped},  // argument clamped to 50, then the final clamp
      {"EXP(-60)", 0, std::exp(-50.0), kEvalClamped},
      {"EXP(50)", 0, 1e10, kEvalClamped},  // not clamped, but above the final clamp
      {"LN(\xC9)", 0, 1, kEvalOk}, {"LN(0)", 0, 0, kEvalUndefined},
      {"LN(-1)", 0, 0, kEvalUndefined}, {"LG(100)", 0, std::log(100.0) * 0.4342944819033, kEvalOk},
      {"LG(0)", 0, 0, kEvalUndefined}, {"LD(8)", 0, std::log(8.0) * 1.442695040889, kEvalOk},
      {"LD(-8)", 0, 0, kEvalUndefined}, {"ABS(-2.5)", 0, 2.5, kEvalOk},
  });
}

TEST(Functions, Trigonometric) {
  ExpectEvaluations({
      {"SIN(X)", 1, std::sin(1.0), kEvalOk}, {"COS(X)", 1, std::cos(1.0), kEvalOk},
      {"TAN(X)", 1, std::tan(1.0), kEvalOk}, {"TAN(0)", 0, 0, kEvalOk},
      {"COT(0)", 0, 0, kEvalOk},  // sin 0 = 0 exactly: 0 without a code
      {"COT(1)", 0, std::cos(1.0) / std::sin(1.0), kEvalOk}, {"SEC(0)", 0, 1, kEvalOk},
      {"SEC(PI)", 0, -1, kEvalOk}, {"CSC(0)", 0, 0, kEvalUndefined}, {"CSC(PI/2)", 0, 1, kEvalOk},
      {"ARCSIN(0.5)", 0, std::asin(0.5), kEvalOk}, {"ARCSIN(1)", 0, kPi / 2, kEvalOk},
      {"ARCSIN(-1)", 0, -kPi / 2, kEvalOk}, {"ARCSIN(1.5)", 0, 0, kEvalUndefined},
      {"ARCCOS(-1)", 0, kPi, kEvalOk}, {"ARCCOS(2)", 0, 0, kEvalUndefined},
      {"ARCTAN(1)", 0, kPi / 4, kEvalOk}, {"ARCCOT(0)", 0, kPi / 2, kEvalOk},
      {"ARCCOT(-1)", 0, -kPi / 4, kEvalOk},
      {"ARCCOT(0.00000000001)", 0, kPi / 2 - std::atan(1e-11), kEvalOk},
      {"ARCSEC(-1)", 0, kPi, kEvalOk}, {"ARCSEC(2)", 0, kPi / 3, kEvalOk},
      {"ARCSEC(-2)", 0, 2 * kPi / 3, kEvalOk}, {"ARCSEC(0.5)", 0, 0, kEvalUndefined},
  });
}

TEST(Functions, HyperbolicAndTheirGuards) {
  ExpectEvaluations({
      {"SINH(1)", 0, std::sinh(1.0), kEvalOk}, {"SINH(60)", 0, 1e10, kEvalUndefined},
      {"SINH(-50)", 0, 1e10, kEvalUndefined}, {"COSH(1)", 0, std::cosh(1.0), kEvalOk},
      {"COSH(-50)", 0, 1e10, kEvalUndefined}, {"TANH(1)", 0, std::tanh(1.0), kEvalOk},
      {"TANH(60)", 0, 1e10, kEvalUnreadable},  // code 1, not 2
      {"TANH(-50)", 0, 1e10, kEvalUnreadable},
      {"ARSINH(1)", 0, std::log(1 + std::sqrt(2.0)), kEvalOk}, {"ARSINH(0)", 0, 0, kEvalOk},
      {"ARCOSH(1)", 0, 0, kEvalOk}, {"ARCOSH(2)", 0, std::log(2 + std::sqrt(3.0)), kEvalOk},
      {"ARCOSH(0.5)", 0, 0, kEvalUndefined}, {"ARTANH(0.5)", 0, 0.5493061443340549, kEvalOk},
      {"ARTANH(1)", 0, 0, kEvalUndefined}, {"ARTANH(-1)", 0, 0, kEvalUndefined},
  });
}

TEST(Functions, ArsinhIsAccurateForNegativeAndHugeArguments) {
  // ln(v + sqrt(v^2 + 1)) kept only 3 digits at -1e7 and gave -infinity from about -1e8.
  ExpectEvaluations({
      {"ARSINH(-1)", 0, -std::asinh(1.0), kEvalOk},
      {"ARSINH(-10000000)", 0, std::asinh(-1e7), kEvalOk},
      {"ARSINH(-1000000000000)", 0, std::asinh(-1e12), kEvalOk},
      {"ARSINH(X)", -1e6, std::asinh(-1e6), kEvalOk},
  });
  const std::string huge = "1" + std::string(200, '0');
  ExpectEvaluations({
      {"ARSINH(" + huge + ")", 0, std::asinh(1e200), kEvalOk},
      {"ARSINH(-" + huge + ")", 0, std::asinh(-1e200), kEvalOk},
      {"ARCOSH(" + huge + ")", 0, std::acosh(1e200), kEvalOk},
  });
}

TEST(Functions, StepFunctions) {
  ExpectEvaluations({
      {"INT(2.7)", 0, 2, kEvalJump}, {"INT(-2)", 0, -3, kEvalJump}, {"INT(-2.5)", 0, -3, kEvalJump},
      {"INT(0)", 0, 0, kEvalJump}, {"SGN(-4)", 0, -1, kEvalOk}, {"SGN(0)", 0, 0, kEvalOk},
      {"SGN(7)", 0, 1, kEvalOk}, {"FRAC(-2.5)", 0, -0.5, kEvalOk}, {"FRAC(3.75)", 0, 0.75, kEvalOk},
      {"FRAC(10000000000)", 0, 0, kEvalUndefined}, {"HEAVISIDE(0)", 0, 0.5, kEvalJump},
      {"HEAVISIDE(-3)", 0, 0, kEvalJump}, {"HEAVISIDE(3)", 0, 1, kEvalJump},
  });
}

TEST(Functions, GammaAndGauss) {
  ExpectEvaluations({
      {"GAMMA(5)", 0, 24, kEvalOk}, {"GAMMA(1)", 0, 1, kEvalOk}, {"GAMMA(2)", 0, 1, kEvalOk},
      {"GAMMA(-2)", 0, 0, kEvalClamped}, {"GAMMA(0)", 0, 0, kEvalClamped},
      {"GAMMA(44)", 0, 0, kEvalClamped},
      {"GAMMA(43)", 0, 1e10, kEvalClamped},  // 42! is above the final clamp
      {"GAUSS(0)", 0, 1 / 2.506628274631, kEvalOk},
      {"GAUSS(1)", 0, std::exp(-0.5) / 2.506628274631, kEvalOk},
      {"GAUSS(60)", 0, std::exp(-1250.0) / 2.506628274631, kEvalClamped},
  });
  const TermValue half = EvaluateTerm("GAMMA(0.5)", 0, 0, 0);
  EXPECT_NEAR(half.value, 1.7724539918359, 1e-12);
  EXPECT_EQ(half.code, kEvalOk);
  // The polynomial is good to about 3e-7 relative.
  EXPECT_NEAR(EvaluateTerm("GAMMA(-0.5)", 0, 0, 0).value, -2 * std::sqrt(kPi), 2e-6);
  EXPECT_NEAR(EvaluateTerm("GAMMA(3.5)", 0, 0, 0).value, std::tgamma(3.5), 1e-5);
}

TEST(Functions, GammaOfLargeNegativeArgumentsFinishes) {
  // The "while v < 1" reduction ran |v| times (forever once v + 1 == v); the factor underflows
  // to 0 after a few hundred steps at most, and so does the true value.
  ExpectEvaluations({
      {"GAMMA(X)", -999999.5, 0, kEvalOk}, {"GAMMA(-4503599627370495.5)", 0, 0, kEvalOk},
      {"GAMMA(-200.5)", 0, 0, kEvalOk},
  });
  EXPECT_NEAR(EvaluateTerm("GAMMA(-10.5)", 0, 0, 0).value, std::tgamma(-10.5), 1e-12);
}

TEST(Functions, Digamma) {
  ExpectEvaluations({
      {"DIGAMMA(1)", 0, -kEulerGamma, kEvalOk}, {"DIGAMMA(2)", 0, 1 - kEulerGamma, kEvalOk},
      {"DIGAMMA(10)", 0, 2.251752589066721, kEvalOk},
      {"DIGAMMA(0.5)", 0, -1.9635100260214235, kEvalOk},
      {"DIGAMMA(-0.5)", 0, 0.03648997397857652, kEvalOk},
      {"DIGAMMA(0.000001)", 0, -kEulerGamma - 1e6, kEvalOk}, {"DIGAMMA(0)", 0, 0, kEvalClamped},
      {"DIGAMMA(-2)", 0, 0, kEvalClamped},
      {"DIGAMMA(-2.000001)", 0, 0, kEvalClamped},  // within 1e-5 above a whole number
      {"DIGAMMA(-1000000000000000000)", 0, 0, kEvalClamped},
  });
  EXPECT_EQ(EvaluateTerm("DIGAMMA(-1.99999)", 0, 0, 0).code, kEvalOk);  // within 1e-5 below: no pole
}

TEST(Functions, SineIntegralDomain) {
  ExpectEvaluations({
      {"SI(0)", 0, 0, kEvalUndefined}, {"SI(-1)", 0, 0, kEvalUndefined},
      {"SI(50)", 0, 0, kEvalUndefined}, {"SI(1)", 0, 0.946083070367183, kEvalOk},
      {"SI(PI)", 0, 1.851937051982466, kEvalOk}, {"SI(10)", 0, 1.658347594218874, kEvalOk},
  });
}

// Si by Simpson's rule in long double on a fine grid: an independent reference.
TEST(Functions, SineIntegralIsAccurateOverTheWholeDomain) {
  constexpr int kStepsPerUnit = 2048;
  constexpr int kCheckEvery = kStepsPerUnit / 8;  // compare at multiples of 1/8
  const long double h = 1.0L / kStepsPerUnit;
  auto f = [](long double t) { return t == 0 ? 1.0L : std::sin(t) / t; };
  long double integral = 0;
  double worst = 0;
  for (int k = 0; k < 50 * kStepsPerUnit; k += 2) {
    const long double a = k * h;
    integral += h / 3 * (f(a) + 4 * f(a + h) + f(a + 2 * h));
    const int end = k + 2;
    if (end % kCheckEvery != 0 || end >= 50 * kStepsPerUnit) continue;
    const double v = static_cast<double>(end) / kStepsPerUnit;
    const TermValue si = EvaluateTerm("SI(X)", v, 0, 0);
    ASSERT_EQ(si.code, kEvalOk) << "v = " << v;
    const double value = si.value;
    worst = std::max(worst, std::fabs(value - static_cast<double>(integral)));
    ASSERT_NEAR(value, static_cast<double>(integral), 1e-10) << "v = " << v;
  }
  EXPECT_LT(worst, 1e-10);
}

}  // namespace
}  // namespace plotwerk::fktint::testing
