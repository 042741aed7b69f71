// Table-driven checks for the evaluator: one line per term, value and code, run with SCOPED_TRACE.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "fktint/fktint.h"

namespace plotwerk::fktint::testing {

struct EvalCase {
  std::string term;
  double x;
  double value;
  int code;
};

// Relative tolerance for values that are not meant to be bit-exact.
inline constexpr double kValueTolerance = 1e-13;

inline void ExpectEvaluations(std::initializer_list<EvalCase> cases) {
  for (const EvalCase& c : cases) {
    SCOPED_TRACE("term \"" + c.term + "\" at x = " + std::to_string(c.x));
    EvalError = 99;
    const double value = EvaluateTerm(c.term, c.x);
    EXPECT_EQ(EvalError, c.code);
    EXPECT_NEAR(value, c.value, kValueTolerance * std::max(1.0, std::fabs(c.value)));
  }
}

// Resets the module state that a test may have changed.
class EvaluatorTest : public ::testing::Test {
 protected:
  void SetUp() override { ParamP = ParamQ = ParamR = 0; }
  void TearDown() override { ParamP = ParamQ = ParamR = 0; }
};

}  // namespace plotwerk::fktint::testing
