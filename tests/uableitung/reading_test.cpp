// The differentiator's reading of terms through the evaluator's reader: how it groups, what it
// has no rule for, and the school reading of minus signs and powers.
#include <gtest/gtest.h>

#include <string>

#include "fktint/fktint.h"
#include "uableitung/term_tree.h"
#include "uableitung/uableitung.h"

namespace plotwerk::uableitung {
namespace {

// The tree in prefix form: (+ X 1), (SIN X), numbers as printed.
std::string Shape(const TermNode* node) {
  if (node == nullptr) return "<none>";
  switch (node->kind) {
    case kNumber: return FormatTermNumber(node->value);
    case kVariableX: return "X";
    case kParameterP: return "P";
    case kParameterQ: return "Q";
    case kSymbolY: return "Y";
    case kPi: return "PI";
    default: break;
  }
  if (IsBinaryKind(node->kind)) {
    return std::string("(") + "+-*/^"[node->kind - kSum] + " " + Shape(node->left) + " " + Shape(node->right) + ")";
  }
  return "(" + std::to_string(node->kind) + " " + Shape(node->argument) + ")";
}

std::string Read(const std::string& term) {
  NodePool pool;
  const TermNode* root = ParseTermTree(pool, fktint::NormaliseTermText(term));
  return root == nullptr ? "<failed>" : Shape(root);
}

TEST(Reading, GroupsAsTheOperatorsBind) {
  const struct { const char* term; const char* shape; } cases[] = {
      {"X-2-3", "(- (- X 2) 3)"},         {"X/2/3", "(/ (/ X 2) 3)"},
      {"X^2^3", "(^ X (^ 2 3))"},         {"X+2-3", "(- (+ X 2) 3)"},
      {"X-2+3", "(+ (- X 2) 3)"},         {"X*2/3", "(/ (* X 2) 3)"},
      {"X/2*3", "(* (/ X 2) 3)"},         {"-X^2", "(- 0 (^ X 2))"},
      {"((X))", "X"},                     {"-X", "(- 0 X)"},
      {"+X", "(+ 0 X)"},                  {"2X^2", "(* 2 (^ X 2))"},
      {"X^(-1)", "(^ X (- 0 1))"},        {"2*(-X)", "(* 2 (- 0 X))"},
      {"0,5*X", "(* 0.5 X)"},
      {"PI*P", "(* PI P)"},               {"SINH(X)+ARCSIN(X)", "(+ (41 X) (51 X))"},
      {"(X+1)(X-1)", "(* (+ X 1) (- X 1))"}, {"XSIN(X)", "(* X (31 X))"},
      {"E^(2X)", "(24 (* 2 X))"},         {"E", "(24 1)"},
      {"SQR(X)", "(^ X 2)"},              {"|X|", "(25 X)"},
      {"R*X", "(* 0 X)"},                 {"X^-1", "(^ X (- 0 1))"},
      // The evaluator reads PHI as the golden ratio; so does the differentiator.
      {"PHI*X", "(* 1.6180339887 X)"},
      // A minus applies after the powers that follow it.
      {"(-2^2)", "(- 0 (^ 2 2))"},        {"EXP(-SIN(X)^2)", "(24 (- 0 (^ (31 X) 2)))"},
      {"X+-X^2", "(+ X (- 0 (^ X 2)))"},  {"(-X^2)", "(- 0 (^ X 2))"},
      {"(-X)^2", "(^ (- 0 X) 2)"},        {"2^-X^2", "(^ 2 (- 0 (^ X 2)))"},
      {"-SIN(X)^2", "(- 0 (^ (31 X) 2))"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term);
    EXPECT_EQ(Read(c.term), c.shape);
  }
}

TEST(Reading, RejectsWhatItCannotRead) {
  // Names the evaluator does not know are read by neither (COTH, LOG, WURZEL); functions
  // without a rule (SI, ARCSEC, [ ]) have no derivative.
  for (const char* term : {"", " ", "()", "X+1)", "ABC(X)", "SIN X", "COTH(X)", "ARCOTH(X)", "LOG(X)",
                           "WURZEL(X)", "EXPON(X)", "Y*X", "[X]", "1E-5*X", "1E3*X", "2E", "X2", "X+", "*X",
                           "INF", "NAN", "0X10", "SI(X)", "F1(X)", "ARCSEC(X)", "(+X)"}) {
    SCOPED_TRACE(term);
    EXPECT_EQ(Read(term), "<failed>");
    EXPECT_EQ(DifferentiateTerm(term), "");
  }
}

TEST(Reading, AMinusAppliesAfterThePowersThatFollowIt) {
  // The evaluator draws (-2^2)*X as -4*X; the reading table above has the shapes.
  EXPECT_EQ(DeriveTerm("(-2^2)*X"), "-4");
}

TEST(Reading, ReadsLongTermsWhole) {
  std::string term = "X";
  while (term.size() < 300) term += "+X^2";
  const std::string derivative = DifferentiateTerm(term);
  EXPECT_FALSE(derivative.empty());
  EXPECT_EQ(derivative.substr(derivative.size() - 4), "+2*X");
}

}  // namespace
}  // namespace plotwerk::uableitung
