// Speed of EvaluateTerm per call and of a compiled term, next to the same formulas compiled
// directly. Each starts with clean vector registers, the state of a bare process.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "fktint/fktint.h"
#include "platform/vector_state.h"

namespace {

namespace fk = plotwerk::fktint;

// x sweeps [-6, 6) in the steps of a 1000-pixel-wide graph, as the plotter calls it.
constexpr int kColumns = 1000;
constexpr double kXMin = -6;
constexpr double kXStep = 12.0 / kColumns;

// A polynomial of about 200 characters, as a user might type one.
std::string LongPolynomial() {
  std::string term;
  for (int power = 1; term.size() < 190; ++power) {
    term += (power % 2 ? "+" : "-") + std::to_string(power) + ",25*X^" + std::to_string(power);
  }
  return "0,5" + term;
}

void BenchTerm(benchmark::State& state, const std::string& term) {
  plotwerk::platform::ClearUpperVectorState();
  int column = 0;
  for (auto _ : state) {
    const double x = kXMin + column * kXStep;
    column = (column + 1) % kColumns;
    benchmark::DoNotOptimize(fk::EvaluateTerm(term, x, 0.5, 0).value);
  }
  state.SetLabel(std::to_string(term.size()) + " chars");
}

void BM_Eval_XSinXPlusP(benchmark::State& state) { BenchTerm(state, "X*SIN(X+P)"); }

// The compiled program alone, as a caller that holds it sees it.
void BM_Compiled_XSinXPlusP(benchmark::State& state) {
  plotwerk::platform::ClearUpperVectorState();
  const auto term = fk::CompileTerm("X*SIN(X+P)");
  int column = 0;
  for (auto _ : state) {
    const double x = kXMin + column * kXStep;
    column = (column + 1) % kColumns;
    benchmark::DoNotOptimize(term->Evaluate(x, 0.5, 0).value);
  }
}
void BM_Eval_Parabola(benchmark::State& state) { BenchTerm(state, "X^2/4-2"); }
void BM_Eval_Polynomial200(benchmark::State& state) { BenchTerm(state, LongPolynomial()); }
void BM_Eval_NestedFunctions(benchmark::State& state) {
  BenchTerm(state, "SQRT(ABS(SIN(EXP(COS(LN(X^2+1))))))+ARCTAN(TANH(X/3))");
}

// The same first two formulas compiled directly; p goes through memory as the evaluator's does.
void BM_Native_XSinXPlusP(benchmark::State& state) {
  plotwerk::platform::ClearUpperVectorState();
  double p = 0.5;
  benchmark::DoNotOptimize(p);
  int column = 0;
  for (auto _ : state) {
    const double x = kXMin + column * kXStep;
    column = (column + 1) % kColumns;
    benchmark::DoNotOptimize(x * std::sin(x + p));
  }
}

void BM_Native_Parabola(benchmark::State& state) {
  plotwerk::platform::ClearUpperVectorState();
  int column = 0;
  for (auto _ : state) {
    double x = kXMin + column * kXStep;
    column = (column + 1) % kColumns;
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(x * x / 4 - 2);
  }
}

BENCHMARK(BM_Eval_XSinXPlusP);
BENCHMARK(BM_Compiled_XSinXPlusP);
BENCHMARK(BM_Native_XSinXPlusP);
BENCHMARK(BM_Eval_Parabola);
BENCHMARK(BM_Native_Parabola);
BENCHMARK(BM_Eval_Polynomial200);
BENCHMARK(BM_Eval_NestedFunctions);

}  // namespace
