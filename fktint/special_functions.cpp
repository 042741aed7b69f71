// Sine integral, gamma and digamma for the term evaluator.
#include "fktint/special_functions.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace plotwerk::fktint::detail {

namespace {

constexpr double kHalfPi = std::numbers::pi / 2;
constexpr double kPi = std::numbers::pi;
constexpr double kEulerGamma = 0.5772156649015329;

// Below this the power series of Si converges with little cancellation (largest term about 3.6).
constexpr double kSiSeriesLimit = 4.0;
constexpr int kSiMaxTerms = 60;
constexpr int kSiMaxFractionSteps = 200;
constexpr double kSiTolerance = 1e-16;
constexpr double kTiny = 1e-300;

constexpr double kGammaLargestArgument = 43.0;
constexpr double kDigammaPoleWidth = 0.00001;
constexpr double kDigammaAsymptoticStart = 20.0;

}  // namespace

double SineIntegral(double v) {
  if (v <= kSiSeriesLimit) {
    // Si(v) = sum (-1)^k v^(2k+1) / ((2k+1) (2k+1)!)
    const double v2 = v * v;
    double power_term = v;  // (-1)^k v^(2k+1) / (2k+1)!
    double sum = v;
    for (int k = 1; k < kSiMaxTerms; ++k) {
      power_term *= -v2 / ((2.0 * k) * (2.0 * k + 1.0));
      const double term = power_term / (2.0 * k + 1.0);
      sum += term;
      if (std::fabs(term) < kSiTolerance * std::fabs(sum)) break;
    }
    return sum;
  }
  // Above the series range: E1(iv) by its continued fraction (modified Lentz), and
  // Si(v) = pi/2 + Im E1(iv). Converges in a few dozen steps for v > 4.
  using Complex = std::complex<double>;
  Complex b(1.0, v);
  Complex c(1.0 / kTiny, 0.0);
  Complex d = 1.0 / b;
  Complex h = d;
  for (int i = 2; i <= kSiMaxFractionSteps; ++i) {
    const double a = -(i - 1.0) * (i - 1.0);
    b += 2.0;
    d = 1.0 / (a * d + b);
    c = b + a / c;
    const Complex step = c * d;
    h *= step;
    if (std::fabs(step.real() - 1.0) + std::fabs(step.imag()) < kSiTolerance) break;
  }
  h *= Complex(std::cos(v), -std::sin(v));
  return kHalfPi + h.imag();
}

double GammaFunction(double v, bool& pole) {
  if ((v <= 0 && v == std::trunc(v)) || v > kGammaLargestArgument) {
    pole = true;
    return 0;
  }
  double factor = 1;
  while (v > 2) {  // at most 42 steps, v <= 43
    v -= 1;
    factor *= v;
  }
  while (v < 1) {
    factor /= v;
    v += 1;
    // For large negative v the factor underflows long before v reaches 1; from then on the
    // result is 0 whatever the remaining steps do.
    if (factor == 0) return 0;
  }
  const double t = v - 1;
  constexpr double b1 = -0.577191652, b2 = 0.988205891, b3 = -0.897056937, b4 = 0.918206857,
                   b5 = -0.756704078, b6 = 0.482199394, b7 = -0.193527818, b8 = 0.035868343;
  const double poly =
      1 + t * (b1 + t * (b2 + t * (b3 + t * (b4 + t * (b5 + t * (b6 + t * (b7 + t * b8)))))));
  return factor * poly;
}

double DigammaFunction(double v, bool& pole) {
  if (v < 0) {
    const double magnitude = std::fabs(v);
    if (magnitude - std::trunc(magnitude) < kDigammaPoleWidth) {
      pole = true;
      return 0;
    }
    // Reflection: psi(v) = psi(1 - v) + pi / tan(pi (1 - v)); 1 - v > 1, so no further reflection.
    return DigammaFunction(1 - v, pole) + kPi / std::tan(kPi * (1 - v));
  }
  if (v == 0) {
    pole = true;
    return 0;
  }
  if (v == 1) return -kEulerGamma;
  if (v > 0 && v <= kDigammaPoleWidth) return -kEulerGamma - 1 / v;
  if (!(v > kDigammaPoleWidth)) return v;  // NaN stays NaN
  double s = 0;
  double y = v;
  while (y < kDigammaAsymptoticStart) {  // at most 20 steps
    s -= 1 / y;
    y += 1;
  }
  const double z = 1 / (y * y);
  return std::log(y) + s - 0.5 / y -
         z * (1.0 / 12 +
              z * (-1.0 / 120 +
                   z * (1.0 / 252 +
                        z * (-1.0 / 240 +
                             z * (1.0 / 132 +
                                  z * (-691.0 / 32760 + z * (1.0 / 12 + z * (-3617.0 / 8160))))))));
}

}  // namespace plotwerk::fktint::detail
