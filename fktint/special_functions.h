// The special functions of the term evaluator: sine integral, gamma and digamma.
#pragma once

namespace plotwerk::fktint::detail {

// Si(v) for 0 < v < 50 (the caller checks the domain), accurate to about 1e-14.
double SineIntegral(double v);

// Gamma(v) by the Abramowitz-Stegun polynomial 6.1.36 after reducing v into [1, 2]. At a pole
// (v a whole number <= 0) or for v > 43, pole is set and 0 returned.
double GammaFunction(double v, bool& pole);

// Digamma(v) by recurrence to y >= 20 and the asymptotic series; reflection for v < 0. At a pole
// (v = 0, or v < 0 within 1e-5 above a whole number) pole is set and 0 returned.
double DigammaFunction(double v, bool& pole);

}  // namespace plotwerk::fktint::detail
