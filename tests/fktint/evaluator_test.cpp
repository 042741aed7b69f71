// The term syntax: precedence, unary minus, numbers, names, brackets, power rules, clamps, x range.
#include "tests/fktint/eval_cases.h"

namespace plotwerk::fktint::testing {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kE = 2.718281828459045;

using Precedence = EvaluatorTest;

TEST_F(Precedence, ThreeLevelsAllLeftAssociative) {
  ExpectEvaluations({
      {"2^3^2", 0, 64, 0},
      {"2+3*4", 0, 14, 0},
      {"2*3+4", 0, 10, 0},
      {"8/4/2", 0, 1, 0},
      {"10-4-3", 0, 3, 0},
      {"2*3^2", 0, 18, 0},
      {"2^3*2", 0, 16, 0},
      {"1+2*3^2-4/2", 0, 17, 0},
      {"2^(2^3*2)", 0, 65536, 0},
      {"2*(1+3)", 0, 8, 0},
      {"(1+2)*(3+4)", 0, 21, 0},
      {"2\xB7" "3", 0, 6, 0},            // middle dot multiplies
      {"1+2\xB7" "3^2", 0, 19, 0},
      {"X*X-X", 3, 6, 0},
  });
}

TEST_F(Precedence, MinusAtOperandStartNegatesOneFactor) {
  ExpectEvaluations({
      {"-X^2", 3, -9, 0},      // leading minus becomes 0-X^2
      {"(-X^2)", 3, -9, 0},    // (-X^ becomes (0-X^
      {"( - X ^ 2 )", 3, -9, 0},
      {"(-3^2)", 0, 9, 0},     // other minus signs bind tighter than ^
      {"X*-X^2", 2, 8, 0},
      {"2*-3", 0, -6, 0},
      {"2--3", 0, 5, 0},
      {"2^-1", 0, 0.5, 0},
      {"+X", 4, 4, 0},         // a leading plus gets a 0 in front
      {"-(X+1)*2", 1, -4, 0},
      {"1+-X", 5, -4, 0},
      {"(-X^2+1)", 2, -3, 0},
      {"SIN(-X^2)", 1, -std::sin(1.0), 0},  // "(-X^" inside a call is rewritten too
  });
}

TEST_F(Precedence, UnaryPlusOrDoubleMinusInsideIsUnreadable) {
  ExpectEvaluations({
      {"2*+3", 0, 3, 1},   // 2*0, then +3
      {"2*--3", 0, -3, 1},  // 2*(-0), then -3
      {"X+", 1, 1, 1},
      {"X*", 2, 0, 1},
  });
}

using Numbers = EvaluatorTest;

TEST_F(Numbers, DecimalPointOrCommaAndBlanksAnywhere) {
  ExpectEvaluations({
      {"1,5*X", 2, 3, 0},
      {"1.5*X", 2, 3, 0},
      {".5", 0, 0.5, 0},
      {"5.", 0, 5, 0},
      {"0.1", 0, 0.1, 0},
      {"1 2 3", 0, 123, 0},
      {"S I N ( X )", 1, std::sin(1.0), 0},
      {"12345678901234567890", 0, 1e10, 4},
      {"0.000000000000000000000000001", 0, 1e-27, 0},
      {"3.14159265358979323846", 0, kPi, 0},
  });
}

TEST_F(Numbers, NoExponentNotationAndNoImplicitProduct) {
  ExpectEvaluations({
      {"1E5", 0, 1, 1},   // 1 followed by the unexpected operator E
      {"2X", 0, 2, 1},
      {"2(X)", 0, 2, 1},
      {"X X", 3, 3, 1},   // blanks go, "XX" is X followed by an unexpected X
  });
}

TEST_F(Numbers, ConstantsAndParameters) {
  ParamP = 2.5;
  ParamQ = -1.25;
  ExpectEvaluations({
      {"PI", 0, kPi, 0},
      {"PHI", 0, 1.618033988749895, 0},
      {"\xC9", 0, kE, 0},  // É
      {"R", 0, 0, 0},
      {"P", 0, 2.5, 0},
      {"P*2", 0, 5, 0},
      {"Q+P", 0, 1.25, 0},
      {"2*PI", 0, 2 * kPi, 0},
      {"PH", 0, 2.5, 1},   // P, then the unexpected H
      {"PIX", 0, kPi, 1},
  });
}

using Names = EvaluatorTest;

TEST_F(Names, ShortenedNamesSelectTheFirstEntryThatContainsThem) {
  ExpectEvaluations({
      {"S(X)", 3, 9, 0},        // SQR
      {"SQ(X)", 3, 9, 0},
      {"SQRT(X)", 9, 3, 0},
      {"E(1)", 0, kE, 0},       // EXP
      {"EX(1)", 0, kE, 0},
      {"A(-2)", 0, 2, 0},       // ABS
      {"L(\xC9)", 0, 1, 0},     // LN
      {"CO(0)", 0, 1, 0},       // COS
      {"AR(1)", 0, 0, 0},       // ARCCOS
      {"ARC(0)", 0, kPi / 2, 0},
      {"ARCS(1)", 0, kPi / 2, 0},  // ARCSIN
      {"SE(0)", 0, 1, 0},       // SEC
      {"GA(5)", 0, 24, 0},      // GAMMA
      {"SINH(0)", 0, 0, 0},
      {"ARCCOT(1)", 0, kPi / 4, 0},
      {"HEAVISIDE(2)", 0, 1, 3},
  });
}

TEST_F(Names, NamesInsideAnEntryOrReservedOrWithoutBracketFail) {
  ExpectEvaluations({
      {"T(X)", 1, 0, 1},
      {"G(X)", 1, 0, 1},
      {"H(X)", 1, 0, 1},
      {"IN(X)", 1, 0, 1},
      {"CS(X)", 1, 0, 1},       // first found inside ARCSIN
      {"F1(X)", 1, 0, 1},
      {"F4(X)", 1, 0, 1},
      {"SINX", 1, 0, 1},        // no "(" at all
      {"E", 0, 0, 1},
      {"K(1)", 0, 0, 1},        // K, U, Y, Z start no name
      {"U(1)", 0, 0, 1},
      {"sin(X)", 1, 0, 1},      // lower case is unexpected
      {"SINUS(X)", 1, 0, 1},
      {"X+T(1)+5", 1, 1, 1},    // failed call: 0, argument not read, its text ends the term
  });
}

TEST_F(Names, NameRunsUpToTheNextOpeningBracket) {
  // The name is everything up to the next "(", here "SIN)+", which is no function.
  ExpectEvaluations({
      {"SIN)+(X)", 2, 0, 1},
      {"2+SIN X+(X)", 1, 2, 1},
  });
}

using Brackets = EvaluatorTest;

TEST_F(Brackets, ClosersAreInterchangeableAndMayBeMissing) {
  ExpectEvaluations({
      {"SIN(X", 1, std::sin(1.0), 0},
      {"(X+1]*2", 1, 4, 0},
      {"[X+1)*2", 1.5, 4, 0},
      {"|X-3)", 1, 2, 0},
      {"|X-3|+|X|", 1, 3, 0},
      {"||X||", -2, 2, 0},
      {"((((X", 7, 7, 0},
      {"2*(3+(4", 0, 14, 0},
  });
}

TEST_F(Brackets, TopLevelCloserEndsTheTerm) {
  ExpectEvaluations({
      {"X)*2", 5, 5, 0},
      {"X]garbage(((", 5, 5, 0},
      {"(1+1))", 0, 2, 0},
      {")", 0, 0, 1},
  });
}

TEST_F(Brackets, SquareBracketsFloorWithoutCode) {
  ExpectEvaluations({
      {"[-2.5]", 0, -3, 0},
      {"[2.7]", 0, 2, 0},
      {"[X]", -2, -3, 0},  // like INT: negative values are truncated after subtracting 1
      {"[0]", 0, 0, 0},
  });
}

using Errors = EvaluatorTest;

TEST_F(Errors, UnreadableTerms) {
  ExpectEvaluations({
      {"", 0, 0, 1},
      {" ", 0, 0, 1},
      {"   ", 0, 0, 1},
      {"1+", 0, 1, 1},
      {"(1+1))", 0, 2, 0},
      {"2X", 0, 2, 1},
      {"X$", 3, 3, 1},
      {"$", 0, 0, 1},
      {"Y", 0, 0, 1},
      {"Z+1", 0, 0, 1},   // Z reads as 0, stays, and then ends the term as an operator
  });
}

TEST_F(Errors, LastCodeWins) {
  ExpectEvaluations({
      {"SGN(LN(X))", -1, 0, 0},      // SGN discards the domain error of its argument
      {"SGN(-4)", 0, -1, 0},
      {"INT(LN(0))", 0, 0, 3},       // INT replaces any earlier code
      {"LN(0)+INT(1)", 0, 1, 3},
      {"INT(1)+LN(0)", 0, 1, 2},
      {"INT(X)^2", 0.5, 0, 2},       // a power after a code above 1 gives 0 and code 2
      {"HEAVISIDE(1)^1", 0, 0, 2},
      {"EXP(60)^0", 0, 0, 2},
      {"TANH(60)^0", 0, 1, 1},       // code 1 does not block a power
  });
}

using Guards = EvaluatorTest;

TEST_F(Guards, DivisionMultiplicationAndFinalClamp) {
  ExpectEvaluations({
      {"1/0", 0, 1e10, 2},
      {"X/(X-1)", 1, 1e10, 2},
      {"1E10", 0, 1, 1},
      {"10000000000*0", 0, 1e10, 2},
      {"9999999999*2", 0, 1e10, 4},
      {"EXP(24)", 0, 1e10, 4},
      {"-EXP(24)", 0, -std::exp(24.0), 0},   // no lower clamp
      {"10^10", 0, 1e10, 0},
      {"10000000000", 0, 1e10, 0},
      {"10000000001", 0, 1e10, 4},
  });
}

TEST_F(Guards, XRange) {
  ExpectEvaluations({
      {"X", 1000000, 1000000, 0},
      {"X", -1000000, -1000000, 0},
      {"X", 1000000.5, 0, 3},
      {"X", -1000000.5, 0, 1},
      {"", 2e6, 0, 3},  // the range is checked before the term
  });
}

using Powers = EvaluatorTest;

TEST_F(Powers, SmallAndWholeExponents) {
  ExpectEvaluations({
      {"0^0", 0, 1, 0},
      {"X^0", -7, 1, 0},
      {"X^1", -7, -7, 0},
      {"X^2", -7, 49, 0},
      {"X^3", -2, -8, 0},
      {"X^4", -2, 16, 0},
      {"X^5", -2, -32, 0},
      {"10^5", 0, 1e5, 0},
      {"10^11", 0, 1e10, 4},
      {"(-10)^11", 0, -1e11, 0},   // the positive products end at 10^10, not above
      {"(-10)^13", 0, 1e10, 4},   // here 10^12 exceeds the guard
      {"(-100)^5", 0, -1e10, 0},   // the negative side is never tested
      {"(-200)^5", 0, -3.2e11, 0},
      {"2^31", 0, 2147483648.0, 0},
      {"0.5^40", 0, std::ldexp(1.0, -40), 0},
  });
}

TEST_F(Powers, GeneralExponents) {
  ExpectEvaluations({
      {"0^(-1)", 0, 0, 0},
      {"0^0.5", 0, 0, 0},
      {"(-8)^(1/3)", 0, 0, 2},
      {"(-2)^(-1)", 0, -0.5, 0},
      {"(-2)^(-2)", 0, 0.25, 0},
      {"2^(-30)", 0, 0, 2},
      {"10^(-8)", 0, 0, 2},
      {"10^(-6)", 0, 1e-6, 0},
      {"2^0.5", 0, std::sqrt(2.0), 0},
      {"X^(-1)", 4, 0.25, 0},
      {"(-2)^(-22)", 0, 0, 2},      // 22 ln 2 = 15.2 passes the limit 16 but not 15
      {"2^(-22)", 0, std::ldexp(1.0, -22), 0},
      {"X^4.5", 2, std::pow(2.0, 4.5), 0},
  });
}

TEST_F(Powers, HugeWholeExponentsFinish) {
  // These ran the multiplication loop up to 2^31 times per call.
  ExpectEvaluations({
      {"1^2147483646", 0, 1, 0},
      {"(-1)^2147483645", 0, -1, 0},
      {"(-1)^2147483646", 0, 1, 0},
      {"0.5^2147483646", 0, 0, 0},
      {"0.9999999^2000000000", 0, std::pow(0.9999999, 2e9), 0},
      {"1.0000001^2000000000", 0, 1e10, 4},
      {"(-1.0000001)^2000000001", 0, 1e10, 4},
      {"1.00000001^1000", 0, std::pow(1.00000001, 1000), 0},
      {"X^100", 1.2, std::pow(1.2, 100), 0},
      {"X^65", -1.3, std::pow(-1.3, 65), 0},
      {"X^65", -1.5, 1e10, 4},
      {"1^2147483647", 0, 1, 0},    // at the loop limit: general rule, exp(0)
  });
}

}  // namespace
}  // namespace plotwerk::fktint::testing
