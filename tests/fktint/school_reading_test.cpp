// The school reading of terms (values worked out by hand), the "read as" text, the rewriting of
// version-1 terms, number literals, and a random differential test against the older evaluator.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "fktint/decimal.h"
#include "fktint/term_reader.h"
#include "tests/fktint/eval_cases.h"
#include "tests/fktint/legacy_evaluator.h"

namespace plotwerk::fktint::testing {
namespace {

constexpr double kE = 2.718281828459045;

TEST(SchoolReading, RuleTable) {
  const struct {
    const char* term;
    double x;
    double value;  // by hand, with P = 2 and Q = 0,5
  } cases[] = {
      // A minus applies after the powers that follow it.
      {"-X^2", 3, -9},      {"2+-X^2", 3, -7},        {"X*-X^2", 3, -27},
      {"(-2^2)", 0, -4},    {"(-X^2)", 3, -9},        {"2^-X^2", 1, 0.5},
      {"EXP(-(X-1)^2)", 1, 1},                        {"SQRT(-COS(X)^2+1)", 0, 0},
      // "^" groups from the right.
      {"2^3^2", 0, 512},    {"X^2^3", 2, 256},        {"(2^3)^2", 0, 64},
      // Implicit products at the priority of "*".
      {"2X", 3, 6},         {"2X^2", 3, 18},          {"2(X+1)", 3, 8},
      {"(X+1)(X-1)", 3, 8}, {"(X+1)X", 3, 12},        {"X(X+1)", 3, 12},
      {"3SIN(X)", 0, 0},    {"XSIN(X)", 0, 0},        {"2PI", 0, 2 * std::numbers::pi},
      {"PX", 3, 6},         {"1/2X", 3, 1.5},         {"2 X", 3, 6},
      {"0,5X^2", 2, 2},     {"PX^2", 3, 18},          {"2PX^2", 1, 4},
      {"QX", 4, 2},         {"-2X", 3, -6},
      // E is Euler's number unless a letter or "(" follows.
      {"E", 0, kE},         {"E^X", 1, kE},           {"2*E", 0, 2 * kE},
      {"XE", 1, kE},        {"E(0)", 0, 1},           {"\xC9", 0, kE},
      {"EXP(1)-E", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term);
    const TermValue result = EvaluateTerm(c.term, c.x, 2, 0.5);
    EXPECT_EQ(result.code, kEvalOk);
    EXPECT_NEAR(result.value, c.value, 1e-12 * std::max(1.0, std::fabs(c.value)));
  }
  for (const char* unreadable : {"X2", "1E3", "2E", "1E-3", "2E+1", ")X", "X(", "2|X|"}) {
    EXPECT_EQ(EvaluateTerm(unreadable, 1, 2, 0.5).code, kEvalUnreadable) << unreadable;
  }
}

TEST(SchoolReading, ReadAsWritesEveryImplicitProduct) {
  const struct { const char* term; const char* read_as; } cases[] = {
      {"2PX^2", "2*P*X^2"},        {"(X+1)(X-1)", "(X+1)*(X-1)"}, {"0,5 X", "0,5*X"},
      {"3SIN(X)COS(X)", "3*SIN(X)*COS(X)"}, {"XE", "X*E"},       {"2*X", ""},
      {"SIN(2X", "SIN(2*X"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term);
    const TermCheck check = CheckTerm(c.term);
    ASSERT_TRUE(check.ok());
    EXPECT_EQ(check.read_as, c.read_as);
    if (!check.read_as.empty()) {
      // The written-out text reads the same.
      EXPECT_EQ(EvaluateTerm(check.read_as, 1.25, 2, 3).value, EvaluateTerm(c.term, 1.25, 2, 3).value);
    }
  }
}

TEST(Version1Terms, RewrittenToKeepTheirMeaning) {
  const struct { const char* old_term; const char* rewritten; } cases[] = {
      {"2+-X^2", "2+(-X)^2"},       {"2^3^2", "(2^3)^2"},        {"X*-X^2", "X*(-X)^2"},
      {"(-2^2)", "((-2)^2)"},       {"2^-X^2", "(2^-X)^2"},      {"X^2^3^2", "((X^2)^3)^2"},
      {"EXP(-SIN(X)^2)", "EXP((-SIN(X))^2)"},                    {"-X^2", "-X^2"},
      {"(-X^2)", "(-X^2)"},         {"( - X ^ 2)", "( - X ^ 2)"}, {"X^2+1", "X^2+1"},
      {"2 + - X ^ 2", "2 + (- X) ^ 2"},                          {"2X", "2X"},
      {"X)*2", "X)*2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.old_term);
    EXPECT_EQ(RewriteVersion1Term(c.old_term), c.rewritten);
  }
}

TEST(Decimal, CorrectlyRoundedWithoutExponent) {
  const struct { const char* text; double value; } cases[] = {
      {"0", 0},     {"1.5", 1.5},  {"1,5", 1.5},  {".5", 0.5},   {"5.", 5},   {"007", 7},
      {"0.1", 0.1}, {"3.14159265358979323846", 3.141592653589793},
      {"123456789012345678901234567890", 1.2345678901234568e29},
      {"0.30000000000000001666", 0.30000000000000004},  // just above halfway: up
      {"0.30000000000000001665", 0.3},                  // just below halfway: down
      {"9007199254740993", 9007199254740992},           // halfway: to even
      {"0.000000000000000000000000001", 1e-27},
  };
  for (const auto& c : cases) {
    double value = -1;
    EXPECT_TRUE(ParseDecimal(c.text, value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
  double value = 0;
  EXPECT_TRUE(ParseDecimal(std::string(400, '9'), value));
  EXPECT_EQ(value, HUGE_VAL);
  for (const char* bad : {"", ".", "1.2.3", "1,2.3", "1E3", "-1", "+1", " 1", "0x10", "inf"}) {
    EXPECT_FALSE(ParseDecimal(bad, value)) << bad;
  }
}

// Random terms in the forms of the term language.
class TermGenerator {
 public:
  explicit TermGenerator(unsigned seed) : random_(seed) {}

  std::string Term(int depth = 0) {
    const int choice = static_cast<int>(random_() % (depth > 3 ? 4 : 12));
    std::string t;
    switch (choice) {
      case 0: t = Pick({"X", "P", "Q", "R", "PI", "PHI", "\xC9"}); break;
      case 1: t = Pick({"2", "0,5", "3.25", "10", "0", "1"}); break;
      case 2: t = "X"; break;
      case 3: t = Pick({"1", "4", "X"}); break;
      case 4: case 5: case 6:
        t = Term(depth + 1) + Pick({"+", "-", "*", "/", "^", "^", "\xB7"}) + Term(depth + 1);
        break;
      case 7: t = "-" + Term(depth + 1); break;
      case 8:
        t = Pick({"SIN", "COS", "EXP", "LN", "SQRT", "ABS", "INT", "SGN", "TANH", "ARCTAN", "S", "GAMMA",
                  "FRAC", "HEAVISIDE"}) + "(" + Term(depth + 1) + ")";
        break;
      case 9: t = "(" + Term(depth + 1) + ")"; break;
      case 10: t = Pick({"[", "|"}) + Term(depth + 1) + Pick({"]", "|", ")"}); break;
      default: t = Term(depth + 1) + Pick({"^", "*-", "^-", "+-", "/-"}) + Term(depth + 1); break;
    }
    if (random_() % 8 == 0) t.insert(random_() % (t.size() + 1), " ");
    return t;
  }

 private:
  std::string Pick(std::initializer_list<const char*> options) {
    return *(options.begin() + random_() % options.size());
  }
  std::mt19937 random_;
};

// Terms that read alike under both readings keep the older evaluator's values and codes; terms
// that read differently keep them once rewritten.
TEST(DifferentialTest, AgreesWithTheOlderEvaluator) {
  TermGenerator generator(21);
  int unchanged = 0;
  int rewritten = 0;
  for (int n = 0; n < 20000; ++n) {
    const std::string term = generator.Term();
    if (!ReadTerm(term, TermRules::kVersion1).ok()) continue;
    const std::string now = RewriteVersion1Term(term);
    (now == term ? unchanged : rewritten)++;
    for (double x : {-2.5, 0.0, 0.75, 3.0}) {
      legacy::ParamP = 1.5;
      legacy::ParamQ = -0.5;
      const double old_value = legacy::EvaluateTerm(term, x);
      const std::uint8_t old_code = legacy::EvalError;
      const TermValue result = EvaluateTerm(now, x, 1.5, -0.5);
      ASSERT_EQ(result.code, old_code) << term << " as " << now << " at " << x;
      // The guards of a failed step give 1e10 of either sign; such values are never used.
      if (IsFailure(old_code)) continue;
      if (std::isnan(old_value)) continue;
      ASSERT_EQ(result.value, old_value) << term << " as " << now << " at " << x;
    }
  }
  EXPECT_GT(unchanged, 3000);
  EXPECT_GT(rewritten, 1000);
}

}  // namespace
}  // namespace plotwerk::fktint::testing
