// The textbook forms of derivatives, the printing rules of the tidying and its bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "fktint/fktint.h"
#include "uableitung/simplify.h"
#include "uableitung/uableitung.h"

namespace plotwerk::uableitung {
namespace {

struct TextbookCase {
  const char* term;
  int order;  // 1 for f', 2 for f'' (the derivative of the printed f')
  const char* textbook;
};

// Derivatives of a calculus course as the exercise book prints them, each checked against sympy.
const std::vector<TextbookCase> kTextbook = {
      {"(X+1)*(X-1)", 1, "2*X"},
      {"X^3*(3*X^2)", 1, "15*X^4"},
      {"(X^2+1)^(1/2)", 1, "X/SQRT(X^2+1)"},
      {"X^2/(X+1)/(X-1)", 1, "-2*X/(X^2-1)^2"},
      {"X^0.5", 2, "-0.25*X^(-1.5)"},
      {"X^4-3*X^2+2*X-7", 1, "4*X^3-6*X+2"},
      {"X^5/5-X^3/3+X", 1, "X^4-X^2+1"},
      {"(X-2)*(X+3)", 1, "2*X+1"},
      {"X^2*(X-1)", 1, "3*X^2-2*X"},
      {"(2*X-1)*(X^2+3)", 1, "6*X^2-2*X+6"},
      {"X*(X+1)*(X-1)", 1, "3*X^2-1"},
      {"(X^2+1)^3", 1, "6*X*(X^2+1)^2"},
      {"(3*X-2)^4", 1, "12*(3*X-2)^3"},
      {"(1-X)^5", 1, "-5*(1-X)^4"},
      {"SQRT(X)", 1, "1/(2*SQRT(X))"},
      {"SQRT(2*X+1)", 1, "1/SQRT(2*X+1)"},
      {"1/X^2", 1, "-2/X^3"},
      {"1/(X+1)", 1, "-1/(X+1)^2"},
      {"X/(X+1)", 1, "1/(X+1)^2"},
      {"(X-1)/(X+1)", 1, "2/(X+1)^2"},
      {"X^2/(X-1)", 1, "X*(X-2)/(X-1)^2"},
      {"X^2/(X-1)", 2, "2/(X-1)^3"},
      {"(X^2-1)/(X^2+1)", 1, "4*X/(X^2+1)^2"},
      {"1/(X^2+1)", 1, "-2*X/(X^2+1)^2"},
      {"1/(X^2+1)", 2, "2*(3*X^2-1)/(X^2+1)^3"},
      {"X/(X^2+1)", 1, "(1-X^2)/(X^2+1)^2"},
      {"X/(X^2+1)", 2, "2*X*(X^2-3)/(X^2+1)^3"},
      {"1/(X^2-1)", 2, "2*(3*X^2+1)/(X^2-1)^3"},
      {"3/X", 1, "-3/X^2"},
      {"X^(2/3)", 1, "2/(3*X^(1/3))"},
      {"EXP(2*X)", 1, "2*EXP(2*X)"},
      {"EXP(-X)", 1, "-EXP(-X)"},
      {"X*EXP(X)", 1, "(X+1)*EXP(X)"},
      {"X*EXP(X)", 2, "(X+2)*EXP(X)"},
      {"X^2*EXP(X)", 1, "X*(X+2)*EXP(X)"},
      {"X^2*EXP(X)", 2, "(X^2+4*X+2)*EXP(X)"},
      {"EXP(X)/X", 1, "(X-1)*EXP(X)/X^2"},
      {"X*EXP(-X)", 1, "(1-X)*EXP(-X)"},
      {"EXP(X^2)", 1, "2*X*EXP(X^2)"},
      {"(X+1)*EXP(-X)", 1, "-X*EXP(-X)"},
      {"LN(2*X)", 1, "1/X"},
      {"LN(X^2+1)", 1, "2*X/(X^2+1)"},
      {"X*LN(X)", 1, "LN(X)+1"},
      {"X^2*LN(X)", 1, "2*X*LN(X)+X"},
      {"X^2*LN(X)", 2, "2*LN(X)+3"},
      {"LN(X)/X", 1, "(1-LN(X))/X^2"},
      {"LN(X)/X", 2, "(2*LN(X)-3)/X^3"},
      {"LN(X)^2", 1, "2*LN(X)/X"},
      {"SIN(3*X)", 1, "3*COS(3*X)"},
      {"COS(2*X)", 1, "-2*SIN(2*X)"},
      {"X*SIN(X)", 1, "SIN(X)+X*COS(X)"},
      {"X^2*COS(X)", 1, "2*X*COS(X)-X^2*SIN(X)"},
      {"SIN(X^2)", 1, "2*X*COS(X^2)"},
      {"EXP(X)*SIN(X)", 1, "EXP(X)*(SIN(X)+COS(X))"},
      {"ARCSIN(X)", 2, "X/(1-X^2)^(3/2)"},
      {"LN(SIN(X))", 1, "COS(X)/SIN(X)"},
      {"SQRT(1-X^2)", 1, "-X/SQRT(1-X^2)"},
      {"X*SQRT(X)", 1, "3*SQRT(X)/2"},
      {"1/SQRT(X)", 1, "-1/(2*X^(3/2))"},
      {"(X+1)^2/X", 1, "1-1/X^2"},
      {"0.5*X^2-2*X", 1, "X-2"},
      {"X^3/6-X/2", 1, "X^2/2-1/2"},
};

std::string Derivative(const std::string& term, int order, std::string (*derive)(std::string_view)) {
  std::string text = term;
  for (int i = 0; i < order; ++i) text = derive(text);
  return text;
}

TEST(Tidy, PrintsTheTextbookForms) {
  int before = 0;
  for (const TextbookCase& c : kTextbook) {
    SCOPED_TRACE(c.term);
    EXPECT_EQ(Derivative(c.term, c.order, DeriveTerm), c.textbook) << "order " << c.order;
    before += Derivative(c.term, c.order, RewrittenDerivative) == c.textbook;
  }
  std::cout << "textbook forms: " << kTextbook.size() << " cases, " << before << " printed so before the tidying\n";
}

TEST(Tidy, NeverPutsAMinusBeforeAPowerNorChainsPowers) {
  const struct {
    const char* term;
    const char* tidied;
  } cases[] = {
      {"-X^3/3", "-(X^3/3)"},             // not -X^3/3
      {"X^3-X^3-(X^2)^3", "-(X^6)"},      // a term tidied as it stands
      {"2-X^2", "2-X^2"},                 // a binary minus stays
      {"-X^2-SIN(X)", "-(X^2+SIN(X))"},   // all summands negative
      {"-X^2+3*X", "3*X-X^2"},            // a positive summand leads
      {"(X^2)^0.5", "SQRT(X^2)"},         // no power of a power without brackets
      {"(X^0.5)^X", "(X^0.5)^X"},
      {"-2^X", "-(2^X)"},
      {"(-2)^X", "(-2)^X"},
      {"X*X*X/X^5", "1/X^2"},
      {"2/3*X", "2*X/3"},
      {"0.5*X/3", "X/6"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TidyTermText(c.term), c.tidied) << c.term;
  }
  EXPECT_EQ(DeriveTerm("-X^3/3"), "-(X^2)");
}

TEST(Tidy, KeepsTheRewrittenFormWhenNotShorter) {
  // The table's trigonometric identity is shorter than anything the algebra finds.
  EXPECT_EQ(DeriveTerm("SIN(X)^2"), "SIN(2*X)");
  // Of two forms of one length the rewritten one stays, unless it has a number behind a factor.
  EXPECT_EQ(DeriveTerm("TAN(X)"), "1+TAN(X)^2");
  EXPECT_EQ(DeriveTerm("P*X^3-X"), "3*P*X^2-1");
  EXPECT_EQ(DeriveTerm("2^(3*X)"), "3*2^(3*X)*LN(2)");
  // Functions are not multiplied into sums: the curve analysis evaluates this near the poles.
  EXPECT_EQ(DeriveTerm("1+TAN(X)^2"), "2*TAN(X)*(1+TAN(X)^2)");
  // The untidied text is what derive --raw prints.
  EXPECT_EQ(DifferentiateTerm("(X+1)*(X-1)"), "(X-1)+(X+1)");
}

// A random term of the school syntax, fully bracketed, from a fixed seed (the draws in a fixed
// order, so that every compiler tests the same terms).
std::string RandomTerm(std::mt19937& random, int depth) {
  static const char* const kLeaves[] = {"X", "X", "X", "P", "2", "3", "0.5", "1", "0"};
  static const char* const kFunctions[] = {"SIN", "COS", "EXP", "LN", "SQRT", "ABS"};
  const int pick = static_cast<int>(random() % (depth <= 0 ? 3 : 12));
  if (pick < 3) return kLeaves[random() % std::size(kLeaves)];
  if (pick < 5) {
    const std::string name = kFunctions[random() % std::size(kFunctions)];
    return name + "(" + RandomTerm(random, depth - 1) + ")";
  }
  const std::string left = RandomTerm(random, depth - 1);
  if (pick < 7) return "(" + left + ")^" + std::to_string(random() % 4);
  if (pick == 7) return "(" + left + ")^(" + std::to_string(random() % 3 + 1) + "/2)";
  static const char kOperators[] = "+-*/";
  const char op = kOperators[random() % 4];
  return "(" + left + ")" + op + "(" + RandomTerm(random, depth - 1) + ")";
}

// Wherever a random term has a value, its tidied text has the same one; and tidying the tidied
// text again never makes it longer.
TEST(Tidy, KeepsTheValueOfRandomTerms) {
  std::mt19937 random(20261208);
  constexpr double kPoints[] = {-2.7, -1.3, -0.4, 0.3, 0.9, 1.6, 2.2, 3.1};
  int compared = 0;
  for (int n = 0; n < 3000; ++n) {
    const std::string term = RandomTerm(random, 4);
    const std::string tidy = TidyTermText(term);
    ASSERT_FALSE(tidy.empty()) << term;
    EXPECT_LE(TidyTermText(tidy).size(), tidy.size()) << term << " -> " << tidy;
    for (double x : kPoints) {
      const fktint::TermValue before = fktint::EvaluateTerm(term, x, 0.7, 0);
      const double a = before.value;
      // The evaluator takes a power with a fractional exponent for out of range beyond e^16 or
      // below e^-16; merged exponents reach that sooner, so values near it are not compared.
      if (before.code != fktint::kEvalOk || !std::isfinite(a) || std::fabs(a) > 1e6 ||
          (a != 0 && std::fabs(a) < 1e-6)) {
        continue;
      }
      const fktint::TermValue after = fktint::EvaluateTerm(tidy, x, 0.7, 0);
      const double b = after.value;
      ++compared;
      EXPECT_TRUE(after.code == fktint::kEvalOk && std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a)))
          << term << " -> " << tidy << " at " << x << ": " << a << " vs " << b;
    }
  }
  EXPECT_GE(compared, 8000);
}

