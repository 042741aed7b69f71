// Hostile and random input: deep nesting, huge terms, every byte, non-finite numbers, and the
// properties every evaluation must keep.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "fktint/fktint.h"

namespace plotwerk::fktint {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kDeepestExact = 1000;

// Every result must be usable: a code 0-4 and a number no larger than the clamp.
void ExpectDefined(std::string_view term, double x, double p = 0, double q = 0) {
  const TermValue result = EvaluateTerm(term, x, p, q);
  ASSERT_LE(result.code, kEvalClamped);
  ASSERT_FALSE(std::isnan(result.value));
  ASSERT_LE(result.value, 1e10);
  ASSERT_GT(result.value, -kInf);
}

// The exact value and code of one evaluation; the trace shows the start of the term.
void ExpectExact(std::string_view term, double x, double value, std::uint8_t code, double p = 0,
                 double q = 0) {
  SCOPED_TRACE(std::string(term.substr(0, 40)));
  const TermValue result = EvaluateTerm(term, x, p, q);
  EXPECT_EQ(result.value, value);
  EXPECT_EQ(result.code, code);
}

std::string Repeat(std::string_view piece, std::size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(Robustness, NestingUpToAThousandLevelsIsExact) {
  for (const char* open : {"(", "[", "|", "SIN(", "SQRT("}) {
    SCOPED_TRACE(open);
    const std::string term = Repeat(open, kDeepestExact) + "X" + std::string(kDeepestExact, ')');
    double expected = 0.75;
    for (int i = 0; i < kDeepestExact; ++i) {
      if (open[0] == '[') expected = std::trunc(expected);
      if (open[0] == 'S' && open[1] == 'I') expected = std::sin(expected);
      if (open[0] == 'S' && open[1] == 'Q') expected = std::sqrt(expected);
    }
    ExpectExact(term, 0.75, expected, kEvalOk);
  }
  const std::string sum = Repeat("(1+", kDeepestExact) + "1";  // brackets left open
  ExpectExact(sum, 0, kDeepestExact + 1, kEvalOk);
}

TEST(Robustness, VeryDeepNestingIsUnreadableNotACrash) {
  for (const char* open : {"(", "[", "|", "-(", "SIN(", "(-X^"}) {
    SCOPED_TRACE(open);
    const std::string term = Repeat(open, 100000) + "X" + std::string(100000, ')');
    ExpectExact(term, 1, 0, kEvalUnreadable);
    ExpectExact(Repeat(open, 100000), 1, 0, kEvalUnreadable);
  }
  // SGN clears earlier codes, but never the depth limit.
  ExpectExact("SGN(" + Repeat("(", 5000) + "1)", 0, 0, kEvalUnreadable);
}

TEST(Robustness, MegabyteTerms) {
  constexpr std::size_t kMegabyte = 1 << 20;
  const std::string sum = "X" + Repeat("+X", kMegabyte / 2);
  ExpectExact(sum, 0.5, 0.5 * (kMegabyte / 2 + 1), kEvalOk);
  ExpectExact(std::string(kMegabyte, '7'), 0, 1e10, kEvalClamped);
  ExpectExact("0." + std::string(kMegabyte, '0') + "1", 0, 0, kEvalOk);
  ExpectExact(std::string(kMegabyte, ' '), 0, 0, kEvalUnreadable);
  ExpectExact("X" + std::string(kMegabyte, ' ') + "*2", 3, 6, kEvalOk);
  ExpectExact(Repeat("(-X^2)+", kMegabyte / 7) + "0", 3, -9.0 * (kMegabyte / 7), kEvalOk);
  ExpectExact(Repeat("(-X^2)+", kMegabyte / 7), 3, 0, kEvalUnreadable);  // the trailing "+" misses its operand
  for (const char* piece : {"S", "SIN", "F1(", "2X", "((((S+", "A+(", "\xB7", ")"}) {
    SCOPED_TRACE(piece);
    ExpectDefined(Repeat(piece, kMegabyte / std::char_traits<char>::length(piece)), 1);
  }
  // Every failing name looks for the next "(": a thousand of them in a megabyte without one
  // must not scan the rest of the term a thousand times (the test timeout would catch it).
  ExpectDefined(Repeat("(", 1000) + Repeat("S+", kMegabyte / 2), 1);
}

TEST(Robustness, AnyByteInAnyPosition) {
  const std::string templates[] = {"SIN(X+1)*2^X", "[X]/|X-1|", "PHI*P-GAMMA(X)", "1,5\xB7X"};
  for (const std::string& base : templates) {
    for (std::size_t at = 0; at <= base.size(); ++at) {
      for (int byte = 0; byte < 256; ++byte) {
        std::string inserted = base;
        inserted.insert(at, 1, static_cast<char>(byte));
        SCOPED_TRACE(::testing::Message() << base << " byte " << byte << " at " << at);
        ExpectDefined(inserted, 0.5);
        if (at < base.size()) {
          std::string replaced = base;
          replaced[at] = static_cast<char>(byte);
          ExpectDefined(replaced, 0.5);
        }
      }
    }
  }
  for (int byte = 0; byte < 256; ++byte) ExpectDefined(std::string(1, static_cast<char>(byte)), 1);
}

TEST(Robustness, NonFiniteXAndParameters) {
  struct Case {
    double x;
    int code;
  };
  for (const Case& c : {Case{kNaN, kEvalUnreadable}, Case{kInf, kEvalJump}, Case{-kInf, kEvalUnreadable}}) {
    ExpectExact("X", c.x, 0, c.code);
  }
  ExpectExact("P", 0, 1e10, kEvalClamped, kInf);
  ExpectExact("-P", 0, 0, kEvalUndefined, kInf);
  ExpectExact("P-P", 0, 0, kEvalUndefined, kInf);
  ExpectExact("1/P", 0, 0, kEvalOk, kInf);
  ExpectExact("Q", 0, 0, kEvalUndefined, kInf, kNaN);
  ExpectExact("SGN(Q)", 0, 0, kEvalUndefined, kInf, kNaN);
  const char* functions[] = {"SQR", "SQRT", "EXP", "LN", "ABS", "SI", "SIN", "COS", "TAN",
                             "ARCCOS", "LG", "ARCTAN", "SINH", "COSH", "TANH", "INT", "SGN",
                             "COT", "LD", "ARCSIN", "ARSINH", "ARCOSH", "ARTANH", "SEC", "GAMMA",
                             "GAUSS", "DIGAMMA", "CSC", "FRAC", "HEAVISIDE", "ARCCOT", "ARCSEC"};
  for (double value : {kNaN, kInf, -kInf}) {
    for (const char* name : functions) {
      for (const char* shape : {"%s(P)", "%s(P)^2", "%s(P)^(-0.5)", "%s(P)^X", "X^%s(P)", "[%s(P)]"}) {
        char term[64];
        std::snprintf(term, sizeof term, shape, name);
        SCOPED_TRACE(::testing::Message() << term << " with P = " << value);
        ExpectDefined(term, 7, value);
      }
    }
  }
}

// A random well-formed term in the evaluator's syntax.
class TermGenerator {
 public:
  explicit TermGenerator(std::uint64_t seed) : random_(seed) {}

  std::string Expression(int depth) {
    std::string text = Operand(depth);
    const int operators = Pick(depth > 0 ? 4 : 2);
    static const char* const kOperators[] = {"+", "-", "*", "/", "^", "\xB7"};
    for (int i = 0; i < operators; ++i) text += kOperators[Pick(6)] + Operand(depth);
    return text;
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  std::string Operand(int depth) { return (Pick(5) == 0 ? "-" : "") + Primary(depth); }

  std::string Primary(int depth) {
    static const char* const kAtoms[] = {"X", "P", "Q", "R", "PI", "PHI", "\xC9", "2", "0,5",
                                         "3.25", "10", "0", "1", ".75"};
    static const char* const kNames[] = {
        "SQR", "SQRT", "EXP", "LN", "ABS", "SI", "SIN", "COS", "TAN", "ARCCOS", "LG", "ARCTAN",
        "SINH", "COSH", "TANH", "INT", "SGN", "COT", "LD", "ARCSIN", "ARSINH", "ARCOSH", "ARTANH",
        "SEC", "GAMMA", "GAUSS", "DIGAMMA", "CSC", "FRAC", "HEAVISIDE", "ARCCOT", "ARCSEC", "S",
        "E", "CO", "GA"};
    if (depth == 0 || Pick(3) == 0) return kAtoms[Pick(std::size(kAtoms))];
    switch (Pick(4)) {
      case 0:
        return "(" + Expression(depth - 1) + ")";
      case 1:
        return "[" + Expression(depth - 1) + "]";
      case 2:
        return "|" + Expression(depth - 1) + "|";
      default:
        return std::string(kNames[Pick(std::size(kNames))]) + "(" + Expression(depth - 1) + ")";
    }
  }

  std::mt19937_64 random_;
};

bool SameResult(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

TEST(Robustness, RandomTermsGiveDefinedResultsAndIgnoreBlanks) {
  TermGenerator generator(8121970);
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> xs(-10, 10);
  for (int i = 0; i < 3000; ++i) {
    const std::string term = generator.Expression(4);
    const double x = xs(random);
    const double p = xs(random);
    const double q = xs(random);
    SCOPED_TRACE(term);
    ExpectDefined(term, x, p, q);
    const TermValue result = EvaluateTerm(term, x, p, q);
    std::string spaced;
    for (char c : term) {
      spaced += c;
      if (random() % 3 == 0) spaced += std::string(random() % 3 + 1, ' ');
    }
    std::string spaced_front = " " + spaced;
    const TermValue spaced_result = EvaluateTerm(spaced_front, x, p, q);
    EXPECT_TRUE(SameResult(spaced_result.value, result.value)) << spaced_front;
    EXPECT_EQ(spaced_result.code, result.code);
  }
}

}  // namespace
}  // namespace plotwerk::fktint
