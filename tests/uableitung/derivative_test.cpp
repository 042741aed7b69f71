// Whole derivatives of the school functions, the differentiation rules per family and the printer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "fktint/fktint.h"
#include "uableitung/term_tree.h"
#include "uableitung/uableitung.h"

namespace plotwerk::uableitung {
namespace {

struct Case {
  const char* term;
  const char* derivative;
};

void ExpectDerivatives(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.term);
    EXPECT_EQ(DeriveTerm(c.term), c.derivative);
  }
}

TEST(DeriveTerm, GivesTheTextbookResults) {
  ExpectDerivatives({
      {"X^2", "2*X"}, {"X^3", "3*X^2"}, {"X", "1"}, {"2*X", "2"}, {"5", "0"},
      {"SIN(X)", "COS(X)"}, {"COS(X)", "-SIN(X)"}, {"SIN(2*X)", "2*COS(2*X)"},
      {"X*SIN(X+P)", "SIN(X+P)+X*COS(X+P)"}, {"SIN(X+P)+X*COS(X+P)", "2*COS(X+P)-X*SIN(X+P)"},
      {"LN(X)", "1/X"}, {"LG(X)", "0.4342944819/X"}, {"LD(X)", "1.4426950409/X"}, {"1/X", "-1/X^2"},
      {"2^X", "2^X*LN(2)"}, {"X^X", "X^X*(LN(X)+1)"}, {"P*X", "P"}, {"EXP(X)", "EXP(X)"},
      {"ABS(X)", "SGN(X)"}, {"SGN(X)", "0"}, {"INT(X)", "0"}, {"X^0.5", "0.5*X^(-0.5)"},
      {"1000*X^999", "999000*X^998"}, {"X^-1", "-1/X^2"}, {"1E300*X", ""},
      {"3*X^4-2*X^2+1", "12*X^3-4*X"}, {"SIN(X)^2", "SIN(2*X)"}, {"(X^2+1)/(X-1)", "(X^2-2*X-1)/(X-1)^2"},
      {"SQR(X)", "2*X"}, {"2X^2", "4*X"}, {"", ""},
  });
  // A negative exponent is printed in brackets, so the second derivative can be formed.
  EXPECT_EQ(DeriveTerm(DeriveTerm("X^0.5")), "-0.25*X^(-1.5)");
  EXPECT_EQ(DeriveTerm(DeriveTerm("SQR(X)")), "2");
}

TEST(DeriveTerm, ChainRuleForEveryFunctionFamily) {
  ExpectDerivatives({
      {"TAN(X)", "1+TAN(X)^2"}, {"COT(X)", "-1-COT(X)^2"}, {"SINH(X)", "COSH(X)"}, {"COSH(X)", "SINH(X)"},
      {"TANH(X)", "1-TANH(X)^2"}, {"ARCSIN(X)", "1/SQRT(1-X^2)"},
      {"ARCCOS(X)", "-1/SQRT(1-X^2)"}, {"ARCTAN(X)", "1/(1+X^2)"}, {"ARCCOT(X)", "-1/(1+X^2)"},
      {"ARSINH(X)", "1/SQRT(1+X^2)"}, {"ARCOSH(X)", "1/SQRT(X^2-1)"}, {"ARTANH(X)", "1/(1-X^2)"},
      {"SQRT(X)", "1/(2*SQRT(X))"}, {"EXP(2*X)", "2*EXP(2*X)"}, {"LN(X^2+1)", "2*X/(X^2+1)"},
      {"SIN(TAN(X))", "COS(TAN(X))/COS(X)^2"}, {"X^(1/X)", "X^(1/X)*(1-LN(X))/X^2"},
  });
}

// The forms of the school reading: the derivative, read back by the evaluator, has the values of
// the derivative worked out by hand.
TEST(DeriveTerm, SchoolReadingForms) {
  const struct { const char* term; const char* by_hand; } cases[] = {
      {"2X^2", "4*X"},
      {"(X+1)(X-1)", "2*X"},
      {"XSIN(X)", "SIN(X)+X*COS(X)"},
      {"E^(2X)", "2*EXP(2*X)"},
      {"EXP(-(X-1)^2)", "(0-2*(X-1))*EXP(0-(X-1)*(X-1))"},
      {"2^-X^2", "(0-2*X*LN(2))*2^(0-X*X)"},
      {"-X^2+PX", "P-2*X"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term);
    const std::string derivative = DeriveTerm(c.term);
    ASSERT_FALSE(derivative.empty());
    EXPECT_EQ(derivative.find_first_of(" "), std::string::npos);
    for (double x : {-1.5, -0.25, 0.5, 2.0}) {
      const fktint::TermValue got = fktint::EvaluateTerm(derivative, x, 1.5, 0);
      const fktint::TermValue want = fktint::EvaluateTerm(c.by_hand, x, 1.5, 0);
      ASSERT_EQ(got.code, fktint::kEvalOk) << derivative;
      EXPECT_NEAR(got.value, want.value, 1e-9 * std::max(1.0, std::fabs(want.value))) << derivative;
    }
  }
}

