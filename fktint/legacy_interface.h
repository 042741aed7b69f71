// The old interface of the evaluator: hidden P, Q and code in namespace-scope variables. Nothing
// in the project's own evaluation paths should call it; it stays only until the last callers have
// moved to EvaluateTerm(term, x, p, q), CompiledTerm::Evaluate and ReadNumberField(text, p, q),
// which take P and Q as arguments and return the code. Not for use from two threads.
#pragma once

#include <cstdint>
#include <string_view>

namespace plotwerk::fktint {

class CompiledTerm;

// Code of the last evaluation through this interface, one of the kEval codes.
extern std::uint8_t EvalError;

// The values of the letters P and Q that this interface passes on. R is always 0.
extern double ParamP;
extern double ParamQ;
extern double ParamR;

// Evaluates with ParamP and ParamQ and sets EvalError.
double EvaluateTerm(std::string_view term, double x);
double EvaluateTerm(const CompiledTerm& term, double x);

// ReadNumberField(text, ParamP, ParamQ), which also sets EvalError.
double ReadNumberField(std::string_view text);

}  // namespace plotwerk::fktint
