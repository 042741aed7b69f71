// Speed of DeriveTerm, with the fresh inflation of the rewrite table and both of its passes.
#include <benchmark/benchmark.h>

#include <string>

#include "uableitung/uableitung.h"

namespace {

void DeriveEach(benchmark::State& state, const std::string& term) {
  for (auto _ : state) {
    std::string derivative = plotwerk::uableitung::DeriveTerm(term);
    benchmark::DoNotOptimize(derivative);
  }
}

void BM_Derive_DefaultTerm(benchmark::State& state) { DeriveEach(state, "X*SIN(X+P)"); }
BENCHMARK(BM_Derive_DefaultTerm);

void BM_Derive_DefaultTermSecond(benchmark::State& state) {
  DeriveEach(state, plotwerk::uableitung::DeriveTerm("X*SIN(X+P)"));
}
BENCHMARK(BM_Derive_DefaultTermSecond);

// A polynomial of 200 characters: terms such as 3*X^4-2.5*X^3 with changing coefficients.
std::string Polynomial() {
  std::string term;
  for (int i = 1; term.size() < 200; ++i) {
    term += (i % 2 ? "+" : "-") + std::to_string(i % 9 + 1) + "*X^" + std::to_string(i % 7 + 2);
  }
  return term.substr(1, 200);
}

void BM_Derive_Polynomial200(benchmark::State& state) {
  std::string term = Polynomial();
  while (!term.empty() && (term.back() == '^' || term.back() == '*' || term.back() == '+' || term.back() == '-')) {
    term.pop_back();
  }
  DeriveEach(state, term);
}
BENCHMARK(BM_Derive_Polynomial200);

// A term whose derivative exceeds the bounds: the cost of giving up.
void BM_Derive_NestedSine200(benchmark::State& state) {
  std::string term;
  for (int i = 0; i < 200; ++i) term += "SIN(";
  term += "X";
  term.append(200, ')');
  DeriveEach(state, term);
}
BENCHMARK(BM_Derive_NestedSine200);

}  // namespace