TEST(Tidy, GivesUpOnlyBeyondItsBounds) {
  // A polynomial of about 4000 characters in bracketed groups (the reader nests one level per
  // summand) is tidied whole.
  std::string polynomial = "X";
  for (int k = 2; polynomial.size() < 4000; ++k) {
    polynomial += (k % 16 == 0 ? ")+(" : "+") + std::to_string(k % 7 + 1) + "*X^" + std::to_string(k % 40 + 2);
  }
  polynomial = "(" + polynomial + ")";
  const std::string derivative = DeriveTerm(polynomial);
  ASSERT_FALSE(RewrittenDerivative(polynomial).empty());
  EXPECT_FALSE(TidyDerivative(polynomial).empty());
  EXPECT_LT(derivative.size(), RewrittenDerivative(polynomial).size() / 4);
  // Products of many sums would multiply out beyond the bounds: the factored form stays.
  std::string product = "X";
  for (int k = 1; k <= 40; ++k) product += "*(X+" + std::to_string(k) + ")";
  EXPECT_FALSE(DeriveTerm(product).empty());
  EXPECT_LE(DeriveTerm(product).size(), RewrittenDerivative(product).size());
  // Huge and tiny numbers fold without overflow or a lost value.
  EXPECT_EQ(TidyTermText("10000000000*10000000000*X"), "100000000000000000000*X");
  EXPECT_EQ(TidyTermText("(X+1)^1000000/(X+1)^999999"), "X+1");
  EXPECT_EQ(TidyTermText(""), "");
  EXPECT_EQ(TidyTermText("X+"), "");
}

}  // namespace
}  // namespace plotwerk::uableitung
