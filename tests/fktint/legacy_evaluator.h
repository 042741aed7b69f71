// The evaluator before the school reading, kept only as a test oracle.
#pragma once

#include <cstdint>
#include <string_view>

#include "fktint/fktint.h"

namespace plotwerk::fktint::legacy {

extern std::uint8_t EvalError;
extern double ParamP;
extern double ParamQ;
extern double ParamR;

double EvaluateTerm(std::string_view term, double x);

}  // namespace plotwerk::fktint::legacy