TEST(DeriveTree, CopiesInsteadOfSharingNodes) {
  NodePool pool;
  const TermNode* root = ParseTermTree(pool, "X*SIN(X)");
  const TermNode* derivative = DeriveTree(pool, root);
  EXPECT_EQ(PrintTree(derivative).text, "SIN(X)+X*COS(X)");
  // The input is unchanged and the copies are new nodes.
  EXPECT_EQ(PrintTree(root).text, "X*SIN(X)");
  const TermNode* copy = CopyTree(pool, root);
  EXPECT_NE(copy, root);
  EXPECT_NE(copy->right, root->right);
  EXPECT_EQ(PrintTree(copy).text, "X*SIN(X)");
}

TEST(DeriveTree, ConstancyCodeSeesOnlyNumbers) {
  NodePool pool;
  EXPECT_EQ(ConstancyCode(ParseTermTree(pool, "2*3")), Constancy::kBothNumbers);
  EXPECT_EQ(ConstancyCode(ParseTermTree(pool, "2*X")), Constancy::kLeftNumber);
  EXPECT_EQ(ConstancyCode(ParseTermTree(pool, "X*2")), Constancy::kRightNumber);
  EXPECT_EQ(ConstancyCode(ParseTermTree(pool, "P*X")), Constancy::kNeither);
  EXPECT_EQ(ConstancyCode(ParseTermTree(pool, "PI^2")), Constancy::kRightNumber);
}

// Builds small trees by hand for the printer.
struct Trees {
  NodePool pool;
  TermNode* Leaf(int kind) { return pool.NewNode(kind); }
  TermNode* Num(double v) { return pool.NewNumber(v); }
  TermNode* Bin(int kind, TermNode* l, TermNode* r) { return pool.NewBinary(kind, l, r); }
  TermNode* Fn(int kind, TermNode* a) { return pool.NewCall(kind, a); }
};

TEST(PrintTree, NumbersAndReportedOperators) {
  for (auto [value, text] : {std::pair{0.5, "0.5"}, {4.0, "4"}, {-2.0, "-2"}, {1e-12, "0"}, {100000.0, "100000"},
                             {1.0 / 3.0, "0.3333333333"}, {-1e-12, "0"}}) {
    EXPECT_EQ(FormatTermNumber(value), text);
  }
  Trees t;
  const PrintedTerm sum = PrintTree(t.Bin(kSum, t.Leaf(kVariableX), t.Leaf(kVariableX)));
  EXPECT_EQ(sum.text, "2*X");
  EXPECT_EQ(sum.op, kProduct);
  const PrintedTerm product = PrintTree(t.Bin(kProduct, t.Leaf(kVariableX), t.Leaf(kVariableX)));
  EXPECT_EQ(product.text, "X^2");
  EXPECT_EQ(product.op, kPower);
  EXPECT_EQ(SimplifyTermText(PrintTree(t.Bin(kDifference, t.Leaf(kVariableX), t.Leaf(kVariableX))).text), "0");
  EXPECT_EQ(PrintTree(t.Bin(kPower, t.Leaf(kVariableX), t.Num(0))).text, "1");
  EXPECT_EQ(PrintTree(t.Bin(kProduct, t.Leaf(kVariableX), t.Num(0))).text, "0");
  EXPECT_EQ(PrintTree(t.Bin(kSum, t.Leaf(kVariableX), t.Num(0))).text, "X");
}

