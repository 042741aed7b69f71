// Table-driven checks for the evaluator: one line per term, value and code, run with SCOPED_TRACE.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>

#include "fktint/fktint.h"

namespace plotwerk::fktint::testing {

struct EvalCase {
  std::string term;
  double x;
  double value;
  int code;
};

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kE = std::numbers::e;

// Relative tolerance for values that are not meant to be bit-exact.
inline constexpr double kValueTolerance = 1e-13;

// Evaluates each case with the given P and Q (0 unless a case needs them).
inline void ExpectEvaluations(std::initializer_list<EvalCase> cases, double p = 0, double q = 0) {
  for (const EvalCase& c : cases) {
    SCOPED_TRACE("term \"" + c.term + "\" at x = " + std::to_string(c.x));
    const TermValue result = EvaluateTerm(c.term, c.x, p, q);
    EXPECT_EQ(result.code, c.code);
    EXPECT_NEAR(result.value, c.value, kValueTolerance * std::max(1.0, std::fabs(c.value)));
  }
}

}  // namespace plotwerk::fktint::testing
