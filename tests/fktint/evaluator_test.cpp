// The term syntax: precedence, unary minus, numbers, names, brackets, power rules, clamps, x range.
#include <cmath>

#include "tests/fktint/eval_cases.h"

namespace plotwerk::fktint::testing {
namespace {

TEST(Precedence, SumsAndProductsFromTheLeftPowersFromTheRight) {
  ExpectEvaluations({
      {"2^3^2", 0, 512, kEvalOk},  // 2^(3^2)
      {"X^2^3", 2, 256, kEvalOk}, {"2+3*4", 0, 14, kEvalOk}, {"2*3+4", 0, 10, kEvalOk},
      {"8/4/2", 0, 1, kEvalOk}, {"10-4-3", 0, 3, kEvalOk}, {"2*3^2", 0, 18, kEvalOk},
      {"2^3*2", 0, 16, kEvalOk}, {"1+2*3^2-4/2", 0, 17, kEvalOk}, {"2^(2^3*2)", 0, 65536, kEvalOk},
      {"2*(1+3)", 0, 8, kEvalOk}, {"(1+2)*(3+4)", 0, 21, kEvalOk},
      {"2\xB7" "3", 0, 6, kEvalOk},  // middle dot multiplies
      {"1+2\xB7" "3^2", 0, 19, kEvalOk}, {"X*X-X", 3, 6, kEvalOk},
  });
}

TEST(Precedence, MinusAppliesAfterThePowersThatFollow) {
  ExpectEvaluations({
      {"-X^2", 3, -9, kEvalOk}, {"(-X^2)", 3, -9, kEvalOk}, {"( - X ^ 2 )", 3, -9, kEvalOk},
      {"(-3^2)", 0, -9, kEvalOk}, {"X*-X^2", 2, -8, kEvalOk}, {"2+-X^2", 3, -7, kEvalOk},
      {"2^-X^2", 1, 0.5, kEvalOk},  // 2^(-(X^2))
      {"EXP(-(X-1)^2)", 3, std::exp(-4.0), kEvalOk}, {"(-X)^2", 3, 9, kEvalOk},
      {"2*-3", 0, -6, kEvalOk}, {"2--3", 0, 5, kEvalOk}, {"2^-1", 0, 0.5, kEvalOk},
      {"+X", 4, 4, kEvalOk},  // a leading plus gets a 0 in front
      {"-(X+1)*2", 1, -4, kEvalOk}, {"1+-X", 5, -4, kEvalOk}, {"(-X^2+1)", 2, -3, kEvalOk},
      {"SIN(-X^2)", 1, -std::sin(1.0), kEvalOk},
  });
}

TEST(Precedence, UnaryPlusInsideOrAMissingOperandIsUnreadable) {
  ExpectEvaluations({
      {"2*+3", 0, 0, kEvalUnreadable}, {"2*--3", 0, 6, kEvalOk}, {"X+", 1, 0, kEvalUnreadable},
      {"X*", 2, 0, kEvalUnreadable},
  });
}

TEST(Numbers, DecimalPointOrCommaAndBlanksAnywhere) {
  ExpectEvaluations({
      {"1,5*X", 2, 3, kEvalOk}, {"1.5*X", 2, 3, kEvalOk}, {".5", 0, 0.5, kEvalOk},
      {"5.", 0, 5, kEvalOk}, {"0.1", 0, 0.1, kEvalOk}, {"1 2 3", 0, 123, kEvalOk},
      {"S I N ( X )", 1, std::sin(1.0), kEvalOk}, {"12345678901234567890", 0, 1e10, kEvalClamped},
      {"0.000000000000000000000000001", 0, 1e-27, kEvalOk},
      {"3.14159265358979323846", 0, kPi, kEvalOk},
  });
}

TEST(Numbers, NoExponentNotationButImplicitProducts) {
  ExpectEvaluations({
      {"1E5", 0, 0, kEvalUnreadable}, {"2E", 0, 0, kEvalUnreadable}, {"X2", 3, 0, kEvalUnreadable},
      {"2X", 3, 6, kEvalOk}, {"2(X)", 3, 6, kEvalOk},
      {"X X", 3, 9, kEvalOk},  // blanks go: XX
  });
}

TEST(Numbers, ConstantsAndParameters) {
  ExpectEvaluations({
      {"PI", 0, kPi, kEvalOk}, {"PHI", 0, 1.618033988749895, kEvalOk},
      {"\xC9", 0, kE, kEvalOk},  // É
      {"R", 0, 0, kEvalOk}, {"P", 0, 2.5, kEvalOk}, {"P*2", 0, 5, kEvalOk},
      {"Q+P", 0, 1.25, kEvalOk}, {"2*PI", 0, 2 * kPi, kEvalOk}, {"PH", 0, 0, kEvalUnreadable},
      {"PIX", 2, 2 * kPi, kEvalOk}, {"E", 0, kE, kEvalOk},
  }, 2.5, -1.25);
}

// P and Q are passed, never kept: two evaluations with other values do not disturb each other.
TEST(Parameters, AreTakenFromTheCall) {
  const std::shared_ptr<const CompiledTerm> term = CompileTerm("P*X+Q");
  EXPECT_EQ(term->Evaluate(2, 2.5, -1.25).value, 3.75);
  EXPECT_EQ(term->Evaluate(2, 0, 0).value, 0);
  EXPECT_EQ(EvaluateTerm("LN(X-P)", 1, 1, 0).code, kEvalUndefined);
  EXPECT_EQ(EvaluateTerm("LN(X-P)", 1, 0, 0).code, kEvalOk);
  EXPECT_EQ(ReadNumberField("2p", 2.5, 0), 5);
}

TEST(Names, ShortenedNamesSelectTheFirstEntryThatContainsThem) {
  ExpectEvaluations({
      {"S(X)", 3, 9, kEvalOk},  // SQR
      {"SQ(X)", 3, 9, kEvalOk}, {"SQRT(X)", 9, 3, kEvalOk},
      {"E(1)", 0, kE, kEvalOk},  // EXP
      {"EX(1)", 0, kE, kEvalOk},
      {"A(-2)", 0, 2, kEvalOk},  // ABS
      {"L(\xC9)", 0, 1, kEvalOk},  // LN
      {"CO(0)", 0, 1, kEvalOk},  // COS
      {"AR(1)", 0, 0, kEvalOk},  // ARCCOS
      {"ARC(0)", 0, kPi / 2, kEvalOk},
      {"ARCS(1)", 0, kPi / 2, kEvalOk},  // ARCSIN
      {"SE(0)", 0, 1, kEvalOk},  // SEC
      {"GA(5)", 0, 24, kEvalOk},  // GAMMA
      {"SINH(0)", 0, 0, kEvalOk}, {"ARCCOT(1)", 0, kPi / 4, kEvalOk},
      {"HEAVISIDE(2)", 0, 1, kEvalJump},
  });
}

TEST(Names, NamesInsideAnEntryOrReservedOrWithoutBracketFail) {
  ExpectEvaluations({
      {"T(X)", 1, 0, kEvalUnreadable}, {"G(X)", 1, 0, kEvalUnreadable},
      {"H(X)", 1, 0, kEvalUnreadable}, {"IN(X)", 1, 0, kEvalUnreadable},
      {"CS(X)", 1, 0, kEvalUnreadable},  // first found inside ARCSIN
      {"F1(X)", 1, 0, kEvalUnreadable}, {"F4(X)", 1, 0, kEvalUnreadable},
      {"SINX", 1, 0, kEvalUnreadable},  // no "(" at all
      {"K(1)", 0, 0, kEvalUnreadable},  // K, U, Y, Z start no name
      {"U(1)", 0, 0, kEvalUnreadable},
      {"sin(X)", 1, 0, kEvalUnreadable},  // lower case is unexpected
      {"SINUS(X)", 1, 0, kEvalUnreadable}, {"X+T(1)+5", 1, 0, kEvalUnreadable},
  });
}

TEST(Names, NameRunsUpToTheNextOpeningBracket) {
  // The name is everything up to the next "(", here "SIN)+", which is no function.
  ExpectEvaluations({
      {"SIN)+(X)", 2, 0, kEvalUnreadable},
      {"2+SIN X+(X)", 1, 0, kEvalUnreadable},
  });
}

TEST(Brackets, ClosersAreInterchangeableAndMayBeMissing) {
  ExpectEvaluations({
      {"SIN(X", 1, std::sin(1.0), kEvalOk}, {"(X+1]*2", 1, 4, kEvalOk},
      {"[X+1)*2", 1.5, 4, kEvalOk}, {"|X-3)", 1, 2, kEvalOk}, {"|X-3|+|X|", 1, 3, kEvalOk},
      {"||X||", -2, 2, kEvalOk}, {"((((X", 7, 7, kEvalOk}, {"2*(3+(4", 0, 14, kEvalOk},
  });
}

TEST(Brackets, TopLevelCloserIsUnreadable) {
  ExpectEvaluations({
      {"X)*2", 5, 0, kEvalUnreadable}, {"X]garbage(((", 5, 0, kEvalUnreadable},
      {"(1+1))", 0, 0, kEvalUnreadable}, {")", 0, 0, kEvalUnreadable},
  });
}

TEST(Brackets, SquareBracketsFloorWithoutCode) {
  ExpectEvaluations({
      {"[-2.5]", 0, -3, kEvalOk}, {"[2.7]", 0, 2, kEvalOk},
      {"[X]", -2, -3, kEvalOk},  // like INT: negative values are truncated after subtracting 1
      {"[0]", 0, 0, kEvalOk},
  });
}

TEST(Errors, UnreadableTerms) {
  ExpectEvaluations({
      {"", 0, 0, kEvalUnreadable}, {" ", 0, 0, kEvalUnreadable}, {"   ", 0, 0, kEvalUnreadable},
      {"1+", 0, 0, kEvalUnreadable}, {"1,2,3", 0, 0, kEvalUnreadable},
      {"1..5", 0, 0, kEvalUnreadable}, {",", 0, 0, kEvalUnreadable}, {"X$", 3, 0, kEvalUnreadable},
      {"$", 0, 0, kEvalUnreadable}, {"Y", 0, 0, kEvalUnreadable},
      {"Z+1", 0, 0, kEvalUnreadable},  // Z reads as 0, stays, and then ends the term as an operator
  });
}

TEST(Errors, LastCodeWins) {
  ExpectEvaluations({
      {"SGN(LN(X))", -1, 0, kEvalOk},  // SGN discards the domain error of its argument
      {"SGN(-4)", 0, -1, kEvalOk},
      {"INT(LN(0))", 0, 0, kEvalJump},  // INT replaces any earlier code
      {"LN(0)+INT(1)", 0, 1, kEvalJump}, {"INT(1)+LN(0)", 0, 1, kEvalUndefined},
      {"INT(X)^2", 0.5, 0, kEvalUndefined},  // a power after a code above 1 gives 0 and code 2
      {"HEAVISIDE(1)^1", 0, 0, kEvalUndefined}, {"EXP(60)^0", 0, 0, kEvalUndefined},
      {"TANH(60)^0", 0, 1, kEvalUnreadable},  // code 1 does not block a power
  });
}

TEST(Guards, DivisionMultiplicationAndFinalClamp) {
  ExpectEvaluations({
      {"1/0", 0, 1e10, kEvalUndefined}, {"X/(X-1)", 1, 1e10, kEvalUndefined},
      {"1E10", 0, 0, kEvalUnreadable}, {"10000000000*0", 0, 1e10, kEvalUndefined},
      {"9999999999*2", 0, 1e10, kEvalClamped}, {"EXP(24)", 0, 1e10, kEvalClamped},
      {"-EXP(24)", 0, -std::exp(24.0), kEvalOk},  // no lower clamp
      {"10^10", 0, 1e10, kEvalOk}, {"10000000000", 0, 1e10, kEvalOk},
      {"10000000001", 0, 1e10, kEvalClamped},
  });
}

TEST(Guards, XRange) {
  ExpectEvaluations({
      {"X", 1000000, 1000000, kEvalOk}, {"X", -1000000, -1000000, kEvalOk},
      {"X", 1000000.5, 0, kEvalJump}, {"X", -1000000.5, 0, kEvalUnreadable},
      {"", 2e6, 0, kEvalJump},  // the range is checked before the term
  });
}

TEST(Powers, SmallAndWholeExponents) {
  ExpectEvaluations({
      {"0^0", 0, 1, kEvalOk}, {"X^0", -7, 1, kEvalOk}, {"X^1", -7, -7, kEvalOk},
      {"X^2", -7, 49, kEvalOk}, {"X^3", -2, -8, kEvalOk}, {"X^4", -2, 16, kEvalOk},
      {"X^5", -2, -32, kEvalOk}, {"10^5", 0, 1e5, kEvalOk}, {"10^11", 0, 1e10, kEvalClamped},
      {"(-10)^11", 0, -1e11, kEvalOk},  // the positive products end at 10^10, not above
      {"(-10)^13", 0, 1e10, kEvalClamped},  // here 10^12 exceeds the guard
      {"(-100)^5", 0, -1e10, kEvalOk},  // the negative side is never tested
      {"(-200)^5", 0, -3.2e11, kEvalOk}, {"2^31", 0, 2147483648.0, kEvalOk},
      {"0.5^40", 0, std::ldexp(1.0, -40), kEvalOk},
  });
}

TEST(Powers, GeneralExponents) {
  ExpectEvaluations({
      {"0^(-1)", 0, 0, kEvalOk}, {"0^0.5", 0, 0, kEvalOk}, {"(-8)^(1/3)", 0, 0, kEvalUndefined},
      {"(-2)^(-1)", 0, -0.5, kEvalOk}, {"(-2)^(-2)", 0, 0.25, kEvalOk},
      {"2^(-30)", 0, 0, kEvalUndefined}, {"10^(-8)", 0, 0, kEvalUndefined},
      {"10^(-6)", 0, 1e-6, kEvalOk}, {"2^0.5", 0, std::sqrt(2.0), kEvalOk},
      {"X^(-1)", 4, 0.25, kEvalOk},
      {"(-2)^(-22)", 0, 0, kEvalUndefined},  // 22 ln 2 = 15.2 passes the limit 16 but not 15
      {"2^(-22)", 0, std::ldexp(1.0, -22), kEvalOk}, {"X^4.5", 2, std::pow(2.0, 4.5), kEvalOk},
  });
}

TEST(Powers, HugeWholeExponentsFinish) {
  // These ran the multiplication loop up to 2^31 times per call.
  ExpectEvaluations({
      {"1^2147483646", 0, 1, kEvalOk}, {"(-1)^2147483645", 0, -1, kEvalOk},
      {"(-1)^2147483646", 0, 1, kEvalOk}, {"0.5^2147483646", 0, 0, kEvalOk},
      {"0.9999999^2000000000", 0, std::pow(0.9999999, 2e9), kEvalOk},
      {"1.0000001^2000000000", 0, 1e10, kEvalClamped},
      {"(-1.0000001)^2000000001", 0, 1e10, kEvalClamped},
      {"1.00000001^1000", 0, std::pow(1.00000001, 1000), kEvalOk},
      {"X^100", 1.2, std::pow(1.2, 100), kEvalOk}, {"X^65", -1.3, std::pow(-1.3, 65), kEvalOk},
      {"X^65", -1.5, 1e10, kEvalClamped},
      {"1^2147483647", 0, 1, kEvalOk},  // at the loop limit: general rule, exp(0)
  });
}

TEST(NormaliseTermText, IsTheTextTheEvaluatorReads) {
  const struct { std::string term, normalised; } cases[] = {
      {"", ""}, {"   ", " "}, {"1,5 * X", "1.5*X"}, {"-X^2", "0-X^2"}, {"+X", "0+X"},
      {"( - X ^ 2)+(-X^3)", "(0-X^2)+(0-X^3)"}, {"(-3^2)", "(-3^2)"},
      {"-" + std::string(5000, '1'), "0-" + std::string(5000, '1')},  // beyond the inline buffer
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("term \"" + c.term.substr(0, 20) + "\"");
    EXPECT_EQ(NormaliseTermText(c.term), c.normalised);
  }
}

}  // namespace
}  // namespace plotwerk::fktint::testing
