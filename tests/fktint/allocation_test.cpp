// Evaluating a term must not touch the heap: operator new is counted around a batch of calls.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <new>
#include <string>

#include "fktint/fktint.h"

namespace {
bool counting = false;
std::size_t allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  if (counting) ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace plotwerk::fktint {
namespace {

TEST(Allocation, EvaluationAllocatesNothing) {
  const std::string polynomial =
      "0.5*X^7-1.25*X^6+2.5*X^5-3.75*X^4+4.5*X^3-5.25*X^2+6.5*X-7.75+0.125*X^8-0.0625*X^9";
  const std::string terms[] = {
      "X*SIN(X+P)", "X^2/4-2", polynomial, "SQRT(ABS(SIN(EXP(COS(LN(X^2+1))))))",
      "GAMMA(X)+DIGAMMA(X)+SI(ABS(X)+0,5)+GAUSS(X)+HEAVISIDE(X)", "[X]*|X|-FRAC(X)",
      "3.14159265358979323846*X", "-X^2+(-X^3)", "2X", "F1(X)", "SINUS(X)", "1/0",
      "ARCSEC(X)+ARCCOT(X)+ARSINH(X)+ARCOSH(X+2)+ARTANH(X/10)", "(1+(2*(3+(4", " S I N ( X ) ",
      std::string(3000, '(') + "X",  // beyond the nesting bound
  };
  // Each term is compiled once, on its first evaluation; evaluating it again allocates nothing.
  double sum = 0;
  for (const std::string& term : terms) sum += EvaluateTerm(term, 0.5, 1.5, 0).value;
  sum += ReadNumberField("2*pi", 0, 0);
  allocations = 0;
  counting = true;
  for (int round = 0; round < 20; ++round) {
    for (const std::string& term : terms) sum += EvaluateTerm(term, -2.5 + round * 0.25, 1.5, 0).value;
  }
  sum += ReadNumberField("2*pi", 0, 0);
  counting = false;
  EXPECT_EQ(allocations, 0u);
  EXPECT_TRUE(std::isfinite(sum));
}

}  // namespace
}  // namespace plotwerk::fktint
