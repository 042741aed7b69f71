// The term checker: the first problem and its typed position for a table of terms, and that it
// agrees with the evaluator about which terms read.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "fktint/fktint.h"
#include "fktint/term_check.h"

namespace plotwerk::fktint {
namespace {

TEST(TermCheck, FirstProblemAndPosition) {
  struct Case {
    const char* term;
    std::size_t position;  // 0: ok
    const char* message;
  };
  const Case cases[] = {
      {"X*SIN(X+P)", 0, "ok"},
      {"SIN(X", 0, "ok"},  // the missing bracket at the end is accepted
      {"((X+1)*[X]-|X|", 0, "ok"},
      {"-X^2+(-X^2)*PI-PHI+\xC9+R+Q", 0, "ok"},  // \xC9 is É, Euler's number
      {"S(X)+E(1)+GA(X)", 0, "ok"},  // shortened names
      {"1,5 * X", 0, "ok"},
      {"X\xB7" "2", 0, "ok"},  // the middle dot multiplies
      {"2X+3SIN(X)+(X+1)(X-1)+2PI+PX", 0, "ok"},  // implicit products
      {"E^X+2*E+XE", 0, "ok"},
      {"", 1, "empty term"},
      {"   ", 1, "empty term"},
      {"X2", 2, "unexpected character '2'"},
      {"1E5*X", 1, "no exponent notation: write 1*10^5 for '1E5'"},
      {"1E-5", 1, "no exponent notation: write 1*10^(-5) for '1E-5'"},
      {"X+2E", 3, "a number directly before E: write 2*E for '2E'"},
      {"X**2", 3, "missing operand"},
      {" 2 X Y", 6, "unexpected character 'Y'"},  // positions count the typed blanks
      {"(-X^2)Y", 7, "unexpected character 'Y'"},
      {"x", 1, "unexpected character 'x'"},
      {"PHX", 2, "'(' missing after name 'HX'"},
      {"X+", 3, "missing operand"},
      {"X/ ", 3, "missing operand"},
      {"SQRT()", 6, "missing operand"},
      {"--X", 0, "ok"},  // minus minus X
      {"X*+2", 3, "missing operand"},
      {"ABC(X)", 1, "unknown function name 'ABC'"},
      {"2+T(X)", 3, "unknown function name 'T'"},
      {"CS(X)", 1, "unknown function name 'CS'"},
      {"F1(X)", 1, "reserved function name 'F1'"},
      {"X*F4(2)", 3, "reserved function name 'F4'"},
      {"EX", 1, "'(' missing after name 'EX'"},
      {"SIN X", 1, "'(' missing after name 'SINX'"},
      {"X)*2", 2, "unmatched ')'"},
      {"(1+1))", 6, "unmatched ')'"},
      {"1.2.3", 1, "malformed number '1.2.3'"},
      {"X+.", 3, "malformed number '.'"},
      {"1,2,3", 1, "malformed number '1,2,3'"},  // as typed
      {"X\x01", 2, "unexpected character '\\x01'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.term);
    const TermCheck check = CheckTerm(c.term);
    EXPECT_EQ(check.position, c.position);
    EXPECT_EQ(DescribeTermCheck(check), c.message);
  }
}

TEST(TermCheck, NamesAreShortenedInTheMessage) {
  const TermCheck check = CheckTerm("ABCDEFGHIJKLMNOPQRSTUVWXYZ(X)");
  EXPECT_EQ(check.detail, "ABCDEFGHIJKLMNOPQ...");
}

// The nesting bound is the evaluator's: one level more fails in both.
TEST(TermCheck, NestingBoundMatchesTheEvaluator) {
  for (int levels : {1024, 1025}) {
    SCOPED_TRACE(levels);
    const std::string term = std::string(static_cast<std::size_t>(levels), '(') + "X";
    const bool readable = EvaluateTerm(term, 2, 0, 0).code == kEvalOk;
    EXPECT_EQ(CheckTerm(term).ok(), readable);
    EXPECT_EQ(readable, levels == 1024);
  }
}

// The reader is shared, so the evaluator reports code 1 exactly when the checker finds a
// problem; the only code 1 of a readable term is the guard of TANH.
TEST(TermCheck, AgreesWithTheEvaluatorOnRandomTerms) {
  const std::string alphabet = "X0123456789.,+-*/^()[]| SINCOQPREALGFH\xC9";
  std::mt19937 random(14);
  int readable = 0;
  for (int n = 0; n < 100000; ++n) {
    std::string term;
    const std::size_t length = 1 + random() % 14;
    for (std::size_t i = 0; i < length; ++i) term += alphabet[random() % alphabet.size()];
    const TermValue result = EvaluateTerm(term, 0.5, 1.5, -2);
    const TermCheck check = CheckTerm(term);
    if (check.ok() && term.find("TANH") == std::string::npos) {
      EXPECT_NE(result.code, kEvalUnreadable) << term;
    }
    if (!check.ok()) {
      EXPECT_EQ(result.code, kEvalUnreadable) << term;
      EXPECT_EQ(result.value, 0) << term;
    }
    readable += check.ok();
  }
  EXPECT_GT(readable, 5000);
}

}  // namespace
}  // namespace plotwerk::fktint