TEST(PrintTree, Brackets) {
  Trees t;
  auto x = [&] { return t.Leaf(kVariableX); };
  const PrintedTerm negated = PrintTree(t.Bin(kProduct, t.Num(-1), t.Fn(kSin, x())));
  EXPECT_EQ(negated.text, "(-1)*SIN(X)");
  EXPECT_EQ(SimplifyTermText(negated.text), "-SIN(X)");
  EXPECT_EQ(PrintTree(t.Bin(kProduct, t.Num(2), t.Bin(kDifference, x(), t.Num(1)))).text, "2*(X-1)");
  EXPECT_EQ(PrintTree(t.Bin(kQuotient, x(), t.Bin(kProduct, t.Num(2), x()))).text, "X/(2*X)");
  EXPECT_EQ(PrintTree(t.Bin(kPower, t.Bin(kSum, x(), t.Num(1)), t.Num(2))).text, "(X+1)^2");
  // u+u and u*u of compound operands keep their brackets.
  EXPECT_EQ(PrintTree(t.Bin(kSum, t.Bin(kSum, x(), t.Num(1)), t.Bin(kSum, x(), t.Num(1)))).text, "2*(X+1)");
  EXPECT_EQ(PrintTree(t.Bin(kProduct, t.Bin(kProduct, t.Num(2), x()), t.Bin(kProduct, t.Num(2), x()))).text,
            "(2*X)^2");
  EXPECT_EQ(PrintTree(t.Bin(kProduct, t.Bin(kPower, x(), t.Num(2)), t.Bin(kPower, x(), t.Num(2)))).text, "(X^2)^2");
  EXPECT_EQ(DifferentiateTerm("X^2*(2*X)"), "(2*X)^2+X^2*2");
  // A negated base keeps its brackets even where the passes drop them from the operand alone.
  EXPECT_EQ(DifferentiateTerm("EXP((-SIN(X))^2)"), "2*(-SIN(X))*(-COS(X))*EXP((-SIN(X))^2)");
  EXPECT_EQ(DifferentiateTerm("EXP(-SIN(X)^2)"), "(-2*SIN(X)*COS(X))*EXP(0-SIN(X)^2)");
}

TEST(SimplifyTermText, TextPasses) {
  const struct { const char* in; const char* out; } cases[] = {
      {"1*X", "X"}, {"X*1", "X"}, {"0+X", "X"}, {"X+0", "X"}, {"0-X", "-X"}, {"2*1/X", "2/X"}, {"X--Y", "X+Y"},
      {"X+-Y", "X-Y"}, {"", ""}, {"(0)", "0"}, {"X/X", "1"}, {"(1-1)", "0"}, {"(-1)*X", "-X"}, {"(X+0)", "X"},
      {"(0*X+1)", "1"}, {"0*X", "0"}, {"SIN(1*X)", "SIN(X)"}, {"(-SIN(X))*2", "-SIN(X)*2"}, {"2^(2)", "2^2"},
      // A "-1*" behind "^" is an exponent, not a factor -1.
      {"X^-1*2", "X^-1*2"}, {"3-1*X", "3-X"},
      // A zero product at the start of a bracket is dropped up to the next term of that bracket only.
      {"(0*(X+1)+2)", "2"}, {"(0*X^-1+2)", "2"}, {"2*(0*X)+1", "2*0+1"},
      // A sum that starts with a zero product is not zero as a whole.
      {"0*X+1", "0*X+1"},
      // A negated sine before a power keeps its brackets.
      {"(-SIN(X))^2", "(-SIN(X))^2"}, {"X+(-SIN(X))^2", "X+(-SIN(X))^2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(SimplifyTermText(c.in), c.out);
  }
  EXPECT_EQ(RemoveExponentsOne("X^1"), "X");
  EXPECT_EQ(RemoveExponentsOne("X^1*SIN(X)"), "X*SIN(X)");
  EXPECT_EQ(RemoveExponentsOne("X^12"), "X^12");
}

TEST(MakeEvaluatorSafe, WritesAMinusBeforeAPowerAsASubtraction) {
  EXPECT_EQ(MakeEvaluatorSafe("EXP(-SIN(X)^2)"), "EXP(0-SIN(X)^2)");
  EXPECT_EQ(MakeEvaluatorSafe("(-X^2)"), "(-X^2)");
  EXPECT_EQ(MakeEvaluatorSafe("(-(X+1)^2+1)"), "(0-(X+1)^2+1)");
  EXPECT_EQ(MakeEvaluatorSafe("(-SIN(X))^2"), "(-SIN(X))^2");
  EXPECT_EQ(DeriveTerm("EXP(0-SIN(X)^2)").find("EXP(-SIN(X)^2)"), std::string::npos);
}

}  // namespace
}  // namespace plotwerk::uableitung
