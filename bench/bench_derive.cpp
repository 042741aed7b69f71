// Speed of DeriveTerm, with the fresh inflation of the rewrite table and both of its passes, and
// of the algebraic tidying that follows them. RewrittenDerivative is DeriveTerm without the
// tidying, so each pair of figures shows what the tidying costs.
#include <benchmark/benchmark.h>

#include <string>

#include "uableitung/simplify.h"
#include "uableitung/uableitung.h"

namespace {

void DeriveEach(benchmark::State& state, const std::string& term,
                std::string (*derive)(std::string_view) = plotwerk::uableitung::DeriveTerm) {
  for (auto _ : state) {
    std::string derivative = derive(term);
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

void BM_Rewritten_DefaultTerm(benchmark::State& state) {
  DeriveEach(state, "X*SIN(X+P)", plotwerk::uableitung::RewrittenDerivative);
}
BENCHMARK(BM_Rewritten_DefaultTerm);

// DeriveTerm and RewrittenDerivative on the same term, as BM_Derive_<name> and
// BM_Rewritten_<name>.
void RegisterDeriveAndRewritten(const std::string& name, const std::string& term,
                                benchmark::TimeUnit unit) {
  benchmark::RegisterBenchmark(("BM_Derive_" + name).c_str(),
                               [term](benchmark::State& state) { DeriveEach(state, term); })
      ->Unit(unit);
  benchmark::RegisterBenchmark(("BM_Rewritten_" + name).c_str(), [term](benchmark::State& state) {
    DeriveEach(state, term, plotwerk::uableitung::RewrittenDerivative);
  })->Unit(unit);
}

// A quotient whose second derivative the tidying puts over one denominator and cancels.
[[maybe_unused]] const bool kQuotientSecondRegistered =
    (RegisterDeriveAndRewritten("QuotientSecond", "-2*X/(X^2-1)^2", benchmark::kNanosecond), true);

// A polynomial of 4000 characters in bracketed groups of 15 summands (the reader nests one
// level per summand, so one long sum could not be read at all).
std::string GroupedPolynomial4000() {
  std::string term = "X";
  for (int k = 2; term.size() < 4000; ++k) {
    term += (k % 16 == 0 ? ")+(" : "+") + std::to_string(k % 7 + 1) + "*X^" + std::to_string(k % 40 + 2);
  }
  return "(" + term + ")";
}

[[maybe_unused]] const bool kPolynomial4000Registered =
    (RegisterDeriveAndRewritten("Polynomial4000", GroupedPolynomial4000(), benchmark::kMillisecond), true);

// The tidying alone on the derivative tree of the 4000-character polynomial, and on a term of
// 4000 characters of quotients and chain-rule products (the worst shapes for the algebra).
void BM_Tidy_Polynomial4000(benchmark::State& state) {
  DeriveEach(state, GroupedPolynomial4000(), plotwerk::uableitung::TidyDerivative);
}
BENCHMARK(BM_Tidy_Polynomial4000)->Unit(benchmark::kMillisecond);

std::string MixedTerm4000() {
  static const char* const kParts[] = {"X^2/(X+1)", "(X-1)/(X^2+1)", "SQRT(X^2+1)", "X*EXP(-X)", "LN(X^2+1)",
                                       "(2*X+1)^3", "SIN(X)^2", "X/(X-2)^2"};
  std::string term;
  for (int k = 0; term.size() < 4000; ++k) {
    term += (k % 8 == 0 ? (k ? ")+(" : "(") : "+") + std::string(kParts[k % 8]);
  }
  return term + ")";
}

void BM_Tidy_TermText4000(benchmark::State& state) {
  DeriveEach(state, MixedTerm4000(), plotwerk::uableitung::TidyTermText);
}
BENCHMARK(BM_Tidy_TermText4000)->Unit(benchmark::kMillisecond);

void BM_Tidy_Mixed4000(benchmark::State& state) {
  DeriveEach(state, MixedTerm4000(), plotwerk::uableitung::TidyDerivative);
}
BENCHMARK(BM_Tidy_Mixed4000)->Unit(benchmark::kMillisecond);

[[maybe_unused]] const bool kMixed4000Registered =
    (RegisterDeriveAndRewritten("Mixed4000", MixedTerm4000(), benchmark::kMillisecond), true);

// The costliest shape found for the tidying: quotients nested twelve deep, whose derivative puts
// sums over one denominator at every level.
std::string NestedQuotient() {
  std::string term = "X";
  for (int i = 0; i < 12; ++i) term = "X/(X+" + term + ")";
  return term;
}

[[maybe_unused]] const bool kNestedQuotientRegistered =
    (RegisterDeriveAndRewritten("NestedQuotient", NestedQuotient(), benchmark::kMillisecond), true);

}  // namespace
