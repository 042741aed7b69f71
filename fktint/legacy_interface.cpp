// The old interface of the evaluator: thin wrappers that pass the globals P and Q on and keep
// the code of the last evaluation.
#include "fktint/legacy_interface.h"

#include "fktint/fktint.h"

namespace plotwerk::fktint {

std::uint8_t EvalError = kEvalOk;
double ParamP = 0;
double ParamQ = 0;
double ParamR = 0;

double EvaluateTerm(std::string_view term, double x) {
  const TermValue result = EvaluateTerm(term, x, ParamP, ParamQ);
  EvalError = result.code;
  return result.value;
}

double EvaluateTerm(const CompiledTerm& term, double x) {
  const TermValue result = term.Evaluate(x, ParamP, ParamQ);
  EvalError = result.code;
  return result.value;
}

double ReadNumberField(std::string_view text) {
  const TermValue result = EvaluateNumberField(text, ParamP, ParamQ);
  EvalError = result.code;
  return result.code == kEvalOk ? result.value : 0.0;
}

}  // namespace plotwerk::fktint
